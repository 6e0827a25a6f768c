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
