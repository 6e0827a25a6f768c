#pragma once

#include "drill/family.h"

// A rectangle or square given by its sides in cm, m or km.
struct SidedRectangle {
    int W = 1; // 横
    int H = 1; // たて
    int u = 0; // 0 cm, 1 m, 2 km
};

// The unit of the sides of a stored code u.
LengthUnit sideUnit(int u);

SidedRectangle chooseRectangle(RandomSource &random);
// The two lines beside the figure.
QString rectangleFirstLine(const SidedRectangle &r);
QString rectangleSecondLine(const SidedRectangle &r);
void drawRectangle(Canvas &panel, int y0, const SidedRectangle &r);

// The yellow box at 15 pixels a unit and the question, shared with the mixed units.
void drawSidedBox(Canvas &panel, int y0, int W, int H);
void printSideTexts(Canvas &panel, int y0, const QString &first, const QString &second);
