// The sound that goes with a mark: asked of the platform once per judged
// answer, while the mark is on the panel, and never the bell.
#include "support/formdriver.h"
#include "core/lanes.h"
#include "support/testregistry.h"

#include <QTest>

class TestMarkSound : public QObject {
    Q_OBJECT
private slots:
    void oneSoundPerMark_data();
    void oneSoundPerMark();
    void soundsReadiedWhenLaneStarts_data();
    void soundsReadiedWhenLaneStarts();
};

namespace {
enum class Answered { Right, WrongNumber, WrongUnit, Empty };

// "R" and "W", one letter per sound asked for.
QString letters(const QList<MarkSound> &sounds)
{
    QString s;
    for (MarkSound m : sounds)
        s += m == MarkSound::Right ? u'R' : u'W';
    return s;
}
} // namespace

void TestMarkSound::oneSoundPerMark_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("answered");
    QTest::addColumn<QString>("sounds");
    QTest::newRow("L01 right") << 1 << 1 << int(Answered::Right) << "R";
    QTest::newRow("L04 right, lane 2") << 4 << 2 << int(Answered::Right) << "R";
    QTest::newRow("L08 right, lane 3") << 8 << 3 << int(Answered::Right) << "R";
    QTest::newRow("L01 wrong number") << 1 << 1 << int(Answered::WrongNumber) << "W";
    QTest::newRow("L07 wrong number, lane 2") << 7 << 2 << int(Answered::WrongNumber) << "W";
    QTest::newRow("L12 wrong unit, lane 3") << 12 << 3 << int(Answered::WrongUnit) << "W";
    QTest::newRow("empty number box") << 2 << 1 << int(Answered::Empty) << "";
}

void TestMarkSound::oneSoundPerMark()
{
    QFETCH(int, level);
    QFETCH(int, row);
    QFETCH(int, answered);
    QFETCH(QString, sounds);
    FormDriver d;
    d.start(level);
    d.startRow(row);
    const Answer right = rightAnswer(level, d.block(row, 1));
    switch (Answered(answered)) {
    case Answered::Right:
        d.type(row, right.number, right.unit);
        break;
    case Answered::WrongNumber:
        d.type(row, QString::number(right.number.toLongLong() + 1), right.unit);
        break;
    case Answered::WrongUnit:
        d.type(row, right.number, right.unit == QStringLiteral("ｃ㎡") ? QStringLiteral("㎡") : QStringLiteral("ｃ㎡"));
        break;
    case Answered::Empty:
        d.type(row, QString(), right.unit);
        break;
    }
    // What was asked by the time the pause begins, and whether the mark is
    // on the panel then.
    QString atPause;
    int redAtPause = -1;
    const int y0 = LaneBand::offset(row);
    d.platform.onPauseStep = [&] {
        if (redAtPause >= 0)
            return;
        atPause = letters(d.platform.markSounds);
        redAtPause = countColour(d.image(), QRect(40, y0 + 180, 41, 36), rgb(255, 0, 0));
    };
    d.check(row);
    QCOMPARE(letters(d.platform.markSounds), sounds);
    QCOMPARE(d.platform.beeps, 0);
    if (!sounds.isEmpty()) {
        QCOMPARE(atPause, sounds);
        QVERIFY2(redAtPause > 20, qPrintable(QString::number(redAtPause)));
        QCOMPARE(d.cell(row, Col::TryCount(1)), 1);
    }
}

void TestMarkSound::soundsReadiedWhenLaneStarts_data()
{
    QTest::addColumn<QList<int>>("clicks"); // panel y of each click, after deciding level 1
    QTest::addColumn<int>("readied");
    const int lane2 = LaneBand::offset(2) + 175, lane3 = LaneBand::offset(3) + 175;
    QTest::newRow("no lane yet") << QList<int>{} << 0;
    QTest::newRow("lane 2") << QList<int>{lane2} << 1;
    QTest::newRow("lanes 2 and 3") << QList<int>{lane2, lane3} << 2;
    QTest::newRow("between lanes: the bell") << QList<int>{285} << 0; // the strip between lanes 1 and 2
}

void TestMarkSound::soundsReadiedWhenLaneStarts()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, readied);
    FormDriver d;
    d.start(1);
    for (int y : clicks)
        d.clickPanel(400, y);
    QCOMPARE(d.platform.soundsReadied, readied);
    QVERIFY(d.platform.markSounds.isEmpty());
}

QUILMO_TEST(TestMarkSound)
#include "marksound_test.moc"
