#include "drawing/drawop.h"

#include "drawing/pixelops.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace {

// The design rectangle (x1, y1)-(x2, y2), both included, on the device.
void block(const DevicePart &d, int x1, int y1, int x2, int y2, QRgb c)
{
    Pixels::fillRect(d.image, d.x(x1), d.y(y1), d.lastX(x2), d.lastY(y2), c);
}

void paintLine(const DevicePart &d, const QRect &r, QRgb c)
{
    const int x1 = r.x(), y1 = r.y(), x2 = r.x() + r.width(), y2 = r.y() + r.height();
    if (x1 == x2 || y1 == y2) {
        // Straight lines are whole design pixels, so they meet the boxes exactly.
        block(d, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), c);
        return;
    }
    const QPoint a = d.centre(x1, y1), b = d.centre(x2, y2);
    Pixels::line(d.image, a.x(), a.y(), b.x(), b.y(), d.grid.lineWidth(), c);
}

void paintBox(const DevicePart &d, const DrawOp &op)
{
    const QRect &r = op.geometry;
    const int x1 = std::min(r.x(), r.x() + r.width()), x2 = std::max(r.x(), r.x() + r.width());
    const int y1 = std::min(r.y(), r.y() + r.height()), y2 = std::max(r.y(), r.y() + r.height());
    if (op.kind == DrawOp::Kind::FilledBox) {
        block(d, x1, y1, x2, y2, op.colour);
        return;
    }
    if (op.solid && x2 - x1 >= 2 && y2 - y1 >= 2)
        block(d, x1 + 1, y1 + 1, x2 - 1, y2 - 1, op.fill);
    block(d, x1, y1, x2, y1, op.colour);
    block(d, x1, y2, x2, y2, op.colour);
    block(d, x1, y1, x1, y2, op.colour);
    block(d, x2, y1, x2, y2, op.colour);
}

// A glyph's coverage at one size, drawn once: Qt draws glyphs larger than
// its own cache holds as paths, every time, which is slow at three times.
struct Glyph {
    QImage coverage; // Alpha8
    QPoint offset;   // of its top-left from the pen position on the baseline
};

const Glyph &glyph(const QRawFont &font, quint32 index)
{
    static QHash<QString, Glyph> cache;
    const QString key = QStringLiteral("%1/%2/%3/%4")
                            .arg(font.familyName())
                            .arg(font.pixelSize())
                            .arg(static_cast<int>(font.weight()))
                            .arg(index);
    auto found = cache.find(key);
    if (found != cache.end())
        return *found;
    if (cache.size() > 4000)
        cache.clear(); // sizes no longer shown
    const QPainterPath path = font.pathForGlyph(index);
    const QRect box = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    Glyph g{QImage(box.size().expandedTo(QSize(1, 1)), QImage::Format_Alpha8), box.topLeft()};
    g.coverage.fill(0);
    QPainter p(&g.coverage);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-box.topLeft());
    p.fillPath(path, Qt::black);
    p.end();
    return *cache.insert(key, std::move(g));
}

// Lays colour c over img where the glyph covers it, in proportion.
void blend(QImage &img, QPoint at, const QImage &coverage, QRgb c)
{
    const QRect area = QRect(at, coverage.size()) & img.rect();
    const int cr = qRed(c), cg = qGreen(c), cb = qBlue(c);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar *a = coverage.constScanLine(y - at.y()) + (area.left() - at.x());
        QRgb *d = reinterpret_cast<QRgb *>(img.scanLine(y)) + area.left();
        for (int x = 0; x < area.width(); ++x) {
            const int k = a[x];
            if (k == 0)
                continue;
            const QRgb o = d[x];
            auto mix = [k](int fore, int back) { return (fore * k + back * (255 - k) + 127) / 255; };
            d[x] = qRgb(mix(cr, qRed(o)), mix(cg, qGreen(o)), mix(cb, qBlue(o)));
        }
    }
}

void paintText(const DevicePart &d, const DrawOp &op)
{
    const int ascent = QFontMetrics(op.font).ascent();
    QFont f = op.font;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(op.font.pixelSize() * d.grid.s))));
    const QRawFont raw = QRawFont::fromFont(f);
    const QList<quint32> glyphs = raw.glyphIndexesForString(op.text);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    const int baseline = static_cast<int>(std::lround((op.geometry.y() + ascent) * d.grid.s)) - d.origin.y();
    double pen = d.x(op.geometry.x());
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const Glyph &one = glyph(raw, glyphs[i]);
        blend(d.image, QPoint(static_cast<int>(std::floor(pen + 0.5)), baseline) + one.offset, one.coverage, op.colour);
        pen += advances[i].x();
    }
}

void paintRoundRect(const DevicePart &d, const DrawOp &op)
{
    const QRect &r = op.geometry;
    const QRectF outer(QPointF(d.x(r.left()), d.y(r.top())), QPointF(d.x(r.right()), d.y(r.bottom())));
    const double rx = op.corner.width() / 2.0 * d.grid.s, ry = op.corner.height() / 2.0 * d.grid.s;
    const int pen = d.grid.lineWidth();
    QPainterPath outside, inside;
    outside.addRoundedRect(outer, rx, ry);
    inside.addRoundedRect(outer.adjusted(pen, pen, -pen, -pen), std::max(0.0, rx - pen), std::max(0.0, ry - pen));
    QPainter p(&d.image);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (op.solid) {
        p.fillPath(outside, QColor::fromRgb(op.colour));
        if (op.fill != op.colour)
            p.fillPath(inside, QColor::fromRgb(op.fill));
    } else {
        p.fillPath(outside.subtracted(inside), QColor::fromRgb(op.colour));
    }
}

} // namespace

void paintOp(const DevicePart &device, const DrawOp &op)
{
    switch (op.kind) {
    case DrawOp::Kind::Line: paintLine(device, op.geometry, op.colour); break;
    case DrawOp::Kind::Box:
    case DrawOp::Kind::FilledBox: paintBox(device, op); break;
    case DrawOp::Kind::Text: paintText(device, op); break;
    case DrawOp::Kind::RoundRect: paintRoundRect(device, op); break;
    case DrawOp::Kind::Fill: {
        // Where the design's fill went, drawn larger: it can reach no further.
        const QPoint seed = device.centre(op.geometry.x(), op.geometry.y());
        Pixels::floodFill(device.image, seed.x(), seed.y(), op.colour, op.fill,
                          device.grid.map(op.bounds).translated(-device.origin));
        break;
    }
    }
}
