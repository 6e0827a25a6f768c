#include "drill/unitsquares.h"

#include "drill/levels.h"

#include <algorithm>

int UnitSquares::gridRows() const
{
    return *std::max_element(h.begin(), h.end());
}

UnitSquares chooseUnitSquares(int level, RandomSource &random)
{
    UnitSquares f;
    f.h[0] = random.between(1, 4);
    f.h[1] = random.between(1, 4);
    if (levelFacts(level).columns > 2) {
        f.h[2] = random.between(0, 4);
        if (f.h[2] != 0)
            f.h[3] = random.between(0, 4);
    }
    return f;
}

// The level's label twice, a yellow square between them.
void drawLegend(Canvas &panel, int level, int y0)
{
    const LevelFacts &facts = levelFacts(level);
    const QString label = QString::fromUtf8(facts.legend);
    printAt(panel, facts.legendX, y0 + 130, label);
    printAt(panel, 160, y0 + 172, label);
    panel.Fill = FillStyle::Transparent;
    edgedBox(panel, 120, y0 + 170, GridCell, GridCell, Rgb::yellow());
}

void drawGrid(Canvas &panel, int y0, int rows, int columns)
{
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= columns; ++j) {
            const QPoint at = gridCorner(y0, i, j);
            panel.box(at.x(), at.y(), GridCell, GridCell, Rgb::grid());
        }
}

void askForArea(Canvas &panel, int y0)
{
    printAt(panel, 420, y0 + rowsOf(panel).question, QStringLiteral("面積を求めましょう。"));
}

void drawUnitSquares(Canvas &panel, int level, int y0, const UnitSquares &figure)
{
    drawLegend(panel, level, y0);
    drawGrid(panel, y0, figure.gridRows(), figure.columns());
    for (int j = 1; j <= 4; ++j)
        for (int i = 1; i <= figure.h[j - 1]; ++i) {
            const QPoint at = gridCorner(y0, i, j);
            edgedBox(panel, at.x(), at.y(), GridCell, GridCell, Rgb::yellow());
        }
    askForArea(panel, y0);
}

FamilyResult UnitSquareFamily(FamilyContext &ctx)
{
    const UnitSquares f = chooseUnitSquares(ctx.level, ctx.random);
    drawUnitSquares(ctx.panel, ctx.level, ctx.y0, f);
    return withStandardBoxes(ctx, {f.h[0], f.h[1], f.h[2], f.h[3]});
}
