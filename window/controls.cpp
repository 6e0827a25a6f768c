#include "window/controls.h"

#include "drawing/devicepaint.h"
#include "platform/zoom.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

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

void SpeakerButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton face;
    initStyleOption(&face);
    p.drawControl(QStyle::CE_PushButtonBevel, face);
    // The speaker in a box of 12 by 12 units in the middle of the button.
    const double u = std::min(width(), height()) / 18.0;
    p.translate(width() / 2.0 - 6 * u, height() / 2.0 - 6 * u);
    p.scale(u, u);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QColor ink = isEnabled() ? Qt::black : Qt::gray;
    p.setBrush(ink);
    const QPointF cone[] = {{0, 4}, {3, 4}, {7, 0.5}, {7, 11.5}, {3, 8}, {0, 8}};
    p.drawPolygon(cone, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(5, 3, 6, 6), -50 * 16, 100 * 16);
    p.drawArc(QRectF(3, 1, 10, 10), -55 * 16, 110 * 16);
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
