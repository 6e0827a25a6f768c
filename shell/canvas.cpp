#include "canvas.h"

#include "fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>
#include <vector>

Canvas::Canvas(QSize size, QColor background)
    : image_(size, QImage::Format_RGB32)
{
    image_.fill(background);
    setFontSizePt(24);
}

void Canvas::setFontSizePt(double points)
{
    fontPt_ = points;
    font_ = Fonts::make(Fonts::Gothic, points, false);
}

QRgb Canvas::pixel(int x, int y) const
{
    return image_.valid(x, y) ? image_.pixel(x, y) : 0;
}

void Canvas::setPixel(int x, int y, QRgb c)
{
    if (image_.valid(x, y))
        reinterpret_cast<QRgb *>(image_.scanLine(y))[x] = c;
}

void Canvas::fillSpan(int x1, int x2, int y, QRgb c)
{
    if (y < 0 || y >= image_.height())
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, image_.width() - 1);
    QRgb *row = reinterpret_cast<QRgb *>(image_.scanLine(y));
    for (int x = x1; x <= x2; ++x)
        row[x] = c;
}

void Canvas::line(int x, int y, int dx, int dy, QColor c)
{
    const QRgb rgb = c.rgb();
    // Bresenham from (x, y) to (x + dx, y + dy), both ends included.
    const int ax = std::abs(dx), ay = std::abs(dy);
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    int err = ax - ay;
    int px = x, py = y;
    const int ex = x + dx, ey = y + dy;
    for (;;) {
        setPixel(px, py, rgb);
        if (px == ex && py == ey)
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
    changed();
}

void Canvas::box(int x, int y, int dx, int dy, QColor c)
{
    const int x1 = std::min(x, x + dx), x2 = std::max(x, x + dx);
    const int y1 = std::min(y, y + dy), y2 = std::max(y, y + dy);
    if (Fill == FillStyle::Solid) {
        const QRgb f = FillColor.rgb();
        for (int yy = y1 + 1; yy < y2; ++yy)
            fillSpan(x1 + 1, x2 - 1, yy, f);
    }
    const QRgb rgb = c.rgb();
    fillSpan(x1, x2, y1, rgb);
    fillSpan(x1, x2, y2, rgb);
    for (int yy = y1; yy <= y2; ++yy) {
        setPixel(x1, yy, rgb);
        setPixel(x2, yy, rgb);
    }
    changed();
}

void Canvas::filledBox(int x, int y, int dx, int dy, QColor c)
{
    const int x1 = std::min(x, x + dx), x2 = std::max(x, x + dx);
    const int y1 = std::min(y, y + dy), y2 = std::max(y, y + dy);
    for (int yy = y1; yy <= y2; ++yy)
        fillSpan(x1, x2, yy, c.rgb());
    changed();
}

QRect Canvas::print(const QString &text)
{
    const QFontMetrics fm(font_);
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(ForeColor);
    p.drawText(QPoint(CurrentX, CurrentY + fm.ascent()), text);
    changed();
    return textRect(text);
}

QRect Canvas::textRect(const QString &text) const
{
    // The line box and the ink, which can stick out of it on either side.
    const QFontMetrics fm(font_);
    const QRect lineBox(CurrentX, CurrentY, fm.horizontalAdvance(text), fm.height());
    const QRect ink = fm.boundingRect(text).translated(CurrentX, CurrentY + fm.ascent());
    return lineBox.united(ink).adjusted(-1, -1, 1, 1);
}

void Canvas::refresh()
{
    if (refreshHook_)
        refreshHook_();
}

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int w, int h)
{
    if (!dc || right - left < 2 || bottom - top < 2)
        return false;
    QPainter p(&dc->image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(dc->ForeColor, 1));
    if (dc->Fill == FillStyle::Solid)
        p.setBrush(dc->FillColor);
    else
        p.setBrush(Qt::NoBrush);
    // A one-pixel pen on QRect(x, y, w, h) covers x .. x + w, so this stays
    // inside left .. right - 1 and top .. bottom - 1.
    p.drawRoundedRect(QRect(left, top, right - left - 1, bottom - top - 1), w / 2.0, h / 2.0);
    p.end();
    dc->changed();
    return true;
}

bool FloodFill(HDC dc, int x, int y, QRgb border)
{
    if (!dc)
        return false;
    QImage &img = dc->image_;
    const QRgb stop = border & 0xffffff;
    auto isBorder = [&](int px, int py) { return (img.pixel(px, py) & 0xffffff) == stop; };
    if (!img.valid(x, y) || isBorder(x, y))
        return false;
    if (dc->Fill != FillStyle::Solid)
        return true; // a hollow brush paints nothing
    const QRgb fill = dc->FillColor.rgb();
    const int w = img.width(), h = img.height();
    std::vector<uint8_t> seen(static_cast<size_t>(w) * h, 0);
    auto mark = [&](int px, int py) -> uint8_t & { return seen[static_cast<size_t>(py) * w + px]; };

    // Scanline fill over 4-neighbours: a one-pixel diagonal is a wall.
    std::vector<QPoint> stack{QPoint(x, y)};
    while (!stack.empty()) {
        const QPoint s = stack.back();
        stack.pop_back();
        int py = s.y();
        if (mark(s.x(), py) || isBorder(s.x(), py))
            continue;
        int x1 = s.x();
        while (x1 > 0 && !mark(x1 - 1, py) && !isBorder(x1 - 1, py))
            --x1;
        int x2 = s.x();
        while (x2 < w - 1 && !mark(x2 + 1, py) && !isBorder(x2 + 1, py))
            ++x2;
        QRgb *row = reinterpret_cast<QRgb *>(img.scanLine(py));
        for (int px = x1; px <= x2; ++px) {
            mark(px, py) = 1;
            row[px] = fill;
        }
        for (int ny : {py - 1, py + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            bool inRun = false;
            for (int px = x1; px <= x2; ++px) {
                const bool open = !mark(px, ny) && !isBorder(px, ny);
                if (open && !inRun)
                    stack.emplace_back(px, ny);
                inRun = open;
            }
        }
    }
    dc->changed();
    return true;
}
