// One try at the check button, decided from the lane's record and the boxes'
// texts: what is counted, what is marked, when the lane moves on and which
// answer is shown after the last miss.
#include "drill/check.h"
#include "support/testregistry.h"

#include <QTest>

using Block = std::array<int32_t, 4>;
Q_DECLARE_METATYPE(Block)
Q_DECLARE_METATYPE(TryOutcome::Verdict)

class TestCheck : public QObject {
    Q_OBJECT
private slots:
    void tryOutcome_data();
    void tryOutcome();
    void recording();
    void hintOnlyWhileOpen();
};

namespace {
// Lane 2 at its problem 4, with the given block and the tries made so far.
RowTable laneAt(const Block &block, int triesMade, int resultMark = 0, int active = 1)
{
    RowTable t;
    t.set(2, 0, active);
    t.set(2, 1, 4);
    for (int j = 0; j < 4; ++j)
        t.set(2, 41 + j, block[j]);
    t.set(2, 46, resultMark);
    t.set(2, 50, triesMade);
    return t;
}
} // namespace

void TestCheck::tryOutcome_data()
{
    using V = TryOutcome::Verdict;
    QTest::addColumn<int>("level");
    QTest::addColumn<Block>("block");
    QTest::addColumn<int>("triesMade");
    QTest::addColumn<int>("resultMark");
    QTest::addColumn<int>("active");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<V>("verdict");
    QTest::addColumn<int>("tries");
    QTest::addColumn<int>("mark");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<QString>("shown"); // number and unit, "" for none
    QTest::addColumn<QString>("markText"); // "" where nothing is judged

    const QString cm2 = QStringLiteral("ｃ㎡"), a = QStringLiteral("ａ"), km2 = QStringLiteral("ｋ㎡");
    QTest::newRow("empty box, unit kept") << 2 << Block{1, 2, 0, 0} << 0 << 0 << 1 << "" << cm2 << V::EmptyNumber << 0 << 0 << false << "" << "";
    QTest::newRow("empty box on a stopped lane") << 2 << Block{1, 2, 0, 0} << 0 << 0 << 0 << "" << cm2 << V::EmptyNumber << 0 << 0 << false << "" << "";
    QTest::newRow("lane not started") << 2 << Block{1, 2, 0, 0} << 0 << 0 << 0 << "3" << cm2 << V::NotOpen << 0 << 0 << false << "" << "";
    QTest::newRow("problem already marked") << 2 << Block{1, 2, 0, 0} << 1 << 1 << 1 << "3" << cm2 << V::NotOpen << 0 << 0 << false << "" << "";
    QTest::newRow("three tries used") << 2 << Block{1, 2, 0, 0} << 3 << 0 << 1 << "3" << cm2 << V::NotOpen << 0 << 0 << false << "" << "";
    QTest::newRow("right at once") << 2 << Block{1, 2, 0, 0} << 0 << 0 << 1 << "3" << cm2 << V::Right << 1 << 1 << true << "" << "○";
    QTest::newRow("right at the second") << 2 << Block{1, 2, 0, 0} << 1 << 0 << 1 << "3" << cm2 << V::Right << 2 << 2 << true << "" << "○";
    QTest::newRow("right at the third") << 4 << Block{2, 3, 4, 1} << 2 << 0 << 1 << "1000" << QStringLiteral("㎡") << V::Right << 3 << 2 << true << "" << "○";
    QTest::newRow("first miss stays open") << 2 << Block{1, 2, 0, 0} << 0 << 0 << 1 << "4" << cm2 << V::Wrong << 1 << 0 << false << "" << "×";
    QTest::newRow("second miss stays open") << 2 << Block{1, 2, 0, 0} << 1 << 0 << 1 << "3" << a << V::Wrong << 2 << 0 << false << "" << "×";
    QTest::newRow("third miss, squares' sum shown") << 5 << Block{1, 2, 0, 0} << 2 << 0 << 1 << "3" << a << V::Wrong << 3 << 3 << true << "3ｈａ" << "×";
    QTest::newRow("third miss, level 8 in km2") << 8 << Block{3, 2, 2, 6} << 2 << 0 << 1 << "6" << a << V::Wrong << 3 << 3 << true << "6ｋ㎡" << "×";
    QTest::newRow("third miss, level 11 in a") << 11 << Block{3, 2, 2, 48} << 2 << 0 << 1 << "48" << km2 << V::Wrong << 3 << 3 << true << "48ａ" << "×";
    QTest::newRow("third miss, bad unit code") << 12 << Block{3, 2, 9, 6} << 2 << 0 << 1 << "6" << cm2 << V::Wrong << 3 << 3 << true << "" << "×";
    QTest::newRow("leading number read") << 7 << Block{5, 2, 0, 12} << 0 << 0 << 1 << "12ｃ" << cm2 << V::Right << 1 << 1 << true << "" << "○";
}

void TestCheck::tryOutcome()
{
    QFETCH(int, level);
    QFETCH(Block, block);
    QFETCH(int, triesMade);
    QFETCH(int, resultMark);
    QFETCH(int, active);
    QFETCH(QString, number);
    QFETCH(QString, unit);

    const RowTable before = laneAt(block, triesMade, resultMark, active);
    const TryOutcome o = JudgeTry(level, before, 2, number, unit);
    QTEST(o.verdict, "verdict");
    QTEST(o.tries, "tries");
    QTEST(static_cast<int>(o.mark), "mark");
    QTEST(o.finished, "finished");
    QFETCH(QString, shown);
    QCOMPARE(o.shown ? QString::number(o.shown->number) + unitText(o.shown->unit) : QString(), shown);
    if (o.judged()) {
        QCOMPARE(o.problem, 4);
        QTEST(o.markText(), "markText");
    }
}

// Only the judged problem's two columns change, each at its own step.
void TestCheck::recording()
{
    const Block block{1, 2, 0, 0};
    RowTable t = laneAt(block, 2);
    const TryOutcome miss = JudgeTry(2, t, 2, QStringLiteral("9"), QStringLiteral("ｃ㎡"));
    RecordTry(t, 2, miss);
    QCOMPARE(t.at(2, 50), 3);
    QCOMPARE(t.at(2, 46), 0);
    RecordMark(t, 2, miss);
    QCOMPARE(t.at(2, 46), 3);
    for (int col = 0; col < RowTable::Columns; ++col)
        if (col != 46 && col != 50)
            QCOMPARE(t.at(2, col), laneAt(block, 2).at(2, col));

    // A try that stays open writes no mark; nothing is written for a try
    // that was not judged.
    RowTable open = laneAt(block, 0);
    const TryOutcome first = JudgeTry(2, open, 2, QStringLiteral("9"), QStringLiteral("ｃ㎡"));
    RecordTry(open, 2, first);
    RecordMark(open, 2, first);
    QCOMPARE(open.at(2, 50), 1);
    QCOMPARE(open.at(2, 46), 0);
    RowTable stopped = laneAt(block, 0, 0, 0);
    const TryOutcome none = JudgeTry(2, stopped, 2, QStringLiteral("3"), QStringLiteral("ｃ㎡"));
    RecordTry(stopped, 2, none);
    RecordMark(stopped, 2, none);
    QCOMPARE(stopped.at(2, 50), 0);
    QCOMPARE(stopped.at(2, 46), 0);
}

// A miss that leaves the problem open names its mistake; the last miss
// shows the answer instead, and a right answer names nothing.
void TestCheck::hintOnlyWhileOpen()
{
    const Block block{5, 3, 0, 15}; // たて3cm, 横5cm
    const QString cm2 = QStringLiteral("ｃ㎡");
    const TryOutcome first = JudgeTry(8, laneAt(block, 0), 2, QStringLiteral("16"), cm2);
    QCOMPARE(first.hint, std::optional<Mistake>(Mistake::Perimeter));
    const TryOutcome second = JudgeTry(8, laneAt(block, 1), 2, QStringLiteral("14"), cm2);
    QCOMPARE(second.hint, std::optional<Mistake>(Mistake::Other));
    const TryOutcome last = JudgeTry(8, laneAt(block, 2), 2, QStringLiteral("16"), cm2);
    QVERIFY(!last.hint);
    QVERIFY(last.shown);
    const TryOutcome right = JudgeTry(8, laneAt(block, 1), 2, QStringLiteral("15"), cm2);
    QVERIFY(!right.hint);
}

QUILMO_TEST(TestCheck)
#include "check_test.moc"
