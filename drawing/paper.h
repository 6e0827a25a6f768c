#pragma once

#include "drawing/drawop.h"

#include <QPainter>
#include <QRect>

#include <vector>

// Paints kept drawing operations as vectors and text on a page, for a
// printer or a PDF: the painter's transform maps design pixels to the page.
// Colours are those of a monochrome printer (Rgb::onPaper).
void paintOnPaper(QPainter &p, const std::vector<DrawOp> &ops);

// The design pixels the operations may paint, blanks left out.
QRect paperBounds(const std::vector<DrawOp> &ops);
