#pragma once

#include <QImage>
#include <QPainter>
#include <QTransform>

// The scale at which a painter's widget should be drawn afresh: device
// pixels per design pixel, in whole millionths so that one window size always
// gives the same value. 0 where the design-size picture is right as it is (at
// scale 1) or where the mapping is not one uniform scale.
double redrawScale(const QPainter &p);

// The design pixels to draw afresh at `scale` so that a paint of `area`
// (widget pixels) covers every device pixel it may touch, on the grid that
// drawOnDevicePixels draws on.
QRect designAreaFor(const QPainter &p, const QRect &area, double scale);

// Draws a picture made at the painter's device scale pixel for pixel on the
// device, `offset` device pixels from the device pixel nearest the widget's
// corner.
void drawOnDevicePixels(QPainter &p, const QImage &picture, QPoint offset = QPoint());
