#pragma once

#include "core/areaunit.h"
#include "drill/composite.h"

#include <QString>

#include <optional>

// The review mix (`CompositeMix::Review`): the kind of a candidate of problem N, given the kind 1 to 4
// drawn for it. The first eight problems of a lane run through every kind
// twice; later ones keep the draw.
ProblemKind reviewKind(int N, int drawn);

// How many times W and H a problem with sides in one unit shows its sides,
// so that the area comes out as W × H in the unit of code U.
int oneUnitScale(int U);

// A text problem, in words: a rectangle's two sides, or a square's one, and the
// unit its area is asked in (none: only "find the area"). The drawn line and
// the spoken one are both made from it.
struct WordProblem {
    bool square;
    SideLength first, second, squareSide;
    std::optional<AreaUnit> askedIn;
};

// Sides in one unit; U (0 to 4) is also the code of the answer's unit.
WordProblem oneUnitProblem(int W, int H, int U);
// Sides in two units.
WordProblem twoUnitProblem(int W, int H, int U);

// The single line the lane shows for such a problem.
QString sidesLine(const WordProblem &p);
inline QString oneUnitLine(int W, int H, int U) { return sidesLine(oneUnitProblem(W, H, U)); }
inline QString twoUnitLine(int W, int H, int U) { return sidesLine(twoUnitProblem(W, H, U)); }

// The unit of a two-unit problem's answer: ㎡ for U 0 and 1, ｋ㎡ for U 2
// to 4.
AreaUnit twoUnitAnswer(int U);
