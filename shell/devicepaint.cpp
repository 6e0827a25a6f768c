#include "devicepaint.h"

#include <cmath>

double deviceScale(const QTransform &toDevice)
{
    return std::round(toDevice.m11() * 1e6) / 1e6;
}

bool isUniformScale(const QTransform &toDevice)
{
    return toDevice.type() <= QTransform::TxScale && toDevice.m11() > 0 &&
           deviceScale(toDevice) == std::round(toDevice.m22() * 1e6) / 1e6;
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
