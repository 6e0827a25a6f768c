#include "window/controls.h"

#include "drawing/devicepaint.h"
#include "platform/zoom.h"

#include <QContextMenuEvent>
#include <QHash>
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

namespace {

// The same pixels with a colour table, where they have 256 colours or fewer:
// a quarter of the memory, and drawn exactly as before.
QImage indexedCopy(const QImage &image)
{
    QHash<QRgb, int> index;
    QList<QRgb> table;
    QImage indexed(image.size(), QImage::Format_Indexed8);
    for (int y = 0; y < image.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *to = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (x > 0 && from[x] == from[x - 1]) {
                to[x] = to[x - 1];
                continue;
            }
            auto found = index.constFind(from[x]);
            if (found == index.constEnd()) {
                if (table.size() == 256)
                    return image;
                found = index.insert(from[x], int(table.size()));
                table.append(from[x]);
            }
            to[x] = static_cast<uchar>(*found);
        }
    }
    indexed.setColorTable(table);
    return indexed;
}

} // namespace

Picture::Picture(QWidget *parent, const QString &name, const QString &gif, const QString &largeRendering, QPoint at)
    : QuietLabel(parent)
    , picture_(indexedCopy(QImage(gif).convertToFormat(QImage::Format_ARGB32)))
    , large_(largeRendering)
{
    setObjectName(name);
    setGeometry(QRect(at, picture_.isNull() ? QSize(1, 1) : picture_.size()));
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const double scale = redrawScale(p);
    if (scale == 0) {
        p.drawImage(0, 0, picture_);
        return;
    }
    if (scale != shownScale_) {
        // Read only when needed: at design size the large rendering is never loaded.
        const QImage large(large_);
        const QSize target(static_cast<int>(std::lround(width() * scale)),
                           static_cast<int>(std::lround(height() * scale)));
        shown_ = (large.isNull() ? picture_ : large).scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
