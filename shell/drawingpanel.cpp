#include "drawingpanel.h"

#include <QMouseEvent>
#include <QPainter>

PanelSurface::PanelSurface(Canvas &canvas)
    : canvas_(canvas)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelSurface::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    p.fillRect(rect(), Rgb::panel());
    p.drawImage(e->rect().topLeft(), canvas_.image(), e->rect());
}

void PanelSurface::mousePressEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    emit mousePressed(e->button(), e->modifiers(), pos.x(), pos.y());
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
