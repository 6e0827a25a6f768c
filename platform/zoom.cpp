#include "platform/zoom.h"

#include <QFont>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMenu>

#include <algorithm>
#include <cmath>

QGraphicsView *zoomingView(const QWidget *w)
{
    if (!w)
        return nullptr;
    const QGraphicsProxyWidget *proxy = w->window()->graphicsProxyWidget();
    if (!proxy || !proxy->scene())
        return nullptr;
    const QList<QGraphicsView *> views = proxy->scene()->views();
    return views.isEmpty() ? nullptr : views.first();
}

double readingZoom(const QWidget *w)
{
    const QGraphicsView *view = zoomingView(w);
    return view ? std::max(1.0, view->transform().m11()) : 1.0;
}

QFont zoomed(const QFont &f, double zoom)
{
    if (zoom == 1.0)
        return f;
    QFont z = f;
    if (f.pixelSize() > 0)
        z.setPixelSize(static_cast<int>(std::lround(f.pixelSize() * zoom)));
    else
        z.setPointSizeF(f.pointSizeF() * zoom);
    return z;
}

void zoomMenu(QMenu &menu, const QWidget *w)
{
    const double zoom = readingZoom(w);
    if (zoom != 1.0)
        menu.setFont(zoomed(menu.font(), zoom));
}

double FitScale(QSize available, QSize window, QMargins frame)
{
    if (window.isEmpty() || available.isEmpty())
        return 1.0;
    // The frame keeps its size; only the window inside it is drawn smaller.
    const double w = double(available.width() - frame.left() - frame.right()) / window.width();
    const double h = double(available.height() - frame.top() - frame.bottom()) / window.height();
    const double f = std::clamp(std::min(w, h), MinZoom, 1.0);
    // Whole per-mille steps: the same screen always gives the same factor.
    return std::floor(f * 1000.0) / 1000.0;
}

double ZoomFor(QSize area, QSize content)
{
    if (content.isEmpty() || area.isEmpty())
        return 1.0;
    if (area == content)
        return 1.0;
    const double z = std::min(double(area.width()) / content.width(), double(area.height()) / content.height());
    // Whole per-mille steps, rounded down so that the content always fits.
    return std::max(MinZoom, std::floor(z * 1000.0 + 1e-9) / 1000.0);
}
