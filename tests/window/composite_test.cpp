// Levels 10 to 12 as drawn and worded: figures read back from the panel,
// the text problems and the level-12 kind schedule.
#include "drill/compositecheck.h"
#include "support/formdriver.h"
#include "support/testregistry.h"

#include <QTest>

using namespace compositecheck;

class TestComposite : public QObject {
    Q_OBJECT
private slots:
    void figures_data();
    void figures();
    void textLines_data();
    void textLines();
    void textAgreesWithStoredAnswer();
    void levelTwelveSchedule_data();
    void levelTwelveSchedule();
    void longRowsFinishAndCheck_data();
    void longRowsFinishAndCheck();
    void fontBackTo24_data();
    void fontBackTo24();
};

void TestComposite::figures_data()
{
    QTest::addColumn<int>("K");
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("W2");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("H2");
    QTest::addColumn<int>("y0");
    QTest::newRow("equal height, worked example") << 3 << 5 << 4 << 3 << 4 << 0;
    QTest::newRow("equal height, widest, lane 2") << 3 << 8 << 8 << 5 << 4 << 220;
    QTest::newRow("equal height, smallest, lane 3") << 3 << 4 << 4 << 2 << 4 << 440;
    QTest::newRow("stepped, worked example") << 4 << 6 << 5 << 7 << 4 << 0;
    QTest::newRow("stepped, smallest, lane 2") << 4 << 5 << 4 << 5 << 4 << 220;
    QTest::newRow("stepped, largest, lane 3") << 4 << 9 << 8 << 9 << 8 << 440;
}

// Draws the figure, checks what the pupil sees, then measures it and
// compares the stored block with the measures.
void TestComposite::figures()
{
    QFETCH(int, K);
    QFETCH(int, W);
    QFETCH(int, W2);
    QFETCH(int, H);
    QFETCH(int, H2);
    QFETCH(int, y0);
    Canvas panel(QSize(800, 700), Rgb::white());
    const CompositeProblem c = problem(static_cast<ProblemKind>(K), W, H, 0, W2, H2);
    drawComposite(panel, y0, c);
    const QImage &img = panel.image();
    const auto block = compositeBlock(c);
    const int top = y0 + 135;
    QVERIFY(textShown(img, 440, y0 + 130, 18, "全体の面積を求めましょう。"));
    QCOMPARE(panel.fontSizePt(), 24.0);
    if (K == 3) {
        const int s = 20, split = 100 + s * W, right = split + s * W2;
        QCOMPARE(countColour(img, img.rect(), Yellow), (s * W - 1) * (s * H - 1));
        QCOMPARE(countColour(img, QRect(101, top + 1, s * W - 1, s * H - 1), Yellow), (s * W - 1) * (s * H - 1));
        QCOMPARE(countColour(img, QRect(split + 1, top + 1, s * W2 - 1, s * H - 1), Blue), (s * W2 - 1) * (s * H - 1));
        QCOMPARE(countColour(img, img.rect(), Blue), (s * W2 - 1) * (s * H - 1));
        for (int x : {100, split, right}) // the shared edge stays black
            QCOMPARE(run(img, x, top, 0, 1, Black), s * H + 1);
        QCOMPARE(run(img, 100, top + s * H, 1, 0, Black), right - 99);
        QVERIFY(textShown(img, 100, y0 + 110, 18, digits(W) + "cm"));
        QVERIFY(textShown(img, split + 10, y0 + 110, 18, digits(W2) + "cm"));
        QVERIFY(textShown(img, 40, y0 + 150, 18, digits(H) + "cm"));

        const int yellowW = run(img, 101, top + 1, 1, 0, Yellow) + 1;
        const int blueW = run(img, 101 + yellowW, top + 1, 1, 0, Blue) + 1;
        const int height = run(img, 101, top + 1, 0, 1, Yellow) + 1;
        QCOMPARE(block[0], (yellowW + blueW) / s);
        QCOMPARE(block[1], height / s);
        QCOMPARE(block[3], (yellowW + blueW) * height / (s * s));
        QCOMPARE(compositeParts(c), (FigureParts{yellowW / s, blueW / s}));
        QCOMPARE(expectedUnit(10, block[2]), std::optional<AreaUnit>(AreaUnit::SquareCentimetre));
        return;
    }
    const int s = 10, split = 100 + s * W, right = split + s * W2;
    // Yellow over the shared edge from just below the top to just above
    // the step; both corners and the edge below the step stay black.
    QCOMPARE(img.pixel(split, top) & 0xffffff, Black & 0xffffff);
    QCOMPARE(run(img, split, top + 1, 0, 1, Yellow), s * H2 - 1);
    QCOMPARE(run(img, split, top + s * H2, 0, 1, Black), s * (H - H2) + 1);
    QCOMPARE(run(img, 100, top, 1, 0, Black), right - 99);
    QCOMPARE(countColour(img, img.rect(), Blue), 0);
    QVERIFY(textShown(img, 140, y0 + 110, 18, digits(W + W2) + "m"));
    QVERIFY(textShown(img, 120, y0 + 110 + s * H, 18, digits(W) + "m"));
    QVERIFY(textShown(img, split + 10, y0 + 110 + s * H2, 18, digits(W2) + "m"));
    QVERIFY(textShown(img, 60, y0 + 155, 18, digits(H) + "m"));
    QVERIFY(textShown(img, 110 + s * (W + W2), y0 + 150, 18, digits(H2) + "m"));
    QVERIFY(textShown(img, split + 2, top + s * H2, 18, digits(H - H2) + "m"));

    const int totalW = run(img, 101, top + 1, 1, 0, Yellow) + 1;
    const int leftH = run(img, 101, top + 1, 0, 1, Yellow) + 1;
    const int rightH = run(img, 99 + totalW, top + 1, 0, 1, Yellow) + 1;
    const int rightW = run(img, 100 + totalW, top + rightH, -1, 0, Black) - 1; // the step's edge
    QCOMPARE(block[0], (totalW - rightW) / s);
    QCOMPARE(block[1], leftH / s);
    QCOMPARE(block[3], ((totalW - rightW) * leftH + rightW * rightH) / (s * s));
    QCOMPARE(compositeParts(c), (FigureParts{rightW / s, rightH / s}));
    QCOMPARE(expectedUnit(11, block[2]), std::optional<AreaUnit>(AreaUnit::SquareMetre));
}

void TestComposite::textLines_data()
{
    QTest::addColumn<int>("K");
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("U");
    QTest::addColumn<QString>("line");
    QTest::newRow("1 rect cm, long side first") << 1 << 9 << 2 << 0 << "たて9cm, 横2cmの長方形の面積を求めましょう。";
    QTest::newRow("1 rect m") << 1 << 4 << 8 << 1 << "たて4m, 横8mの長方形の面積を求めましょう。";
    QTest::newRow("1 rect a") << 1 << 6 << 3 << 2 << "たて60m, 横30mの長方形の面積は、何ａですか。";
    QTest::newRow("1 rect ha") << 1 << 5 << 9 << 3 << "たて500m, 横900mの長方形の面積は、何ｈａですか。";
    QTest::newRow("1 rect km2") << 1 << 7 << 2 << 4 << "たて7km, 横2kmの長方形の面積は、何ｋ㎡ですか。";
    QTest::newRow("1 square cm") << 1 << 4 << 4 << 0 << "１辺の長さが4cmの正方形の面積を求めましょう。";
    QTest::newRow("1 square m") << 1 << 8 << 8 << 1 << "１辺の長さが8mの正方形の面積を求めましょう。";
    QTest::newRow("1 square a") << 1 << 5 << 5 << 2 << "１辺の長さが50mの正方形の面積は、何ａですか。";
    QTest::newRow("1 square ha") << 1 << 9 << 9 << 3 << "１辺の長さが900mの正方形の面積は、何ｈａですか。";
    QTest::newRow("1 square km2") << 1 << 6 << 6 << 4 << "１辺の長さが6kmの正方形の面積は、何ｋ㎡ですか。";
    QTest::newRow("2 rect m2, U 0") << 2 << 4 << 9 << 0 << "たて400cm, 横9mの長方形の面積は、何㎡ですか。";
    QTest::newRow("2 rect m2, U 1") << 2 << 9 << 3 << 1 << "たて900cm, 横3mの長方形の面積は、何㎡ですか。";
    QTest::newRow("2 rect km2, U 3") << 2 << 5 << 7 << 3 << "たて5km, 横7000mの長方形の面積は、何ｋ㎡ですか。";
    QTest::newRow("2 square m2") << 2 << 7 << 7 << 1 << "１辺の長さが700cmの正方形の面積は、何㎡ですか。";
    QTest::newRow("2 square km2, U 2") << 2 << 4 << 4 << 2 << "１辺の長さが4000mの正方形の面積は、何ｋ㎡ですか。";
}

void TestComposite::textLines()
{
    QFETCH(int, K);
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, U);
    QFETCH(QString, line);
    QCOMPARE(K == 1 ? oneUnitLine(W, H, U) : twoUnitLine(W, H, U), line);
}

// Reads the sides and the unit asked for back out of every line, works the
// area out in that unit, and expects the stored block to agree.
void TestComposite::textAgreesWithStoredAnswer()
{
    const QStringList units{"ｃ㎡", "㎡", "ａ", "ｈａ", "ｋ㎡"};
    const double squareMetres[] = {1e-4, 1, 100, 1e4, 1e6};
    for (ProblemKind k : {ProblemKind::OneUnit, ProblemKind::TwoUnits})
        for (int W = 4; W <= 9; ++W)
            for (int H = 2; H <= 9; ++H)
                for (int U = 0; U <= 4; ++U) {
                    const QString line = k == ProblemKind::OneUnit ? oneUnitLine(W, H, U) : twoUnitLine(W, H, U);
                    const Reading r = readLine(line);
                    const auto block = compositeBlock(problem(k, W, H, U));
                    const auto expected = expectedUnit(12, block[2]);
                    QVERIFY2(r.square == (W == H) && units.contains(r.unit), qPrintable(line));
                    QVERIFY2(expected && unitText(*expected) == r.unit, qPrintable(line));
                    QVERIFY2(qAbs(r.squareMetres / squareMetres[units.indexOf(r.unit)] - block[3]) < 1e-9,
                             qPrintable(line));
                    QVERIFY(block[0] == W && block[1] == H);
                }
}

void TestComposite::levelTwelveSchedule_data()
{
    QTest::addColumn<int>("N");
    QTest::addColumn<int>("K");
    const int kinds[] = {1, 1, 2, 2, 3, 3, 4, 4};
    for (int N = 1; N <= 8; ++N)
        QTest::addRow("N=%d", N) << N << kinds[N - 1];
}

void TestComposite::levelTwelveSchedule()
{
    QFETCH(int, N);
    QFETCH(int, K);
    for (int drawn = 1; drawn <= 4; ++drawn) {
        QCOMPARE(int(reviewKind(N, drawn)), K);
        QCOMPARE(int(reviewKind(N + 8 + 10 * N, drawn)), drawn); // later problems keep the draw
    }
    // Problem N of a fresh lane shows that kind; text kinds print one line at 22 points.
    FormDriver d;
    d.start(12);
    d.startRow(2);
    while (d.problem(2) < N)
        d.newProblem(2);
    const auto b = d.block(2, N);
    const QRect band(20, 290, 750, 210);
    int shown = 0;
    if (countColour(d.image(), band, Blue) > 0)
        shown = 3;
    else if (countColour(d.image(), band, Yellow) > 0)
        shown = 4;
    else if (textShown(d.image(), 40, 350, 22, oneUnitLine(b[0], b[1], b[2]), 500, true))
        shown = 1;
    else if (textShown(d.image(), 40, 350, 22, twoUnitLine(b[0], b[1], b[2] == 1 ? 0 : 2), 500, true))
        shown = 2;
    QCOMPARE(shown, K);
}

void TestComposite::longRowsFinishAndCheck_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("L10") << 10;
    QTest::newRow("L11") << 11;
    QTest::newRow("L12") << 12;
}

// A lane of 99 problems in the window; each answer is taken in the stored
// unit only.
void TestComposite::longRowsFinishAndCheck()
{
    QFETCH(int, level);
    FormDriver d;
    d.start(level);
    d.startRow(1);
    while (d.problem(1) < RowTable::MaxProblems)
        d.newProblem(1);
    QCOMPARE(d.state().RowTable.rejectedWrites(), 0);
    for (int k = 1; k <= RowTable::MaxProblems; ++k) {
        const auto b = d.block(1, k);
        QVERIFY2(madeByLevelKind(level, b), qPrintable(QStringLiteral("problem %1").arg(k)));
        for (int u = 0; u <= 4; ++u) {
            const QString unit = unitText(static_cast<AreaUnit>(u));
            QCOMPARE(IsRightAnswer(level, b, b[3], unit), u == b[2]);
            QVERIFY(!IsRightAnswer(level, b, b[3] + 1, unit));
        }
    }
}

// Every score line after a composite problem, and a level-8 problem after
// the last one, print at 24 points.
void TestComposite::fontBackTo24_data()
{
    longRowsFinishAndCheck_data();
}

void TestComposite::fontBackTo24()
{
    QFETCH(int, level);
    FormDriver d;
    d.start(level);
    d.startRow(3);
    for (int N = 1; N <= 9; ++N) {
        if (N == 9)
            d.state().Level = 8;
        if (N > 1)
            d.newProblem(3);
        const QString line = ScoreLine(d.state().Level, N, MarkText(d.state().RowTable, 3, N));
        QVERIFY2(textShown(d.image(), 30, 515, 24, line, 550, true), qPrintable(line));
        QCOMPARE(d.form->panel().fontSizePt(), 24.0);
    }
    QVERIFY(!textShown(d.image(), 30, 515, 22, ScoreLine(8, 9, {}), 550, true)); // sizes do differ
}

QUILMO_TEST(TestComposite)
#include "composite_test.moc"
