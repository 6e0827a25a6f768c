#include "drawop.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The design rectangle (x1, y1)-(x2, y2), both included, on the device.
void block(QImage &img, const DeviceGrid &g, int x1, int y1, int x2, int y2, QRgb c)
{
    Pixels::fillRect(img, g.at(x1), g.at(y1), g.last(x2), g.last(y2), c);
}

void paintLine(QImage &img, const DeviceGrid &g, const QRect &r, QRgb c)
{
    const int x1 = r.x(), y1 = r.y(), x2 = r.x() + r.width(), y2 = r.y() + r.height();
    if (x1 == x2 || y1 == y2) {
        // Straight lines are whole design pixels, so they meet the boxes exactly.
        block(img, g, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), c);
        return;
    }
    Pixels::line(img, g.centre(x1), g.centre(y1), g.centre(x2), g.centre(y2), g.lineWidth(), c);
}

void paintBox(QImage &img, const DeviceGrid &g, const DrawOp &op)
{
    const QRect &r = op.geometry;
    const int x1 = std::min(r.x(), r.x() + r.width()), x2 = std::max(r.x(), r.x() + r.width());
    const int y1 = std::min(r.y(), r.y() + r.height()), y2 = std::max(r.y(), r.y() + r.height());
    if (op.kind == DrawOp::Kind::FilledBox) {
        block(img, g, x1, y1, x2, y2, op.colour);
        return;
    }
    if (op.solid && x2 - x1 >= 2 && y2 - y1 >= 2)
        block(img, g, x1 + 1, y1 + 1, x2 - 1, y2 - 1, op.fill);
    block(img, g, x1, y1, x2, y1, op.colour);
    block(img, g, x1, y2, x2, y2, op.colour);
    block(img, g, x1, y1, x1, y2, op.colour);
    block(img, g, x2, y1, x2, y2, op.colour);
}

void paintText(QImage &img, const DeviceGrid &g, const DrawOp &op)
{
    const int ascent = QFontMetrics(op.font).ascent();
    QFont f = op.font;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(op.font.pixelSize() * g.s))));
    QPainter p(&img);
    p.setFont(f);
    p.setPen(QColor::fromRgb(op.colour));
    p.drawText(QPointF(g.at(op.geometry.x()), std::round((op.geometry.y() + ascent) * g.s)), op.text);
}

void paintRoundRect(QImage &img, const DeviceGrid &g, const DrawOp &op)
{
    const QRect &r = op.geometry;
    const QRectF outer(QPointF(g.at(r.left()), g.at(r.top())), QPointF(g.at(r.right()), g.at(r.bottom())));
    const double rx = op.corner.width() / 2.0 * g.s, ry = op.corner.height() / 2.0 * g.s;
    const int pen = g.lineWidth();
    QPainterPath outside, inside;
    outside.addRoundedRect(outer, rx, ry);
    inside.addRoundedRect(outer.adjusted(pen, pen, -pen, -pen), std::max(0.0, rx - pen), std::max(0.0, ry - pen));
    QPainter p(&img);
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

void paintOp(QImage &device, const DeviceGrid &grid, const DrawOp &op)
{
    switch (op.kind) {
    case DrawOp::Kind::Line: paintLine(device, grid, op.geometry, op.colour); break;
    case DrawOp::Kind::Box:
    case DrawOp::Kind::FilledBox: paintBox(device, grid, op); break;
    case DrawOp::Kind::Text: paintText(device, grid, op); break;
    case DrawOp::Kind::RoundRect: paintRoundRect(device, grid, op); break;
    case DrawOp::Kind::Fill:
        Pixels::floodFill(device, grid.centre(op.geometry.x()), grid.centre(op.geometry.y()), op.colour, op.fill);
        break;
    }
}
