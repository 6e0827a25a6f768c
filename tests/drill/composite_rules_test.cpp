// How levels 10 to 12 choose a problem: draw order, the rules against
// repeats and their caps, and running out of fresh pairs.
#include "compositecheck.h"
#include "support/testregistry.h"

#include <QTest>

using namespace compositecheck;

class TestCompositeRules : public QObject {
    Q_OBJECT
private slots:
    void draws_data();
    void draws();
    void seededRowsKeepTheRules_data();
    void seededRowsKeepTheRules();
    void exhaustedKinds_data();
    void exhaustedKinds();
};

void TestCompositeRules::draws_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<Blocks>("earlier"); // problems 1 .. N-1 of the lane
    QTest::addColumn<QList<double>>("script");
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("K");
    const Blocks prev{{6, 7, 1, 62}};
    QTest::newRow("first problem: L12 still draws a kind")
        << 12 << Blocks{} << cand(5, 5, 0) + kind(4) + rightPart(4, 4) << 5 << 5 << 1;
    QTest::newRow("unlike the previous: taken at once") << 11 << prev << cand(5, 5, 0) + rightPart(4, 4) << 5 << 5 << 4;
    QTest::newRow("same unit: ten retries, then kept")
        << 11 << prev << times(10, cand(5, 5, 1)) + cand(8, 9, 1) + rightPart(4, 4) << 8 << 9 << 4;
    QTest::newRow("same area: ten retries, then kept") << 11 << Blocks{{6, 4, 0, 24}}
        << times(10, cand(8, 3, 2)) + cand(9, 9, 0) + rightPart(4, 4) << 9 << 9 << 4;
    QTest::newRow("same width: ten retries, then kept")
        << 11 << prev << times(10, cand(6, 5, 0)) + cand(9, 7, 0) + rightPart(4, 4) << 9 << 7 << 4;
    QTest::newRow("same height: ten retries, then kept")
        << 11 << prev << times(10, cand(5, 7, 0)) + cand(8, 8, 1) + rightPart(4, 4) << 8 << 8 << 4;
    QTest::newRow("repeats spend no retries") << 11 << Blocks{{5, 5, 1, 41}, {6, 7, 1, 62}}
        << times(15, cand(5, 5, 0)) + times(10, cand(8, 8, 1)) + cand(9, 9, 1) + rightPart(4, 4) << 9 << 9 << 4;
    QTest::newRow("retries outlast an acceptance rejection") << 11 << prev
        << times(10, cand(5, 5, 1)) + cand(9, 5, 1) + rightPart(4, 8) + cand(8, 9, 1) + rightPart(4, 4) << 8 << 9 << 4;
    QTest::newRow("L11 rejects a narrow left part")
        << 11 << prev << cand(4, 9, 0) + rightPart(4, 4) + cand(5, 9, 0) + rightPart(8, 8) << 5 << 9 << 4;
    QTest::newRow("L10 rejects wide or tall")
        << 10 << prev
        << cand(9, 2, 0) + rightPart(4, 4) + cand(4, 6, 0) + rightPart(4, 4) + cand(8, 5, 0) + rightPart(8, 4) << 8 << 5
        << 3;
    QTest::newRow("L12 from N=9: a rejected figure draws a new kind") << 12 << Blocks(8, {6, 7, 1, 62})
        << cand(9, 3, 0) + kind(3) + rightPart(4, 4) + cand(9, 3, 0) + kind(1) + rightPart(4, 4) << 9 << 3 << 1;
    // Kind 3 would take (5, 4): only a fresh kind draw makes it kind 1.
    QTest::newRow("L12 from N=9: a repeat draws a new kind")
        << 12 << Blocks(8, {6, 7, 1, 62}) << cand(6, 7, 0) + kind(3) + cand(5, 4, 0) + kind(1) + rightPart(4, 4) << 5
        << 4 << 1;
    QTest::newRow("L12 from N=9: one like the previous draws a new kind")
        << 12 << Blocks(8, {6, 7, 1, 62}) << cand(8, 3, 1) + kind(3) + cand(5, 4, 0) + kind(1) + rightPart(4, 4) << 5
        << 4 << 1;
}

void TestCompositeRules::draws()
{
    QFETCH(int, level);
    QFETCH(Blocks, earlier);
    QFETCH(QList<double>, script);
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, K);
    const RowTable t = tableOf(earlier, 3);
    ScriptedRandom random(script);
    const CompositeProblem c = chooseComposite(random, t, level, 3, int(earlier.size()) + 1);
    QCOMPARE(random.left(), 0);
    QCOMPARE(c.W, W);
    QCOMPARE(c.H, H);
    QCOMPARE(int(c.kind), K);
}

void TestCompositeRules::seededRowsKeepTheRules_data()
{
    QTest::addColumn<int>("level");
    for (int level = 10; level <= 12; ++level)
        QTest::addRow("L%d", level) << level;
}

// Whole lanes made as the frame makes them, over many seeds.
void TestCompositeRules::seededRowsKeepTheRules()
{
    QFETCH(int, level);
    const int schedule[] = {1, 1, 2, 2, 3, 3, 4, 4};
    int problems = 0, likePrevious = 0, exhausted = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        RandomSource random(seed);
        RowTable t;
        for (int N = 1; N <= RowTable::MaxProblems; ++N, ++problems) {
            const CompositeProblem c = chooseComposite(random, t, level, 2, N);
            const int K = level == 10 ? 3 : level == 11 ? 4 : N <= 8 ? schedule[N - 1] : int(c.kind);
            QCOMPARE(int(c.kind), K);
            QVERIFY(inRanges(c));
            const auto stored = storedPairs(t, 2, N);
            bool free = false;
            for (int W = 4; W <= 9; ++W)
                for (int H = 2; H <= 9; ++H)
                    free |= admissible(c.kind, W, H) && !stored.count({W, H});
            QVERIFY2(!free || !stored.count({c.W, c.H}), qPrintable(QStringLiteral("seed %1, N %2").arg(seed).arg(N)));
            exhausted += !free;
            const auto p = [&](int j) { return t.at(2, Col::block(N - 1, j)); };
            likePrevious += N > 1 && (c.U == p(3) || c.W * c.H == p(4) || c.W == p(1) || c.H == p(2));
            store(t, 2, N, compositeBlock(c));
        }
        if (level == 11)
            QCOMPARE(storedPairs(t, 2, 26).size(), size_t(25)); // every pair once before any repeat
    }
    QCOMPARE(exhausted > 0, level != 10); // long lanes do run out, and still go on
    // Only a call that spent its ten retries keeps a like candidate; without
    // the rule nearly one in two would be.
    QVERIFY2(likePrevious * 10 < problems, qPrintable(QString::number(likePrevious)));
}

void TestCompositeRules::exhaustedKinds_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<Blocks>("earlier");
    QTest::addColumn<int>("freeW"); // 0: no pair left
    QTest::addColumn<int>("freeH");
    auto pairs = [](int w1, int w2, int h1, int h2, Pair skip = {0, 0}) {
        Blocks blocks;
        for (int W = w1; W <= w2; ++W)
            for (int H = h1; H <= h2; ++H)
                if (Pair(W, H) != skip)
                    blocks.append({W, H, 1, W * H});
        return blocks;
    };
    QTest::newRow("L11, all 25 pairs used") << 11 << pairs(5, 9, 5, 9) << 0 << 0;
    QTest::newRow("L11, one pair left") << 11 << pairs(5, 9, 5, 9, {7, 6}) << 7 << 6;
    QTest::newRow("L10, pairs used by other levels") << 10 << pairs(4, 8, 2, 5) << 0 << 0;
    QTest::newRow("L10, one pair left") << 10 << pairs(4, 8, 2, 5, {4, 2}) << 4 << 2;
    QTest::newRow("L12, every pair used twice") << 12 << pairs(4, 9, 2, 9) + pairs(4, 9, 2, 9) << 0 << 0;
    QTest::newRow("odd values in the table") << 11 << Blocks(40, {-1, 1 << 30, -7, -2147483647}) << 0 << 0;
}

void TestCompositeRules::exhaustedKinds()
{
    QFETCH(int, level);
    QFETCH(Blocks, earlier);
    QFETCH(int, freeW);
    QFETCH(int, freeH);
    const RowTable t = tableOf(earlier, 1);
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        RandomSource random(seed);
        const CompositeProblem c = chooseComposite(random, t, level, 1, int(earlier.size()) + 1);
        QVERIFY(inRanges(c));
        if (freeW != 0)
            QCOMPARE(Pair(c.W, c.H), Pair(freeW, freeH));
    }
}

QUILMO_TEST(TestCompositeRules)
#include "composite_rules_test.moc"
