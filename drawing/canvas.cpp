#include "drawing/canvas.h"

#include "drawing/fonts.h"
#include "drawing/pixelops.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The box from (x, y) by (dx, dy), both corners included.
QRect spanned(int x, int y, int dx, int dy)
{
    return QRect(QPoint(std::min(x, x + dx), std::min(y, y + dy)), QPoint(std::max(x, x + dx), std::max(y, y + dy)));
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

std::optional<QRgb> Canvas::currentFill() const
{
    return Fill == FillStyle::Solid ? std::optional<QRgb>(FillColor.rgb()) : std::nullopt;
}

void Canvas::draw(Draw::Shape shape)
{
    const QRect painted = paintShape(DevicePart{image_, QPoint(), DeviceGrid{1.0}}, shape);
    if (auto *fill = std::get_if<Draw::Fill>(&shape))
        fill->reach = painted.adjusted(-1, -1, 1, 1);
    DrawOp op{std::move(shape), QRect(), ++serial_};
    op.bounds = boundsOf(op.shape);
    if (const auto *blank = std::get_if<Draw::Blank>(&op.shape))
        ops_.erase(std::remove_if(ops_.begin(), ops_.end(), [&](const DrawOp &o) { return hides(*blank, o); }),
                   ops_.end());
    const QRect area = op.bounds;
    ops_.push_back(std::move(op));
    changed(area);
}

void Canvas::line(int x, int y, int dx, int dy, QColor c)
{
    draw(Draw::Line{QPoint(x, y), QPoint(x + dx, y + dy), c.rgb()});
}

void Canvas::box(int x, int y, int dx, int dy, QColor c)
{
    draw(Draw::Box{spanned(x, y, dx, dy), c.rgb(), currentFill()});
}

void Canvas::filledBox(int x, int y, int dx, int dy, QColor c)
{
    draw(Draw::Box{spanned(x, y, dx, dy), c.rgb(), c.rgb()});
}

Draw::Text Canvas::textAt(const QString &text) const
{
    return Draw::Text{QPoint(CurrentX, CurrentY), text, font_, ForeColor.rgb(),
                      furigana_ ? Furigana::spans(text) : std::vector<Furigana::Span>()};
}

QRect Canvas::print(const QString &text)
{
    draw(textAt(text));
    return textRect(text);
}

void Canvas::blank(const QRect &card, QSize corner)
{
    draw(Draw::Blank{Draw::Rounded{card, corner, FillColor.rgb(), FillColor.rgb()}});
}

bool Canvas::floodFill(QPoint seed, QRgb border)
{
    if (!image_.valid(seed) || (image_.pixel(seed) & 0xffffff) == (border & 0xffffff))
        return false;
    if (Fill == FillStyle::Solid) // a hollow brush paints nothing
        draw(Draw::Fill{seed, border & 0xffffff, FillColor.rgb(), QRect()});
    return true;
}

QRect Canvas::textRect(const QString &text) const
{
    // The line box and the ink, which can stick out of it on either side.
    const QFontMetrics fm(font_);
    const QRect lineBox(CurrentX, CurrentY, fm.horizontalAdvance(text), fm.height());
    return lineBox.united(inkOf(textAt(text))).adjusted(-1, -1, 1, 1);
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
            if (std::holds_alternative<Draw::Fill>(o.shape) && o.bounds.intersects(needed) && !needed.contains(o.bounds)) {
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
            paintShape(part, o.shape);
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
    // Only what was drawn there since: a lane's hint stays while the other
    // lanes draw, and must not take their drawing with it.
    ops_.erase(std::remove_if(ops_.begin(), ops_.end(),
                              [&](const DrawOp &o) { return o.serial > saved.serial && saved.area.intersects(o.bounds); }),
               ops_.end());
    changed(saved.area);
}
