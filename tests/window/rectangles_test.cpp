#include "support/formdriver.h"
#include "core/lanes.h"
#include "drill/judge.h"
#include "drill/mixedunits.h"
#include "support/scriptedrandom.h"
#include "support/testregistry.h"

#include <QLineEdit>
#include <QTest>

class TestRectangles : public QObject {
    Q_OBJECT
private slots:
    void levelEightTexts_data();
    void levelEightTexts();
    void levelNineTexts_data();
    void levelNineTexts();
    void levelNineNeverShowsASquare();
    void boxIsDrawnAtFifteenPixelsAUnit_data();
    void boxIsDrawnAtFifteenPixelsAUnit();
    void checkTakesOnlyTheAskedUnit_data();
    void checkTakesOnlyTheAskedUnit();
};

void TestRectangles::levelEightTexts_data()
{
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("u");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("rectangle cm") << 5 << 3 << 0 << "たて3cm,横5cm" << "長方形";
    QTest::newRow("rectangle m") << 7 << 2 << 1 << "たて2m,横7m" << "長方形";
    QTest::newRow("rectangle km") << 1 << 8 << 2 << "たて8km,横1km" << "長方形";
    QTest::newRow("square cm") << 1 << 1 << 0 << "一辺が1cmの" << "正方形";
    QTest::newRow("square m") << 6 << 6 << 1 << "一辺が6mの" << "正方形";
    QTest::newRow("square km") << 4 << 4 << 2 << "一辺が4kmの" << "正方形";
}

void TestRectangles::levelEightTexts()
{
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, u);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const SidedRectangle r{W, H, u};
    QCOMPARE(rectangleFirstLine(r), first);
    QCOMPARE(rectangleSecondLine(r), second);
}

void TestRectangles::levelNineTexts_data()
{
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("u");
    QTest::addColumn<QString>("line");
    QTest::newRow("across in mm") << 6 << 2 << 0 << "たて2cm, 横60mm";
    QTest::newRow("down in mm") << 6 << 2 << 1 << "たて20mm,横6cm";
    QTest::newRow("largest") << 8 << 7 << 1 << "たて70mm,横8cm";
}

void TestRectangles::levelNineTexts()
{
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, u);
    QFETCH(QString, line);
    QCOMPARE(mixedUnitsLine({W, H, u}), line);
}

void TestRectangles::levelNineNeverShowsASquare()
{
    // A square is drawn again whole: the unit side is drawn anew too.
    ScriptedRandom r({ScriptedRandom::pick(3, 1, 8), ScriptedRandom::pick(3, 1, 8), ScriptedRandom::pick(0, 0, 1),
                      ScriptedRandom::pick(3, 1, 8), ScriptedRandom::pick(5, 1, 8), ScriptedRandom::pick(1, 0, 1)});
    const SidedRectangle got = chooseMixedUnits(r);
    QCOMPARE(got.W, 3);
    QCOMPARE(got.H, 5);
    QCOMPARE(got.u, 1);
    RandomSource random(99);
    for (int i = 0; i < 2000; ++i) {
        const SidedRectangle m = chooseMixedUnits(random);
        QVERIFY(m.W != m.H && m.W >= 1 && m.W <= 8 && m.H >= 1 && m.H <= 8 && (m.u == 0 || m.u == 1));
    }
}

void TestRectangles::boxIsDrawnAtFifteenPixelsAUnit_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("L08") << 8;
    QTest::newRow("L09") << 9;
}

void TestRectangles::boxIsDrawnAtFifteenPixelsAUnit()
{
    QFETCH(int, level);
    FormDriver d;
    d.start(level);
    d.startRow(2);
    const int y0 = LaneBand::offset(2);
    for (int n = 0; n < 30; ++n) {
        const QImage &img = d.image();
        // Measure the yellow box from its top-left inner pixel.
        QCOMPARE(img.pixel(300, y0 + 110), rgb(0, 0, 0));
        int w = 0, h = 0;
        while (img.pixel(301 + w, y0 + 111) == rgb(255, 255, 0))
            ++w;
        while (img.pixel(301, y0 + 111 + h) == rgb(255, 255, 0))
            ++h;
        const int W = (w + 1) / 15, H = (h + 1) / 15;
        QCOMPARE(w, 15 * W - 1);
        QCOMPARE(h, 15 * H - 1);
        QCOMPARE(countColour(img, QRect(20, y0 + 70, 750, 210), rgb(255, 255, 0)), w * h);
        QCOMPARE(img.pixel(300 + 15 * W, y0 + 110 + 15 * H), rgb(0, 0, 0));
        const auto b = d.block(2, d.problem(2));
        QCOMPARE(b[0], W);
        QCOMPARE(b[1], H);
        QCOMPARE(b[3], W * H);
        QVERIFY(b[2] >= 0 && b[2] <= (level == 8 ? 2 : 1));
        if (level == 9)
            QVERIFY(W != H);
        d.newProblem(2);
    }
}

void TestRectangles::checkTakesOnlyTheAskedUnit_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("u");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("right");
    QTest::newRow("L08 cm") << 8 << 0 << "ｃ㎡" << true;
    QTest::newRow("L08 m") << 8 << 1 << "㎡" << true;
    QTest::newRow("L08 km") << 8 << 2 << "ｋ㎡" << true;
    QTest::newRow("L08 km as a") << 8 << 2 << "ａ" << false;
    QTest::newRow("L08 m as cm") << 8 << 1 << "ｃ㎡" << false;
    QTest::newRow("L09 either way cm") << 9 << 1 << "ｃ㎡" << true;
    QTest::newRow("L09 never m") << 9 << 1 << "㎡" << false;
}

void TestRectangles::checkTakesOnlyTheAskedUnit()
{
    QFETCH(int, level);
    QFETCH(int, u);
    QFETCH(QString, unit);
    QFETCH(bool, right);
    FormDriver d;
    d.start(level);
    d.startRow(1);
    // Keep drawing until the lane asks in the wanted unit.
    for (int n = 0; n < 60 && d.block(1, d.problem(1))[2] != u; ++n)
        d.newProblem(1);
    const auto b = d.block(1, d.problem(1));
    QCOMPARE(b[2], u);
    const int k = d.problem(1);
    d.type(1, QString::number(b[0] * b[1]), unit);
    d.check(1);
    QCOMPARE(d.cell(1, Col::ResultMark(k)), right ? 1 : 0);
    QCOMPARE(d.cell(1, Col::TryCount(k)), 1);
}

QUILMO_TEST(TestRectangles)
#include "rectangles_test.moc"
