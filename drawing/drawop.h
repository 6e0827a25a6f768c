#pragma once

#include "core/furigana.h"
#include "drawing/devicegrid.h"

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QVarLengthArray>

#include <optional>
#include <variant>
#include <vector>

// The panel's drawing operations, each described once: the design picture
// and its drawings at every other scale are painted from the same
// description. Coordinates are design pixels.
namespace Draw {

// Design pixels of one colour, both corners included.
struct Block {
    QRect pixels;
    QRgb colour = 0;
};

// From one end to the other, both ends drawn.
struct Line {
    QPoint from;
    QPoint to;
    QRgb colour = 0;

    // A straight line is whole design pixels, so it meets the boxes
    // exactly; none for a diagonal.
    std::optional<Block> straight() const;
};

// The pixels of `rect` edged in `edge`; the inside takes `inside` if it holds
// a colour.
struct Box {
    QRect rect;
    QRgb edge = 0;
    std::optional<QRgb> inside;

    // What it paints, in order: the inside where there is one, then the
    // top, bottom, left and right edges.
    QVarLengthArray<Block, 5> blocks() const;
};

// Glyphs only, the line's top-left at `at`; the words in `ruby` carry their
// readings above them.
struct Text {
    QPoint at;
    QString text;
    QFont font; // the design font
    QRgb colour = 0;
    std::vector<Furigana::Span> ruby;
};

// A rounded rectangle as drawn on one grid: an outline `pen` device pixels
// wide runs round the inside of `outer`, whose corners are quarter ellipses
// with radii rx and ry.
struct RoundedShape {
    QRectF outer;
    double rx = 0;
    double ry = 0;
    int pen = 1;

    QPainterPath outside() const;
    QPainterPath inside() const; // within the outline
};

// The pixels of `card` with corners rounded by an ellipse `corner`, outlined
// in `edge`; the inside takes `inside` if it holds a colour.
struct Rounded {
    QRect card;
    QSize corner;
    QRgb edge = 0;
    std::optional<QRgb> inside;

    RoundedShape on(const DeviceGrid &grid) const;
};

// A card of one colour laid over what was drawn before: what lies wholly
// under it is forgotten.
struct Blank {
    Rounded card;
};

// Every pixel 4-connected to `seed` that is not exactly `border` takes
// `colour`. Drawn again, it reaches no further than `reach`: where the
// design's fill went, and a pixel more all round (null while the design's
// fill is painted).
struct Fill {
    QPoint seed;
    QRgb border = 0;
    QRgb colour = 0;
    QRect reach;
};

using Shape = std::variant<Line, Box, Text, Rounded, Blank, Fill>;

} // namespace Draw

// One drawing operation on the panel, kept so that the picture can be drawn
// again at any resolution.
struct DrawOp {
    Draw::Shape shape;
    QRect bounds; // design pixels it may paint at any scale
    quint64 serial = 0;
};

// The design pixels a shape may paint at any scale (a fill's once its reach
// is known).
QRect boundsOf(const Draw::Shape &shape);

// Paints a shape onto (part of) a picture at the part's scale. Returns the
// part's pixels that a fill painted, which only painting it can tell; empty
// for the other shapes.
QRect paintShape(const DevicePart &device, const Draw::Shape &shape);

// The pixels a text may cover at design size, its readings included.
QRect inkOf(const Draw::Text &text);

// Whether a blank hides an operation at every scale.
bool hides(const Draw::Blank &blank, const DrawOp &op);
