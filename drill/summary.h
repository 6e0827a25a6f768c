#pragma once

#include "core/areaunit.h"
#include "drill/composite.h"

#include <QString>

// Level 12: the kind of a candidate of problem N, given the kind 1 to 4
// drawn for it. The first eight problems of a lane run through every kind
// twice; later ones keep the draw.
ProblemKind summaryKind(int N, int drawn);

// How many times W and H a problem with sides in one unit shows its sides,
// so that the area comes out as W × H in the unit of code U.
int oneUnitScale(int U);

// The single line of a problem with sides in one unit; U (0 to 4) is also
// the code of the answer's unit.
QString oneUnitLine(int W, int H, int U);

// The single line of a problem with sides in two units.
QString twoUnitLine(int W, int H, int U);

// The unit of a two-unit problem's answer: ㎡ for U 0 and 1, ｋ㎡ for U 2
// to 4.
AreaUnit twoUnitAnswer(int U);
