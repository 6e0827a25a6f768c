#include "drawing/pixelops.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace Pixels {

void fillRect(QImage &img, int x1, int y1, int x2, int y2, QRgb c)
{
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, img.width() - 1);
    y2 = std::min(y2, img.height() - 1);
    if (x1 > x2)
        return;
    for (int y = y1; y <= y2; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        std::fill(row + x1, row + x2 + 1, c);
    }
}

void line(QImage &img, int x1, int y1, int x2, int y2, int width, QRgb c)
{
    const int dx = x2 - x1, dy = y2 - y1;
    const int ax = std::abs(dx), ay = std::abs(dy);
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    // The run goes across the main direction: up and down along a flat
    // line, left and right along a steep one.
    const bool flat = ax >= ay;
    const int before = (width - 1) / 2, after = width / 2;
    int err = ax - ay;
    int px = x1, py = y1;
    for (;;) {
        if (flat)
            fillRect(img, px, py - before, px, py + after, c);
        else
            fillRect(img, px - before, py, px + after, py, c);
        if (px == x2 && py == y2)
            break;
        const int e2 = 2 * err;
        if (e2 > -ay) {
            err -= ay;
            px += sx;
        }
        if (e2 < ax) {
            err += ax;
            py += sy;
        }
    }
}

QRect floodFill(QImage &img, int x, int y, QRgb stop, QRgb fill, QRect limit)
{
    limit = limit.isEmpty() ? img.rect() : limit & img.rect();
    stop &= 0xffffff;
    auto isBorder = [&](int px, int py) {
        return (reinterpret_cast<const QRgb *>(img.constScanLine(py))[px] & 0xffffff) == stop;
    };
    if (!limit.contains(x, y) || isBorder(x, y))
        return {};
    const int left0 = limit.left(), top0 = limit.top(), w = limit.width();
    std::vector<uint8_t> seen(static_cast<size_t>(w) * limit.height(), 0);
    auto mark = [&](int px, int py) -> uint8_t & { return seen[static_cast<size_t>(py - top0) * w + (px - left0)]; };
    QRect painted;

    // Scanline fill over 4-neighbours: a one-pixel diagonal is a wall.
    std::vector<QPoint> stack{QPoint(x, y)};
    while (!stack.empty()) {
        const QPoint s = stack.back();
        stack.pop_back();
        const int py = s.y();
        if (mark(s.x(), py) || isBorder(s.x(), py))
            continue;
        int left = s.x();
        while (left > limit.left() && !mark(left - 1, py) && !isBorder(left - 1, py))
            --left;
        int right = s.x();
        while (right < limit.right() && !mark(right + 1, py) && !isBorder(right + 1, py))
            ++right;
        QRgb *row = reinterpret_cast<QRgb *>(img.scanLine(py));
        for (int px = left; px <= right; ++px) {
            mark(px, py) = 1;
            row[px] = fill;
        }
        painted |= QRect(QPoint(left, py), QPoint(right, py));
        for (int ny : {py - 1, py + 1}) {
            if (ny < limit.top() || ny > limit.bottom())
                continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool open = !mark(px, ny) && !isBorder(px, ny);
                if (open && !inRun)
                    stack.emplace_back(px, ny);
                inRun = open;
            }
        }
    }
    return painted;
}

} // namespace Pixels
