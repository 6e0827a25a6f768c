#include "drawing/drawop.h"

#include "drawing/glyphs.h"
#include "drawing/pixelops.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

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

void paintText(const DevicePart &d, const DrawOp &op)
{
    const int ascent = QFontMetrics(op.font).ascent();
    const int baseline = static_cast<int>(std::lround((op.geometry.y() + ascent) * d.grid.s)) - d.origin.y();
    Glyphs::draw(d.image, op.font, d.grid.s, op.text, QPointF(d.x(op.geometry.x()), baseline), op.colour);
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
