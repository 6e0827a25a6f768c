#pragma once

#include "family.h"

// Level 7: strips and blocks of unit squares with half-square triangles.
// Shapes 1-3 are vertical strips, 4-6 horizontal strips, 7-10 two-column
// blocks; b is the number of whole squares (rows of squares for blocks).
struct Transformed {
    int s = 1;
    int b = 1;

    int area() const { return s <= 6 ? b + 1 : 2 * b + 1; }
    static int maxSize(int s) { return s >= 7 ? 3 : 2; }
    static bool valid(int s, int b) { return s >= 1 && s <= 10 && b >= 1 && b <= maxSize(s); }
};

constexpr int TransformedPairs = 6 * 2 + 4 * 3;
// A new problem differs from the previous one in shape and in size unless
// this many draws in a row were turned down for it.
constexpr int TransformedRestartLimit = 10;

Transformed chooseTransformed(RandomSource &random, const RowTable &table, int row, int N);
void drawTransformed(Canvas &panel, int y0, const Transformed &shape);
