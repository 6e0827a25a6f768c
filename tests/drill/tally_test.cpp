// The tally read from the lanes' record before the finish clears it.
#include "drill/tally.h"
#include "support/testregistry.h"

#include <QTest>

class TestTally : public QObject {
    Q_OBJECT
private slots:
    void countsAndMissedAnswers();
};

namespace {
void problem(RowTable &t, int row, int k, std::array<int32_t, 4> block, Mark mark)
{
    for (int j = 0; j < 4; ++j)
        t.set(row, 10 * k + 1 + j, block[j]);
    t.set(row, 10 * k + 6, static_cast<int32_t>(mark));
}
} // namespace

void TestTally::countsAndMissedAnswers()
{
    RowTable t;
    // Lane 1 at level 8: ○, × (3 km by 5 km), △, × (2 cm by 7 cm), and one open.
    t.set(1, 0, 1);
    t.set(1, 1, 5);
    problem(t, 1, 1, {4, 4, 0, 16}, Mark::Right);
    problem(t, 1, 2, {5, 3, 2, 15}, Mark::Wrong);
    problem(t, 1, 3, {2, 6, 1, 12}, Mark::RightLater);
    problem(t, 1, 4, {7, 2, 0, 14}, Mark::Wrong);
    problem(t, 1, 5, {1, 1, 0, 1}, Mark::None);
    // Lane 2 never started, though something stands in its record.
    t.set(2, 1, 3);
    // Lane 3 started, nothing finished yet.
    t.set(3, 0, 1);
    t.set(3, 1, 1);

    const std::vector<LaneTally> lanes = TallyLanes(8, t);
    QCOMPARE(lanes.size(), size_t(2));
    QCOMPARE(lanes[0].lane, 1);
    QCOMPARE(lanes[0].done, 4);
    QCOMPARE(lanes[0].right, 1);
    QCOMPARE(lanes[0].later, 1);
    QCOMPARE(lanes[0].wrong, 2);
    QCOMPARE(lanes[0].missed.size(), size_t(2));
    QCOMPARE(lanes[0].missed[0].number, 15);
    QCOMPARE(lanes[0].missed[0].unit, AreaUnit::SquareKilometre);
    QCOMPARE(lanes[0].missed[1].number, 14);
    QCOMPARE(lanes[0].missed[1].unit, AreaUnit::SquareCentimetre);
    QCOMPARE(lanes[1].lane, 3);
    QCOMPARE(lanes[1].done, 0);
    QVERIFY(lanes[1].missed.empty());

    // Level 5 counts in ｈａ: 1 + 2 squares.
    RowTable squares;
    squares.set(2, 0, 1);
    squares.set(2, 1, 1);
    problem(squares, 2, 1, {1, 2, 0, 0}, Mark::Wrong);
    const std::vector<LaneTally> five = TallyLanes(5, squares);
    QCOMPARE(five.size(), size_t(1));
    QCOMPARE(five[0].missed[0].number, 3);
    QCOMPARE(five[0].missed[0].unit, AreaUnit::Hectare);
    QVERIFY(TallyLanes(5, RowTable()).empty());
}

QUILMO_TEST(TestTally)
#include "tally_test.moc"
