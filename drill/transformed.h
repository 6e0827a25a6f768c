#pragma once

#include "drill/family.h"

// Strips and blocks of unit squares with half-square triangles.
// Shapes 1-3 are vertical strips, 4-6 horizontal strips, 7-10 two-column
// blocks; b is the number of whole squares (rows of squares for blocks).
struct Transformed {
    static constexpr int Shapes = 10;
    static constexpr int MaxSize = 3;

    int s = 1;
    int b = 1;

    int area() const { return s <= 6 ? b + 1 : 2 * b + 1; }
    static constexpr int maxSize(int s) { return s >= 7 ? MaxSize : 2; }
    static constexpr bool valid(int s, int b) { return s >= 1 && s <= Shapes && b >= 1 && b <= maxSize(s); }
};

// How many pairs (s, b) there are.
constexpr int TransformedPairs = [] {
    int n = 0;
    for (int s = 1; s <= Transformed::Shapes; ++s)
        n += Transformed::maxSize(s);
    return n;
}();
// A new problem differs from the previous one in shape and in size unless
// this many draws in a row were turned down for it.
constexpr int TransformedRestartLimit = 10;

// The level whose legend the figures are drawn with: squares of 1 cm.
constexpr int TransformedLegendLevel = 1;

Transformed chooseTransformed(RandomSource &random, const RowTable &table, int row, int N);
void drawTransformed(Canvas &panel, int y0, const Transformed &shape);
