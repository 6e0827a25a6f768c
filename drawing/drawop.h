#pragma once

#include "drawing/devicegrid.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// One drawing operation on the panel, kept so that the picture can be drawn
// again at any resolution.
struct DrawOp {
    enum class Kind { Line, Box, FilledBox, Text, RoundRect, Fill };

    Kind kind = Kind::Line;
    QRect geometry;      // line and boxes: (x, y) and (dx, dy) as x, y, width, height;
                         // round rectangle: left, top, right, bottom as a QRect's edges;
                         // fill and text: the start point at the top-left
    QSize corner;        // round rectangle: the corner ellipse
    QRgb colour = 0;     // lines, edges, text, the round rectangle's outline
    QRgb fill = 0;       // the inside of boxes and round rectangles, the flood fill
    bool solid = false;  // whether that inside is painted
    QString text;
    QFont font;          // the design font of a text
    QRect bounds;        // design pixels it may have touched
    quint64 serial = 0;
};

// Paints op onto (part of) a picture drawn larger or smaller than the design.
void paintOp(const DevicePart &device, const DrawOp &op);
