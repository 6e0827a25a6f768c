#include "window/drawingpanel.h"

#include "drawing/devicepaint.h"
#include "window/timing.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

PanelSurface::PanelSurface(Canvas &canvas)
    : canvas_(canvas)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelSurface::paintEvent(QPaintEvent *e)
{
    const Timing::Stopwatch watch;
    paint(e);
    watch.report(Timing::panelPainted);
}

void PanelSurface::paint(QPaintEvent *e)
{
    QPainter p(this);
    p.fillRect(rect(), Rgb::panel());
    const double scale = redrawScale(p);
    if (scale == 0) {
        p.drawImage(e->rect().topLeft(), canvas_.image(), e->rect());
        return;
    }
    // The part to paint drawn afresh at the screen's resolution, not
    // enlarged, over every device pixel just filled.
    const QRect area = designAreaFor(p, e->rect(), scale) & canvas_.image().rect();
    if (area.isEmpty())
        return;
    drawOnDevicePixels(p, canvas_.rendering(scale, area), Canvas::deviceRect(area, scale).topLeft());
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
    // Only what changed is painted again: away from design size a paint
    // draws its part afresh.
    canvas_.setChangeHook([this](const QRect &area) { client()->update(area); });
    canvas_.setRefreshHook([this](const QRect &area) {
        if (isVisible() && !area.isEmpty())
            client()->repaint(area);
    });
}
