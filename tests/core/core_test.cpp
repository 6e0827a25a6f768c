#include "core/module1.h"

#include "support/testregistry.h"

#include <QTest>

#include <limits>
#include <set>

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void fractionNeverReachesOne();
    void betweenStaysInRangeAndCoversIt_data();
    void betweenStaysInRangeAndCoversIt();
    void sameSeedSameSequence();
    void tableStartsEmptyAndKeepsWritesInside();
    void clearTouchesOnlyItsColumns();
};

void TestCore::fractionNeverReachesOne()
{
    QVERIFY(RandomSource::fraction(std::numeric_limits<uint64_t>::max()) < 1.0);
    QCOMPARE(RandomSource::fraction(0), 0.0);
    // The largest fraction times a range size must still truncate below it.
    const double top = RandomSource::fraction(std::numeric_limits<uint64_t>::max());
    QVERIFY(static_cast<int>(top * 9 + 4) == 12);
}

void TestCore::betweenStaysInRangeAndCoversIt_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::newRow("1..4") << 1 << 4;
    QTest::newRow("0..4") << 0 << 4;
    QTest::newRow("4..9") << 4 << 9;
    QTest::newRow("0..8") << 0 << 8;
    QTest::newRow("single") << 7 << 7;
}

void TestCore::betweenStaysInRangeAndCoversIt()
{
    QFETCH(int, a);
    QFETCH(int, b);
    RandomSource random(1234);
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const int v = random.between(a, b);
        QVERIFY2(v >= a && v <= b, qPrintable(QString::number(v)));
        seen.insert(v);
    }
    QCOMPARE(static_cast<int>(seen.size()), b - a + 1);
}

void TestCore::sameSeedSameSequence()
{
    RandomSource one(3456), two(3456), other(3457);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const double x = one.next();
        QCOMPARE(two.next(), x);
        differs |= other.next() != x;
    }
    QVERIFY(differs);
}

void TestCore::tableStartsEmptyAndKeepsWritesInside()
{
    RowTable t;
    for (int r = 0; r < RowTable::Rows; ++r)
        for (int c = 0; c < RowTable::Columns; ++c)
            QCOMPARE(t.at(r, c), 0);
    t.set(3, 1000, 7);
    QCOMPARE(t.at(3, 1000), 7);
    t.set(3, 1001, 9);
    t.set(4, 0, 9);
    t.set(-1, 5, 9);
    QCOMPARE(t.rejectedWrites(), 3);
    QCOMPARE(t.at(3, 1001), 0);
    QCOMPARE(t.at(4, 0), 0);
    // The last problem's try counter is the last column.
    QCOMPARE(Col::TryCount(RowTable::MaxProblems), RowTable::Columns - 1);
}

void TestCore::clearTouchesOnlyItsColumns()
{
    RowTable t;
    for (int c = 0; c <= 1000; ++c) {
        t.set(1, c, c + 1);
        t.set(2, c, -1);
    }
    t.clear(1, 1, 200);
    QCOMPARE(t.at(1, 0), 1);
    QCOMPARE(t.at(1, 1), 0);
    QCOMPARE(t.at(1, 200), 0);
    QCOMPARE(t.at(1, 201), 202);
    QCOMPARE(t.at(2, 100), -1);
}

QUILMO_TEST(TestCore)
#include "core_test.moc"
