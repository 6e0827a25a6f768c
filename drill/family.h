#pragma once

#include "drawing/canvas.h"
#include "core/areaunit.h"
#include "core/randomsource.h"
#include "core/lanes.h"
#include "core/rowtable.h"

#include <QPoint>

#include <array>

// What a problem family is given: the panel to draw on, the random source,
// the lane's earlier problems, and where the new problem goes.
struct FamilyContext {
    Canvas &panel;
    RandomSource &random;
    const RowTable &table;
    int level;
    int row; // 1 to 3
    int N;   // number of the problem being made, 1 to 99
    int y0;  // band offset of the lane
};

// What a family leaves behind: the four stored parameters and where the
// pupil types the number and the unit.
struct FamilyResult {
    std::array<int32_t, 4> block{};
    QPoint numberBox;
    QPoint unitBox;
    FigureParts parts{}; // kept beside the block, for naming a pupil's mistake
    int32_t asked = 0;   // how it was asked, where the block does not tell
};

// Every family puts the answer boxes in the same places.
inline FamilyResult withStandardBoxes(const FamilyContext &ctx, std::array<int32_t, 4> block)
{
    const bool furigana = ctx.panel.furigana();
    return {block, Lane::numberBoxAt(ctx.row, furigana), Lane::unitBoxAt(ctx.row, furigana)};
}

// The tops of the band's lines, as furigana leaves them.
inline const Lane::Rows &rowsOf(const Canvas &panel)
{
    return Lane::rows(panel.furigana());
}

// Prints s with its top-left corner at (x, y).
inline void printAt(Canvas &panel, int x, int y, const QString &s)
{
    panel.CurrentX = x;
    panel.CurrentY = y;
    panel.print(s);
}
inline void printAt(Canvas &panel, QPoint at, const QString &s)
{
    printAt(panel, at.x(), at.y(), s);
}

// A box filled in colour c and then outlined in black: every shape of the
// figures is drawn this way.
inline void edgedBox(Canvas &panel, int x, int y, int dx, int dy, QColor c)
{
    panel.filledBox(x, y, dx, dy, c);
    panel.box(x, y, dx, dy, Rgb::black());
}

inline QString digits(int x)
{
    return QString::number(x);
}

// A side as a problem states it.
struct SideLength {
    int n;
    LengthUnit unit;
};

// The families; drill/levels.cpp says which levels each makes.
FamilyResult UnitSquareFamily(FamilyContext &ctx);
FamilyResult TransformedFamily(FamilyContext &ctx);
FamilyResult RectangleFamily(FamilyContext &ctx);
FamilyResult MixedUnitFamily(FamilyContext &ctx);
FamilyResult CompositeFamily(FamilyContext &ctx);
// Draws a problem of ctx.level by its family; the lane's record is the
// caller's to write (storeProblem).
FamilyResult runFamily(FamilyContext &ctx);
// Keeps what the family left as problem N of the lane, so that the next
// problems follow the level's rules against it.
void storeProblem(RowTable &table, int row, int N, const FamilyResult &result);
