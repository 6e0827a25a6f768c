#pragma once

#include <QImage>
#include <QPainter>
#include <QTransform>

// Device pixels per design pixel of a painter's mapping, in whole
// millionths so that one window size always gives the same value.
double deviceScale(const QTransform &toDevice);

// Whether a painter maps design pixels onto the device at one scale for
// both directions, the only mapping drawn afresh rather than enlarged.
bool isUniformScale(const QTransform &toDevice);

// Draws a picture made at the painter's device scale pixel for pixel on the
// device, `offset` device pixels from the device pixel nearest the widget's
// corner.
void drawOnDevicePixels(QPainter &p, const QImage &picture, QPoint offset = QPoint());
