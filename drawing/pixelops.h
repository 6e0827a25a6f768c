#pragma once

#include <QImage>
#include <QRect>

// Exact pixel operations on an RGB32 picture: no smoothing, so colours stay
// what they were asked to be and a fill stops at exactly its border colour.
namespace Pixels {

// Every pixel of the rectangle from (x1, y1) to (x2, y2), both included.
void fillRect(QImage &img, int x1, int y1, int x2, int y2, QRgb c);

// A Bresenham line from (x1, y1) to (x2, y2), both ends included. Each
// point sets a run of `width` pixels across the line's main direction, so a
// thick line is still closed against a 4-neighbour fill.
void line(QImage &img, int x1, int y1, int x2, int y2, int width, QRgb c);

// Fills every pixel 4-connected to (x, y) that is not exactly `stop`,
// within `limit` (the whole picture when empty). Returns the rectangle it
// painted, empty when the start is on the border or outside the limit.
QRect floodFill(QImage &img, int x, int y, QRgb stop, QRgb fill, QRect limit = QRect());

} // namespace Pixels
