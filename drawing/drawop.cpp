#include "drawing/drawop.h"

#include "drawing/glyphs.h"
#include "drawing/pixelops.h"
#include "drawing/ruby.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QRect widened(const QRect &r, int by)
{
    return r.adjusted(-by, -by, by, by);
}

// The pixels from one corner to the other, both included, in any order.
QRect spanned(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())), QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// Design pixels, both corners included, on the device.
void block(const DevicePart &d, const QRect &r, QRgb c)
{
    Pixels::fillRect(d.image, d.x(r.left()), d.y(r.top()), d.lastX(r.right()), d.lastY(r.bottom()), c);
}

// Paints one shape. At scale 1, texts and rounded rectangles are drawn by
// Qt itself, as the design picture has always been: its smoothed glyphs and
// its pen-drawn rounded outline are exact design pixels that the program and
// its tests rely on, and filling the same outline instead would move 71 of a
// lane band's corner pixels. Every other shape paints the design through the
// same code as every other scale.
struct Painter {
    const DevicePart &d;
    QRect painted;

    bool design() const { return d.grid.s == 1.0; }

    void operator()(const Draw::Line &l)
    {
        if (const auto k = l.straight()) {
            block(d, k->pixels, k->colour);
            return;
        }
        const QPoint a = d.centre(l.from.x(), l.from.y()), b = d.centre(l.to.x(), l.to.y());
        Pixels::line(d.image, a.x(), a.y(), b.x(), b.y(), d.grid.lineWidth(), l.colour);
    }

    void operator()(const Draw::Box &b)
    {
        for (const Draw::Block &k : b.blocks())
            block(d, k.pixels, k.colour);
    }

    void operator()(const Draw::Text &t)
    {
        const int ascent = QFontMetrics(t.font).ascent();
        if (design()) {
            QPainter p(&d.image);
            p.setPen(QColor::fromRgb(t.colour));
            p.translate(-d.origin);
            Ruby::paint(p, t.font, t.text, t.at, t.ruby);
            return;
        }
        glyphs(t.font, t.text, QPoint(t.at.x(), t.at.y() + ascent), t.colour);
        for (const Ruby::Place &r : Ruby::over(t.font, t.text, t.at, t.ruby))
            glyphs(r.font, r.kana, r.pen, t.colour);
    }

    // A line's glyphs drawn afresh at the part's scale, the pen at a design
    // point on the baseline.
    void glyphs(const QFont &font, const QString &text, QPoint pen, QRgb colour)
    {
        const int baseline = static_cast<int>(std::lround(pen.y() * d.grid.s)) - d.origin.y();
        Glyphs::draw(d.image, font, d.grid.s, text, QPointF(d.x(pen.x()), baseline), colour);
    }

    void operator()(const Draw::Rounded &r)
    {
        const Draw::RoundedShape shape = r.on(d.grid);
        QPainter p(&d.image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-d.origin);
        if (design()) {
            // A one-pixel pen on a rectangle w wide covers w + 1 pixels.
            p.setPen(QPen(QColor::fromRgb(r.edge), 1));
            p.setBrush(r.inside ? QBrush(QColor::fromRgb(*r.inside)) : QBrush(Qt::NoBrush));
            p.drawRoundedRect(shape.outer.adjusted(0, 0, -1, -1), shape.rx, shape.ry);
        } else if (r.inside) {
            p.fillPath(shape.outside(), QColor::fromRgb(r.edge));
            if (*r.inside != r.edge)
                p.fillPath(shape.inside(), QColor::fromRgb(*r.inside));
        } else {
            p.fillPath(shape.outside().subtracted(shape.inside()), QColor::fromRgb(r.edge));
        }
    }

    void operator()(const Draw::Blank &b) { (*this)(b.card); }

    void operator()(const Draw::Fill &f)
    {
        const QPoint seed = d.centre(f.seed.x(), f.seed.y());
        const QRect limit = f.reach.isNull() ? QRect() : d.grid.map(f.reach).translated(-d.origin);
        painted = Pixels::floodFill(d.image, seed.x(), seed.y(), f.border, f.colour, limit);
    }
};

} // namespace

namespace Draw {

std::optional<Block> Line::straight() const
{
    if (from.x() != to.x() && from.y() != to.y())
        return std::nullopt;
    return Block{spanned(from, to), colour};
}

QVarLengthArray<Block, 5> Box::blocks() const
{
    const QRect &r = rect;
    QVarLengthArray<Block, 5> all;
    if (inside && r.width() > 2 && r.height() > 2)
        all.append({r.adjusted(1, 1, -1, -1), *inside});
    all.append({QRect(r.topLeft(), r.topRight()), edge});
    all.append({QRect(r.bottomLeft(), r.bottomRight()), edge});
    all.append({QRect(r.topLeft(), r.bottomLeft()), edge});
    all.append({QRect(r.topRight(), r.bottomRight()), edge});
    return all;
}

QPainterPath RoundedShape::outside() const
{
    QPainterPath path;
    path.addRoundedRect(outer, rx, ry);
    return path;
}

QPainterPath RoundedShape::inside() const
{
    QPainterPath path;
    path.addRoundedRect(outer.adjusted(pen, pen, -pen, -pen), std::max(0.0, rx - pen), std::max(0.0, ry - pen));
    return path;
}

RoundedShape Rounded::on(const DeviceGrid &grid) const
{
    const QRectF outer(QPointF(grid.at(card.left()), grid.at(card.top())),
                       QPointF(grid.at(card.right() + 1), grid.at(card.bottom() + 1)));
    return {outer, corner.width() / 2.0 * grid.s, corner.height() / 2.0 * grid.s, grid.lineWidth()};
}

} // namespace Draw

QRect inkOf(const Draw::Text &t)
{
    const QFontMetrics fm(t.font);
    const QRect base = fm.boundingRect(t.text).translated(t.at.x(), t.at.y() + fm.ascent());
    return t.ruby.empty() ? base : base.united(Ruby::ink(Ruby::over(t.font, t.text, t.at, t.ruby)));
}

QRect boundsOf(const Draw::Shape &shape)
{
    struct Bounds {
        // Drawn thicker, lines and edges may reach into the next design pixel.
        QRect operator()(const Draw::Line &l) const { return widened(spanned(l.from, l.to), 1); }
        QRect operator()(const Draw::Box &b) const { return widened(b.rect, 1); }
        // Glyphs drawn larger may reach a little further than their design ink.
        QRect operator()(const Draw::Text &t) const { return widened(inkOf(t), 2); }
        QRect operator()(const Draw::Rounded &r) const { return r.card; }
        QRect operator()(const Draw::Blank &b) const { return b.card.card; }
        QRect operator()(const Draw::Fill &f) const { return f.reach; }
    };
    return std::visit(Bounds{}, shape);
}

QRect paintShape(const DevicePart &device, const Draw::Shape &shape)
{
    Painter p{device, QRect()};
    std::visit(p, shape);
    return p.painted;
}

bool hides(const Draw::Blank &blank, const DrawOp &op)
{
    const Draw::Rounded &card = blank.card;
    auto sameCard = [&](const Draw::Rounded &r) { return r.card == card.card && r.corner == card.corner; };
    if (const auto *r = std::get_if<Draw::Rounded>(&op.shape); r && sameCard(*r))
        return true;
    if (const auto *b = std::get_if<Draw::Blank>(&op.shape); b && sameCard(b->card))
        return true;
    // Inside the design's outline, a device pixel stays clear of the curve
    // however the card's edges round at any scale from a half up.
    const QRect inner = card.card.adjusted(1, 1, -1, -1);
    if (!inner.contains(op.bounds))
        return false;
    const int rx = (card.corner.width() + 1) / 2, ry = (card.corner.height() + 1) / 2;
    // Away from the rounded corners the rectangle decides.
    if (inner.adjusted(rx, 0, -rx, 0).contains(op.bounds) || inner.adjusted(0, ry, 0, -ry).contains(op.bounds))
        return true;
    return card.on(DeviceGrid{1.0}).inside().contains(QRectF(op.bounds));
}
