// After the third miss the lane shows the right answer where the pupil
// would have typed it, then moves on as before.
#include "support/formdriver.h"
#include "support/testregistry.h"

#include <QLineEdit>
#include <QTest>

class TestTeaching : public QObject {
    Q_OBJECT
private slots:
    void rightAnswerAfterThirdMiss_data();
    void rightAnswerAfterThirdMiss();
};

namespace {
struct BoxLook {
    QString number, unit;
    QRgb numberInk = 0, unitInk = 0;
    QRgb numberFace = 0, unitFace = 0;
    bool readOnly = false;
};

BoxLook look(const FormDriver &d, int row)
{
    const QLineEdit *n = d.form->Text1[row - 1], *u = d.form->Text2[row - 1];
    return {n->text(),
            u->text(),
            n->palette().color(QPalette::Text).rgb(),
            u->palette().color(QPalette::Text).rgb(),
            n->palette().color(QPalette::Base).rgb(),
            u->palette().color(QPalette::Base).rgb(),
            n->isReadOnly() && u->isReadOnly()};
}
} // namespace

void TestTeaching::rightAnswerAfterThirdMiss_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("unit squares, cm2") << 1;
    QTest::newRow("unit squares, a") << 4;
    QTest::newRow("triangles") << 7;
    QTest::newRow("rectangles") << 8;
    QTest::newRow("cm and mm") << 9;
    QTest::newRow("composite") << 11;
    QTest::newRow("review mix") << 12;
}

void TestTeaching::rightAnswerAfterThirdMiss()
{
    QFETCH(int, level);
    FormDriver d;
    d.start(level);
    d.startRow(2);
    const int k = d.problem(2);
    Answer right = rightAnswer(level, d.block(2, k));
    if (level == 1) // at level 1 the answer is what the figure shows
        right.number = QString::number(d.yellowCells(2));
    const QString wrong = right.number + QStringLiteral("1");

    BoxLook during;
    d.platform.onPauseStep = [&] { during = look(d, 2); };
    for (int t = 1; t <= 3; ++t) {
        d.type(2, wrong, right.unit);
        const qint64 start = d.platform.elapsedMs;
        d.check(2);
        const qint64 paused = d.platform.elapsedMs - start;
        if (t < 3) {
            // The first two misses keep the pupil's own answer during the pause.
            QCOMPARE(during.number, wrong);
            QVERIFY(!during.readOnly);
            QVERIFY(paused < 2500);
            QCOMPARE(d.problem(2), k);
            continue;
        }
        QCOMPARE(during.number, right.number);
        QCOMPARE(during.unit, right.unit);
        QCOMPARE(during.numberInk, rgb(255, 0, 0));
        QCOMPARE(during.unitInk, rgb(255, 0, 0));
        QCOMPARE(during.numberFace, rgb(255, 200, 200));
        QCOMPARE(during.unitFace, rgb(200, 200, 255));
        QVERIFY(during.readOnly);
        QVERIFY2(paused >= 2500 && paused <= 3000, qPrintable(QString::number(paused)));
    }
    // Then the next problem, with empty boxes that take typing again.
    QCOMPARE(d.problem(2), k + 1);
    QCOMPARE(d.cell(2, Col::ResultMark(k)), static_cast<int32_t>(Mark::Wrong));
    const BoxLook after = look(d, 2);
    QVERIFY(after.number.isEmpty() && after.unit.isEmpty());
    QCOMPARE(after.numberInk, rgb(0, 0, 0));
    QVERIFY(!after.readOnly);
    // The other lanes never started.
    QCOMPARE(d.problem(1), 0);
    QCOMPARE(d.problem(3), 0);
}

QUILMO_TEST(TestTeaching)
#include "teaching_test.moc"
