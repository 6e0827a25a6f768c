// The pause after a mark and the wait while the right answer shows, timed
// by the scripted clock.
#include "support/formdriver.h"
#include "support/testregistry.h"

#include <QTest>

class TestPause : public QObject {
    Q_OBJECT
private slots:
    void pauseLastsOneToTwoSeconds_data();
    void pauseLastsOneToTwoSeconds();
    void waitsEndWhenTheClockStandsStill_data();
    void waitsEndWhenTheClockStandsStill();
};

void TestPause::pauseLastsOneToTwoSeconds_data()
{
    QTest::addColumn<int>("startMs"); // where in its second the clock stands
    QTest::addColumn<int>("steps");   // of 250 ms
    QTest::newRow("on the second") << 0 << 8;
    QTest::newRow("late in the second") << 750 << 5;
}

void TestPause::pauseLastsOneToTwoSeconds()
{
    QFETCH(int, startMs);
    QFETCH(int, steps);
    FormDriver d;
    d.start(1);
    d.startRow(1);
    d.platform.now = QTime(10, 20, 30).addMSecs(startMs);
    d.type(1, QStringLiteral("1"), QString());
    d.check(1);
    QCOMPARE(d.platform.pauseSteps, steps);
    QCOMPARE(d.platform.now.second(), 32);
}

void TestPause::waitsEndWhenTheClockStandsStill_data()
{
    QTest::addColumn<int>("misses"); // before the answer looked at
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("waits"); // the mark's pause, and the right answer shown
    QTest::newRow("right: the mark's pause") << 0 << true << 1;
    QTest::newRow("first miss: the mark's pause") << 0 << false << 1;
    QTest::newRow("third miss: the pause and the answer shown") << 2 << false << 2;
}

void TestPause::waitsEndWhenTheClockStandsStill()
{
    QFETCH(int, misses);
    QFETCH(bool, right);
    QFETCH(int, waits);
    const int level = 8;
    FormDriver d;
    d.start(level);
    d.startRow(1);
    const Answer a = rightAnswer(level, d.block(1, 1));
    for (int t = 0; t < misses; ++t) {
        d.type(1, a.number + QStringLiteral("1"), a.unit);
        d.check(1);
    }
    d.platform.stepMs = 0; // neither clock moves on
    // Should a wait not give up, the clock moves again after a long while,
    // so that this test ends, and fails.
    d.platform.onPauseStep = [&] {
        if (d.platform.pauseSteps >= 5000)
            d.platform.stepMs = 250;
    };
    const int before = d.platform.pauseSteps;
    d.type(1, right ? a.number : a.number + QStringLiteral("1"), a.unit);
    d.check(1);
    const int steps = d.platform.pauseSteps - before;
    // Each wait gives up after at most six seconds of 15 ms steps.
    QVERIFY2(steps > 0 && steps <= waits * 400, qPrintable(QString::number(steps)));
    QCOMPARE(d.problem(1), right || misses == 2 ? 2 : 1);
    QCOMPARE(d.cell(1, Col::TryCount(1)), misses + 1);
}

QUILMO_TEST(TestPause)
#include "pause_test.moc"
