#include "drawingpanel.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

PanelSurface::PanelSurface(Canvas &canvas)
    : canvas_(canvas)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double deviceScale(const QTransform &toDevice)
{
    // Whole millionths, so that the same window size always reuses the
    // same picture.
    return std::round(toDevice.m11() * 1e6) / 1e6;
}

void PanelSurface::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    p.fillRect(rect(), Rgb::panel());
    const QTransform toDevice = p.deviceTransform();
    const double scale = deviceScale(toDevice);
    if (scale == 1.0 || toDevice.type() > QTransform::TxScale || toDevice.m22() != toDevice.m11() || scale <= 0) {
        p.drawImage(e->rect().topLeft(), canvas_.image(), e->rect());
        return;
    }
    // The picture drawn at the screen's resolution, set pixel for pixel on
    // the device, its corner on the device pixel nearest the panel's.
    const QImage &picture = canvas_.rendering(scale);
    const QPointF corner = toDevice.map(QPointF(0, 0));
    const QTransform onDevice = QTransform::fromTranslate(std::round(corner.x()), std::round(corner.y()));
    p.setWorldTransform(onDevice * toDevice.inverted() * p.worldTransform());
    p.drawImage(0, 0, picture);
}

void PanelSurface::mousePressEvent(QMouseEvent *e)
{
    // The design pixel under the pointer, whatever the scale.
    const QPointF pos = e->position();
    emit mousePressed(e->button(), e->modifiers(), static_cast<int>(std::floor(pos.x())),
                      static_cast<int>(std::floor(pos.y())));
}

DrawingPanel::DrawingPanel(const QString &name, QWidget *parent)
    : BorderBox(name, parent, new PanelSurface(canvas_))
    , canvas_(PictureSize, Rgb::panel())
{
    client()->setObjectName(name + QStringLiteral(".surface"));
    canvas_.setChangeHook([this] { client()->update(); });
    canvas_.setRefreshHook([this] {
        if (isVisible())
            client()->repaint();
    });
}
