#include "support/formdriver.h"
#include "core/lanes.h"
#include "support/scriptedrandom.h"
#include "support/testregistry.h"
#include "drill/transformed.h"

#include <QTest>

#include <set>

class TestTransformed : public QObject {
    Q_OBJECT
private slots:
    void everyShapeFillsItsArea_data();
    void everyShapeFillsItsArea();
    void firstProblemIsTakenAsDrawn();
    void noPairTwiceWhileOthersAreLeft();
    void previousProblemRuleAndItsCap_data();
    void previousProblemRuleAndItsCap();
    void longRowsFinishWhateverTheyHold();
    void drawnRowMatchesStoredBlock();
};

namespace {
// The cells of the grid that a shape covers (squares and triangle cells).
QList<QRect> shapeCells(int y0, const Transformed &t)
{
    QList<QRect> cells;
    auto cell = [&](int x, int y) { cells << QRect(x, y, 31, 31); };
    if (t.s <= 3) {
        for (int i = 0; i < t.b + 2; ++i)
            cell(310, y0 + 110 + 30 * i);
    } else if (t.s <= 6) {
        for (int i = 0; i < t.b + 2; ++i)
            cell(280 + 30 * i, y0 + 140);
    } else {
        for (int i = 0; i < t.b + 1; ++i) {
            cell(310, y0 + 110 + 30 * i);
            cell(340, y0 + 110 + 30 * i);
        }
    }
    return cells;
}
} // namespace

void TestTransformed::everyShapeFillsItsArea_data()
{
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("b");
    for (int s = 1; s <= 10; ++s)
        for (int b = 1; b <= Transformed::maxSize(s); ++b)
            QTest::addRow("s%d b%d", s, b) << s << b;
}

void TestTransformed::everyShapeFillsItsArea()
{
    QFETCH(int, s);
    QFETCH(int, b);
    const int y0 = 220;
    const Transformed t{s, b};
    Canvas c(DrawingPanel::PictureSize, Rgb::white());
    drawTransformed(c, y0, t);
    const QImage &img = c.image();
    const QRgb yellow = rgb(255, 255, 0);

    // Each unit cell keeps 29 x 29 pixels inside its one-pixel edges; the
    // diagonals of the triangles take at most one pixel per row more (30 in
    // all). A fill leaking into the empty half of a cell would add 400.
    const int d = t.area();
    const int inGrid = countColour(img, QRect(280, y0 + 110, 121, 121), yellow);
    QVERIFY2(inGrid <= d * 841 && inGrid >= d * 841 - 30, qPrintable(QString::number(inGrid)));

    // No yellow outside the shape's cells and the legend square.
    const QList<QRect> cells = shapeCells(y0, t);
    const QRect legend(120, y0 + 170, 31, 31);
    for (int y = y0 + 70; y < y0 + 280; ++y) {
        for (int x = 20; x < 770; ++x) {
            if ((img.pixel(x, y) & 0xffffff) != (yellow & 0xffffff) || legend.contains(x, y))
                continue;
            const bool inside = std::any_of(cells.begin(), cells.end(), [&](const QRect &r) { return r.contains(x, y); });
            QVERIFY2(inside, qPrintable(QStringLiteral("yellow at %1,%2").arg(x).arg(y)));
        }
    }
    // The fill runs over the grey grid inside the triangle cells: none of
    // their inner pixels is grey any more.
    const QList<QRect> triangleCells =
        s <= 6 ? QList<QRect>{cells.first(), cells.last()} : QList<QRect>{cells[0], cells[1]};
    for (const QRect &r : triangleCells)
        QCOMPARE(countColour(img, r.adjusted(1, 1, -1, -1), rgb(200, 200, 200)), 0);
    QCOMPARE(c.fontSizePt(), 24.0);
}

void TestTransformed::firstProblemIsTakenAsDrawn()
{
    RowTable t;
    t.set(1, Col::block(1, 1), 5); // a stale block is not consulted for N = 1
    t.set(1, Col::block(1, 2), 1);
    ScriptedRandom r({ScriptedRandom::pick(5, 1, 10), ScriptedRandom::pick(1, 1, 2)});
    const Transformed got = chooseTransformed(r, t, 1, 1);
    QCOMPARE(got.s, 5);
    QCOMPARE(got.b, 1);
    QCOMPARE(r.left(), 0);
}

void TestTransformed::noPairTwiceWhileOthersAreLeft()
{
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        RandomSource random(seed);
        RowTable table;
        std::set<std::pair<int, int>> given;
        for (int N = 1; N <= 30; ++N) {
            const Transformed t = chooseTransformed(random, table, 2, N);
            QVERIFY(Transformed::valid(t.s, t.b));
            if (N <= TransformedPairs)
                QVERIFY2(given.insert({t.s, t.b}).second, qPrintable(QStringLiteral("seed %1 N %2").arg(seed).arg(N)));
            table.set(2, Col::block(N, 1), t.s);
            table.set(2, Col::block(N, 2), t.b);
        }
        QCOMPARE(static_cast<int>(given.size()), TransformedPairs);
    }
}

void TestTransformed::previousProblemRuleAndItsCap_data()
{
    QTest::addColumn<int>("sameShape"); // candidates sharing the previous problem's shape
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("left"); // fractions of the script not used
    QTest::newRow("nine, then a fresh one") << 9 << 4 << 2 << 0;
    QTest::newRow("ten, then the eleventh is taken") << 10 << 5 << 2 << 2;
}

void TestTransformed::previousProblemRuleAndItsCap()
{
    QFETCH(int, sameShape);
    QFETCH(int, s);
    QFETCH(int, b);
    QFETCH(int, left);
    RowTable table;
    table.set(1, Col::block(1, 1), 3); // problem 1: (3, 2)
    table.set(1, Col::block(1, 2), 2);
    table.set(1, Col::block(2, 1), 5); // problem 2, the previous one: (5, 1)
    table.set(1, Col::block(2, 2), 1);
    auto draw = [](int s, int b) {
        return QList<double>{ScriptedRandom::pick(s, 1, 10), ScriptedRandom::pick(b, 1, Transformed::maxSize(s))};
    };
    ScriptedRandom r;
    for (int i = 0; i < sameShape; ++i) {
        r.add(draw(3, 2)); // a repeat of problem 1: turned down, but not counted
        r.add(draw(5, 2)); // the previous problem's shape: turned down and counted
    }
    r.add(draw(5, 2));
    r.add(draw(4, 2));
    const Transformed got = chooseTransformed(r, table, 1, 3);
    QCOMPARE(got.s, s);
    QCOMPARE(got.b, b);
    QCOMPARE(r.left(), left);
}

void TestTransformed::longRowsFinishWhateverTheyHold()
{
    FormDriver d;
    d.start(7);
    d.startRow(1);
    d.startRow(2);
    // Lane 2 already holds every pair, written as if by another level.
    int k = 1;
    for (int s = 1; s <= 10; ++s)
        for (int b = 1; b <= Transformed::maxSize(s); ++b, ++k) {
            d.state().RowTable.set(2, Col::block(k, 1), s);
            d.state().RowTable.set(2, Col::block(k, 2), b);
        }
    d.state().RowTable.set(2, Col::ProblemCount, k - 1);
    for (int n = 0; n < 40; ++n) {
        d.newProblem(1);
        d.newProblem(2);
    }
    QCOMPARE(d.problem(1), 41);
    QCOMPARE(d.problem(2), 64);
    for (int row : {1, 2})
        for (int k = row == 1 ? 1 : TransformedPairs + 1; k <= d.problem(row); ++k) {
            const auto b = d.block(row, k);
            QVERIFY(Transformed::valid(b[0], b[1]));
            QCOMPARE(b[2], 0);
            QCOMPARE(b[3], (Transformed{b[0], b[1]}).area());
        }
}

void TestTransformed::drawnRowMatchesStoredBlock()
{
    FormDriver d;
    d.start(7);
    d.startRow(3);
    for (int n = 0; n < 10; ++n) {
        const auto b = d.block(3, d.problem(3));
        const int y0 = LaneBand::offset(3);
        // Yellow pixels in the grid make up the stored area, cell by cell.
        const int inGrid = countColour(d.image(), QRect(280, y0 + 110, 121, 121), rgb(255, 255, 0));
        QCOMPARE((inGrid + 840) / 841, b[3]);
        d.newProblem(3);
    }
}

QUILMO_TEST(TestTransformed)
#include "transformed_test.moc"
