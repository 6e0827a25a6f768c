#include "drawing/devicepaint.h"

#include "drawing/devicegrid.h"

#include <cmath>

namespace {

// The device pixel nearest the widget's corner.
QPoint deviceCorner(const QTransform &toDevice)
{
    const QPointF corner = toDevice.map(QPointF(0, 0));
    return QPoint(static_cast<int>(std::round(corner.x())), static_cast<int>(std::round(corner.y())));
}

} // namespace

double redrawScale(const QPainter &p)
{
    const QTransform toDevice = p.deviceTransform();
    const double sx = std::round(toDevice.m11() * 1e6) / 1e6, sy = std::round(toDevice.m22() * 1e6) / 1e6;
    if (toDevice.type() > QTransform::TxScale || sx <= 0 || sx != sy || sx == 1.0)
        return 0;
    return sx;
}

QRect designAreaFor(const QPainter &p, const QRect &area, double scale)
{
    // Qt rounds the area to device pixels from the widget's place in the
    // window, the grid from the widget's own corner: at 125 % or 175 % they
    // differ by a pixel, either way.
    const QTransform toDevice = p.deviceTransform();
    const QRect device = toDevice.mapRect(QRectF(area)).toAlignedRect().adjusted(-1, -1, 1, 1);
    return DeviceGrid{scale}.covering(device.translated(-deviceCorner(toDevice)));
}

void drawOnDevicePixels(QPainter &p, const QImage &picture, QPoint offset)
{
    const QTransform toDevice = p.deviceTransform();
    const QPoint corner = deviceCorner(toDevice);
    const QTransform onDevice = QTransform::fromTranslate(corner.x(), corner.y());
    p.save();
    p.setWorldTransform(onDevice * toDevice.inverted() * p.worldTransform());
    p.drawImage(offset, picture);
    p.restore();
}
