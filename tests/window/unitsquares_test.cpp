#include "support/formdriver.h"
#include "core/lanes.h"
#include "drill/newproblem.h"
#include "drill/unitsquares.h"

#include "support/testregistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <set>

class TestUnitSquares : public QObject {
    Q_OBJECT
private slots:
    void scoreLine_data();
    void scoreLine();
    void unitSquareDraws_data();
    void unitSquareDraws();
    void drawnFigureMatchesStoredHeights_data();
    void drawnFigureMatchesStoredHeights();
    void gridOnlyAsLargeAsTheFigure_data();
    void gridOnlyAsLargeAsTheFigure();
    void lanesAreIndependent();
    void boxesPlacedEmptiedAndColoured();
    void laneStopsAfterItsLastProblem();
};

void TestUnitSquares::scoreLine_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("N");
    QTest::addColumn<QList<int>>("marks"); // ResultMark of problems 1, 2, ...
    QTest::addColumn<QString>("line");
    QTest::newRow("first problem") << 1 << 1 << QList<int>{} << "レベル 1 ( 1)  せいせき：";
    QTest::newRow("fourth") << 3 << 4 << QList<int>{1, 3, 1} << "レベル 3 ( 4)  せいせき：○×○";
    QTest::newRow("second, skipped") << 4 << 2 << QList<int>{0} << "レベル 4 ( 2)  せいせき：";
    QTest::newRow("odd codes") << 5 << 5 << QList<int>{7, 2, -1, 3} << "レベル 5 ( 5)  せいせき：△×";
    QTest::newRow("eleventh") << 12 << 11 << QList<int>{3, 1, 1, 2, 1, 1, 1, 1, 1, 2}
                              << "レベル12 (11)  せいせき：○○△○○○○○△";
    QList<int> many;
    for (int k = 1; k <= 24; ++k)
        many << (k < 16 ? 3 : (k % 2 ? 1 : 2));
    QTest::newRow("twenty-fifth") << 10 << 25 << many << "レベル10 (25)  せいせき：△○△○△○△○△";
}

void TestUnitSquares::scoreLine()
{
    QFETCH(int, level);
    QFETCH(int, N);
    QFETCH(QList<int>, marks);
    QFETCH(QString, line);
    RowTable t;
    for (int k = 1; k <= marks.size(); ++k)
        t.set(2, Col::ResultMark(k), marks[k - 1]);
    QCOMPARE(ScoreLine(level, N, MarkText(t, 2, N)), line);
}

void TestUnitSquares::unitSquareDraws_data()
{
    QTest::addColumn<int>("level");
    for (int level = 1; level <= 6; ++level)
        QTest::addRow("L%d", level) << level;
}

void TestUnitSquares::unitSquareDraws()
{
    QFETCH(int, level);
    RandomSource random(42);
    std::set<std::array<int, 4>> seen;
    for (int i = 0; i < 4000; ++i) {
        const UnitSquares f = chooseUnitSquares(level, random);
        QVERIFY(f.h[0] >= 1 && f.h[0] <= 4 && f.h[1] >= 1 && f.h[1] <= 4);
        QVERIFY(f.h[2] >= 0 && f.h[2] <= 4 && f.h[3] >= 0 && f.h[3] <= 4);
        if (f.h[2] == 0)
            QCOMPARE(f.h[3], 0);
        if (level == 1)
            QVERIFY(f.h[2] == 0 && f.sum() <= 8);
        seen.insert(f.h);
    }
    // Level 1: 16 figures; otherwise 16 x (1 + 4 x 5).
    QCOMPARE(static_cast<int>(seen.size()), level == 1 ? 16 : 16 * 21);
}

void TestUnitSquares::drawnFigureMatchesStoredHeights_data()
{
    unitSquareDraws_data();
}

void TestUnitSquares::drawnFigureMatchesStoredHeights()
{
    QFETCH(int, level);
    FormDriver d;
    d.start(level);
    for (int row = 1; row <= Lane::Count; ++row)
        d.startRow(row);
    for (int n = 0; n < 40; ++n) {
        const int row = n % 3 + 1;
        d.newProblem(row);
        const auto b = d.block(row, d.problem(row));
        const int sum = b[0] + b[1] + b[2] + b[3];
        QCOMPARE(d.yellowCells(row), sum);
        // Every yellow pixel of the band is inside a black-edged cell: the
        // legend square and the figure's squares, 29 x 29 each.
        const int y0 = LaneBand::offset(row);
        QCOMPARE(countColour(d.image(), QRect(20, y0 + 70, 750, 210), rgb(255, 255, 0)), 29 * 29 * (sum + 1));
        QCOMPARE(d.image().pixel(135, y0 + 185), rgb(255, 255, 0));
    }
}

void TestUnitSquares::gridOnlyAsLargeAsTheFigure_data()
{
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::newRow("1 1") << QList<int>{1, 1, 0, 0} << 1 << 2;
    QTest::newRow("3 columns") << QList<int>{1, 2, 3, 0} << 3 << 3;
    QTest::newRow("full") << QList<int>{4, 4, 4, 4} << 4 << 4;
    QTest::newRow("tall first") << QList<int>{4, 1, 2, 1} << 4 << 4;
}

void TestUnitSquares::gridOnlyAsLargeAsTheFigure()
{
    QFETCH(QList<int>, heights);
    QFETCH(int, rows);
    QFETCH(int, columns);
    Canvas c(DrawingPanel::PictureSize, Rgb::white());
    UnitSquares f;
    std::copy(heights.begin(), heights.end(), f.h.begin());
    drawUnitSquares(c, 2, 220, f);
    const QRgb grey = rgb(200, 200, 200), black = rgb(0, 0, 0);
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            const QRect cell = gridCell(220, i, j);
            const bool inGrid = i <= rows && j <= columns;
            const bool coloured = i <= f.h[j - 1];
            const QRgb edge = c.pixel(cell.left() + 15, cell.bottom()); // middle of the lower edge
            const QRgb centre = c.pixel(cell.center().x(), cell.center().y());
            if (coloured) {
                QCOMPARE(edge, black);
                QCOMPARE(centre, rgb(255, 255, 0));
            } else if (inGrid) {
                QVERIFY(edge == grey || edge == black);
                QCOMPARE(centre, rgb(255, 255, 255));
            } else {
                QVERIFY2(c.pixel(cell.right(), cell.bottom()) == rgb(255, 255, 255),
                         qPrintable(QStringLiteral("cell %1,%2 outside the grid").arg(i).arg(j)));
            }
        }
    }
}

void TestUnitSquares::lanesAreIndependent()
{
    FormDriver d;
    d.start(6);
    for (int row = 1; row <= Lane::Count; ++row)
        d.startRow(row);
    const QRect lane1(0, 0, 1005, 285), lane3(0, 505, 1005, 232);
    const QImage before1 = d.image().copy(lane1), before3 = d.image().copy(lane3);
    d.form->Text1[0]->setText(QStringLiteral("12"));
    const auto block1 = d.block(1, 1);
    for (int n = 0; n < 5; ++n)
        d.newProblem(2);
    QCOMPARE(d.image().copy(lane1), before1);
    QCOMPARE(d.image().copy(lane3), before3);
    QCOMPARE(d.form->Text1[0]->text(), QStringLiteral("12"));
    QCOMPARE(d.problem(1), 1);
    QCOMPARE(d.problem(3), 1);
    QCOMPARE(d.problem(2), 6);
    QCOMPARE(d.block(1, 1), block1);
}

void TestUnitSquares::boxesPlacedEmptiedAndColoured()
{
    FormDriver d;
    d.start(3);
    for (int row = 1; row <= Lane::Count; ++row) {
        d.startRow(row);
        QLineEdit *number = d.form->Text1[row - 1], *unit = d.form->Text2[row - 1];
        number->setText(QStringLiteral("5"));
        unit->setText(QStringLiteral("㎡"));
        d.newProblem(row);
        const int y0 = LaneBand::offset(row);
        QCOMPARE(number->pos(), QPoint(470, y0 + 180));
        QCOMPARE(unit->pos(), QPoint(655, y0 + 180));
        QVERIFY(number->text().isEmpty() && unit->text().isEmpty());
        QCOMPARE(number->palette().color(QPalette::Base), QColor(255, 200, 200));
        QCOMPARE(unit->palette().color(QPalette::Base), QColor(200, 200, 255));
        QVERIFY(number->isVisible() && unit->isVisible());
    }
}

void TestUnitSquares::laneStopsAfterItsLastProblem()
{
    FormDriver d;
    d.start(2);
    d.startRow(1);
    d.startRow(2);
    d.state().RowTable.set(1, Col::ProblemCount, 98);
    for (int k = 90; k <= 98; ++k)
        d.state().RowTable.set(1, Col::ResultMark(k), 1);
    d.newProblem(1);
    QCOMPARE(d.problem(1), 99);
    QVERIFY(d.form->Command5[0]->isVisible());
    const auto last = d.block(1, 99);
    d.state().RowTable.set(1, Col::ResultMark(99), 3);
    d.newProblem(1);
    d.newProblem(1);
    QCOMPARE(d.problem(1), 99);
    QCOMPARE(d.block(1, 99), last);
    QCOMPARE(d.state().RowTable.rejectedWrites(), 0);
    QVERIFY(!d.form->Command5[0]->isVisible());
    QVERIFY(!d.form->Picture6[0]->isVisible());
    QVERIFY(!d.form->Text1[0]->isVisible() && !d.form->Text2[0]->isVisible());
    QCOMPARE(d.yellowCells(1), 0);
    // The other lane goes on.
    d.newProblem(2);
    QCOMPARE(d.problem(2), 2);
    QVERIFY(d.form->Command5[1]->isVisible());
}

QUILMO_TEST(TestUnitSquares)
#include "unitsquares_test.moc"
