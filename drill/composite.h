#pragma once

#include "drill/family.h"

#include <vector>

// The composite family's levels share one generator; every problem it makes
// is one of these kinds, numbered as in the review's schedule.
enum class ProblemKind {
    OneUnit = 1,     // sides in one unit, no figure (the review)
    TwoUnits = 2,    // sides in two units, no figure (the review)
    EqualHeight = 3, // two rectangles of one height, in cm (EqualHeight and the review)
    Stepped = 4,     // two top-aligned rectangles, the right one shorter, in m (Stepped and the review)
};

// One accepted candidate of the generator.
struct CompositeProblem {
    int W = 0;  // left width, or first side
    int H = 0;  // left height, or second side
    int U = 0;  // unit selector of the text kinds
    ProblemKind kind = ProblemKind::OneUnit;
    int W2 = 0; // right width
    int H2 = 0; // right height (stepped figure)
};

// Picks the problem N of lane row from the random source, avoiding the
// lane's earlier problems 1 .. N-1. Every candidate draws W, H and U, and
// in the review a kind, which problems 1 to 8 discard for their set one; a
// candidate past the rules against repeats also draws W2 and H2, whatever
// its kind uses.
CompositeProblem chooseComposite(RandomSource &random, const RowTable &table, int level, int row, int N);

// Every problem the generator can make at a composite level, for telling
// from a stored block which figures it may have come from. U is varied only
// where the kind uses it; W2 and H2 only where the figure shows them.
const std::vector<CompositeProblem> &possibleComposites(int level);

// The four values stored in the problem's block: columns 10N+1 .. 10N+4.
std::array<int32_t, 4> compositeBlock(const CompositeProblem &c);

// What the block leaves out of a figure: the two parts' widths of one of
// one height, the right part's sides of a stepped one; none for a text.
FigureParts compositeParts(const CompositeProblem &c);

// Draws the figure or the text of the problem at band offset y0 and leaves
// the panel's font at 24 points.
void drawComposite(Canvas &panel, int y0, const CompositeProblem &c);

// The two figures alone, at 18 points.
void drawEqualHeight(Canvas &panel, int y0, int W, int W2, int H);
void drawStepped(Canvas &panel, int y0, int W, int H, int W2, int H2);
