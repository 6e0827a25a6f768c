#pragma once

#include "drill/rectangles.h"

// A rectangle, never a square, with one side in cm and the other
// in mm. u = 0 states the horizontal side in mm, u = 1 the vertical one.
SidedRectangle chooseMixedUnits(RandomSource &random);
// The sides as the line states them, たて first.
std::array<SideLength, 2> mixedUnitsSides(const SidedRectangle &r);
QString mixedUnitsLine(const SidedRectangle &r);
void drawMixedUnits(Canvas &panel, int y0, const SidedRectangle &r);
