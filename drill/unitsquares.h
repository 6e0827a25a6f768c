#pragma once

#include "drill/family.h"

// Two to four columns of unit squares hanging from one line.
struct UnitSquares {
    std::array<int, 4> h{}; // column heights h1..h4

    int columns() const { return h[2] == 0 ? 2 : (h[3] == 0 ? 3 : 4); }
    int gridRows() const;
    int sum() const { return h[0] + h[1] + h[2] + h[3]; }
};

UnitSquares chooseUnitSquares(int level, RandomSource &random);
void drawUnitSquares(Canvas &panel, int level, int y0, const UnitSquares &figure);

// The legend: its label twice and the yellow unit square (fill style left
// transparent).
void drawLegend(Canvas &panel, int level, int y0);

// The grid that the unit-square and transformed figures stand on: 30-pixel cells, row i
// and column j counted from 1.
constexpr int GridCell = 30;
inline QPoint gridCorner(int y0, int i, int j)
{
    return {250 + GridCell * j, y0 + 80 + GridCell * i};
}
// The light grey lines of rows × columns cells.
void drawGrid(Canvas &panel, int y0, int rows, int columns);
// The question beside a grid figure.
void askForArea(Canvas &panel, int y0);
