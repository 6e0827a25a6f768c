#include "drawing/devicepaint.h"

#include <cmath>

double redrawScale(const QPainter &p)
{
    const QTransform toDevice = p.deviceTransform();
    const double sx = std::round(toDevice.m11() * 1e6) / 1e6, sy = std::round(toDevice.m22() * 1e6) / 1e6;
    if (toDevice.type() > QTransform::TxScale || sx <= 0 || sx != sy || sx == 1.0)
        return 0;
    return sx;
}

void drawOnDevicePixels(QPainter &p, const QImage &picture, QPoint offset)
{
    const QTransform toDevice = p.deviceTransform();
    const QPointF corner = toDevice.map(QPointF(0, 0));
    const QTransform onDevice = QTransform::fromTranslate(std::round(corner.x()), std::round(corner.y()));
    p.save();
    p.setWorldTransform(onDevice * toDevice.inverted() * p.worldTransform());
    p.drawImage(offset, picture);
    p.restore();
}
