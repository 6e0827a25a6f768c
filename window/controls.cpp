#include "window/controls.h"

#include "drawing/devicepaint.h"
#include "platform/zoom.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

QString indexed(const char *control, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(index);
}

void QuietLabel::mousePressEvent(QMouseEvent *e)
{
    e->accept();
}

void QuietLabel::mouseReleaseEvent(QMouseEvent *e)
{
    e->accept();
}

void QuietLabel::mouseDoubleClickEvent(QMouseEvent *e)
{
    e->accept();
}

Picture::Picture(QWidget *parent, const QString &name, const QString &gif, const QString &largeRendering, QPoint at)
    : QuietLabel(parent)
    , large_(largeRendering)
{
    setObjectName(name);
    const QPixmap pix(gif);
    setPixmap(pix);
    setGeometry(QRect(at, pix.isNull() ? QSize(1, 1) : pix.size()));
}

void Picture::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    const double scale = redrawScale(p);
    if (scale == 0) {
        p.end();
        QuietLabel::paintEvent(e);
        return;
    }
    if (scale != shownScale_) {
        // Read only when needed: at design size the large rendering is never loaded.
        const QImage large(large_);
        const QSize target(static_cast<int>(std::lround(width() * scale)),
                           static_cast<int>(std::lround(height() * scale)));
        shown_ = (large.isNull() ? pixmap().toImage() : large).scaled(target, Qt::IgnoreAspectRatio,
                                                                      Qt::SmoothTransformation);
        shownScale_ = scale;
    }
    drawOnDevicePixels(p, shown_);
}

AnswerBox::AnswerBox(QWidget *parent)
    : QLineEdit(parent)
{
    // Made inside the zoomed drill, its menu would otherwise be drawn inside
    // the view, clipped by it, and could not be taken out again.
    setWindowFlag(Qt::BypassGraphicsProxyWidget);
}

void AnswerBox::contextMenuEvent(QContextMenuEvent *e)
{
    QMenu *menu = createStandardContextMenu();
    // Without a parent the menu is not tinted with the box's colour.
    menu->setParent(nullptr, menu->windowFlags());
    zoomMenu(*menu, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}
