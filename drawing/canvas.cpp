#include "drawing/canvas.h"

#include "drawing/fonts.h"
#include "drawing/pixelops.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The box from (x, y) by (dx, dy), both corners included.
QRect spanned(int x, int y, int dx, int dy)
{
    return QRect(QPoint(std::min(x, x + dx), std::min(y, y + dy)), QPoint(std::max(x, x + dx), std::max(y, y + dy)));
}

QRect widened(const QRect &r, int by)
{
    return r.adjusted(-by, -by, by, by);
}

} // namespace

Canvas::Canvas(QSize size, QColor background)
    : image_(size, QImage::Format_RGB32)
    , background_(background.rgb())
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

void Canvas::changed(const QRect &area)
{
    unshown_ |= area;
    if (changeHook_)
        changeHook_(area);
}

void Canvas::keep(DrawOp op)
{
    op.serial = ++serial_;
    if (op.kind == DrawOp::Kind::RoundRect && op.solid && op.fill == op.colour) {
        // A blanked band hides all that was drawn inside it before.
        QPainterPath covered;
        const QRect &r = op.geometry;
        covered.addRoundedRect(QRectF(r.left(), r.top(), r.right() - r.left(), r.bottom() - r.top()),
                               op.corner.width() / 2.0, op.corner.height() / 2.0);
        const QRect card(QPoint(r.left(), r.top()), QPoint(r.right() - 1, r.bottom() - 1));
        const int rx = (op.corner.width() + 1) / 2, ry = (op.corner.height() + 1) / 2;
        auto hidden = [&](const DrawOp &o) {
            if (o.kind == op.kind && o.geometry == op.geometry && o.corner == op.corner)
                return true;
            if (!card.contains(o.bounds))
                return false;
            // Away from the rounded corners the card's rectangle decides.
            if (card.adjusted(rx, 0, -rx, 0).contains(o.bounds) || card.adjusted(0, ry, 0, -ry).contains(o.bounds))
                return true;
            return covered.contains(QRectF(o.bounds));
        };
        ops_.erase(std::remove_if(ops_.begin(), ops_.end(), hidden), ops_.end());
    }
    const QRect area = op.bounds;
    ops_.push_back(std::move(op));
    changed(area);
}

void Canvas::line(int x, int y, int dx, int dy, QColor c)
{
    Pixels::line(image_, x, y, x + dx, y + dy, 1, c.rgb());
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.geometry = QRect(x, y, dx, dy);
    op.colour = c.rgb();
    op.bounds = widened(spanned(x, y, dx, dy), 1);
    keep(std::move(op));
}

void Canvas::box(int x, int y, int dx, int dy, QColor c)
{
    const QRect r = spanned(x, y, dx, dy);
    if (Fill == FillStyle::Solid)
        Pixels::fillRect(image_, r.left() + 1, r.top() + 1, r.right() - 1, r.bottom() - 1, FillColor.rgb());
    const QRgb rgb = c.rgb();
    Pixels::fillRect(image_, r.left(), r.top(), r.right(), r.top(), rgb);
    Pixels::fillRect(image_, r.left(), r.bottom(), r.right(), r.bottom(), rgb);
    Pixels::fillRect(image_, r.left(), r.top(), r.left(), r.bottom(), rgb);
    Pixels::fillRect(image_, r.right(), r.top(), r.right(), r.bottom(), rgb);
    DrawOp op;
    op.kind = DrawOp::Kind::Box;
    op.geometry = QRect(x, y, dx, dy);
    op.colour = rgb;
    op.fill = FillColor.rgb();
    op.solid = Fill == FillStyle::Solid;
    op.bounds = widened(r, 1);
    keep(std::move(op));
}

void Canvas::filledBox(int x, int y, int dx, int dy, QColor c)
{
    const QRect r = spanned(x, y, dx, dy);
    Pixels::fillRect(image_, r.left(), r.top(), r.right(), r.bottom(), c.rgb());
    DrawOp op;
    op.kind = DrawOp::Kind::FilledBox;
    op.geometry = QRect(x, y, dx, dy);
    op.colour = c.rgb();
    op.bounds = widened(r, 1);
    keep(std::move(op));
}

QRect Canvas::print(const QString &text)
{
    const QFontMetrics fm(font_);
    {
        QPainter p(&image_);
        p.setFont(font_);
        p.setPen(ForeColor);
        p.drawText(QPoint(CurrentX, CurrentY + fm.ascent()), text);
    }
    const QRect painted = textRect(text);
    const QRect ink = fm.boundingRect(text).translated(CurrentX, CurrentY + fm.ascent());
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.geometry = QRect(CurrentX, CurrentY, 0, 0);
    op.colour = ForeColor.rgb();
    op.text = text;
    op.font = font_;
    // Glyphs drawn larger may reach a little further than their design ink.
    op.bounds = widened(ink, 2);
    keep(std::move(op));
    return painted;
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
        refreshHook_(unshown_);
    unshown_ = QRect();
}

QImage Canvas::rendering(double scale, QRect area) const
{
    area = area.isEmpty() ? image_.rect() : area & image_.rect();
    if (scale == 1.0)
        return image_.copy(area);
    // A fill depends on the walls all round it: draw every fill that reaches
    // the area whole, with whatever else lies where it went.
    QRect needed = area;
    for (bool grown = true; grown;) {
        grown = false;
        for (const DrawOp &o : ops_) {
            if (o.kind == DrawOp::Kind::Fill && o.bounds.intersects(needed) && !needed.contains(o.bounds)) {
                needed |= o.bounds;
                grown = true;
            }
        }
    }
    needed &= image_.rect();
    const DeviceGrid grid{scale};
    const QRect device = grid.map(needed);
    QImage picture(device.size(), QImage::Format_RGB32);
    picture.fill(background_);
    const DevicePart part{picture, device.topLeft(), grid};
    for (const DrawOp &o : ops_)
        if (o.bounds.intersects(needed))
            paintOp(part, o);
    if (needed == area)
        return picture;
    return picture.copy(grid.map(area).translated(-device.topLeft()));
}

Canvas::Saved Canvas::save(const QRect &area)
{
    Saved s;
    s.area = area & image_.rect();
    s.design = image_.copy(s.area);
    s.serial = serial_;
    return s;
}

void Canvas::restore(const Saved &saved)
{
    {
        QPainter p(&image_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(saved.area.topLeft(), saved.design);
    }
    ops_.erase(std::remove_if(ops_.begin(), ops_.end(), [&](const DrawOp &o) { return o.serial > saved.serial; }),
               ops_.end());
    changed(saved.area);
}

namespace Gdi {

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int w, int h)
{
    if (!dc || right - left < 2 || bottom - top < 2)
        return false;
    {
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
    }
    DrawOp op;
    op.kind = DrawOp::Kind::RoundRect;
    op.geometry = QRect(QPoint(left, top), QPoint(right, bottom));
    op.corner = QSize(w, h);
    op.colour = dc->ForeColor.rgb();
    op.fill = dc->FillColor.rgb();
    op.solid = dc->Fill == FillStyle::Solid;
    op.bounds = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    dc->keep(std::move(op));
    return true;
}

bool FloodFill(HDC dc, int x, int y, QRgb border)
{
    if (!dc)
        return false;
    const QImage &img = dc->image_;
    if (!img.valid(x, y) || (img.pixel(x, y) & 0xffffff) == (border & 0xffffff))
        return false;
    if (dc->Fill != FillStyle::Solid)
        return true; // a hollow brush paints nothing
    DrawOp op;
    op.kind = DrawOp::Kind::Fill;
    op.geometry = QRect(x, y, 0, 0);
    op.colour = border & 0xffffff;
    op.fill = dc->FillColor.rgb();
    op.bounds = widened(Pixels::floodFill(dc->image_, x, y, border, op.fill), 1);
    dc->keep(std::move(op));
    return true;
}

} // namespace Gdi
