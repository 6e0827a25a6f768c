#include "drawing/paper.h"

#include "drawing/colours.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QPainterPath>

namespace {

// A flood fill's pixels are found on a picture this many times finer than
// the design, so the stairs of its diagonal edges stay under the outline.
constexpr double FillGridScale = 4;

QColor ink(QRgb screen)
{
    return QColor::fromRgb(Rgb::onPaper(screen));
}

// Design pixels, both corners included.
void block(QPainter &p, const QRect &r, QRgb c)
{
    p.fillRect(QRectF(r.topLeft(), r.bottomRight() + QPointF(1, 1)), ink(c));
}

struct PaperPainter {
    QPainter &p;
    // Where the fills go: the same operations painted at FillGridScale.
    QImage &fine;
    QPoint fineOrigin;

    void operator()(const Draw::Line &l)
    {
        if (const auto k = l.straight()) {
            block(p, k->pixels, k->colour);
            return;
        }
        // Through the end pixels' centres, one design pixel wide.
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(ink(l.colour), 1.0, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(QPointF(l.from) + QPointF(0.5, 0.5), QPointF(l.to) + QPointF(0.5, 0.5));
        p.restore();
    }

    void operator()(const Draw::Box &b)
    {
        for (const Draw::Block &k : b.blocks())
            block(p, k.pixels, k.colour);
    }

    void operator()(const Draw::Text &t)
    {
        p.setFont(t.font);
        p.setPen(ink(t.colour));
        p.drawText(QPointF(t.at.x(), t.at.y() + QFontMetrics(t.font).ascent()), t.text);
    }

    void operator()(const Draw::Rounded &r)
    {
        const Draw::RoundedShape shape = r.on(DeviceGrid{1.0});
        if (r.inside)
            p.fillPath(shape.inside(), ink(*r.inside));
        p.fillPath(shape.outside().subtracted(shape.inside()), ink(r.edge));
    }

    void operator()(const Draw::Blank &b)
    {
        const Draw::RoundedShape shape = b.card.on(DeviceGrid{1.0});
        p.fillPath(shape.outside(), ink(b.card.edge));
    }

    void operator()(const Draw::Fill &f)
    {
        // What the fill painted on the fine picture, as one outline.
        const DevicePart part{fine, fineOrigin, DeviceGrid{FillGridScale}};
        const QImage before = fine.copy();
        const QRect painted = paintShape(part, f);
        if (painted.isEmpty())
            return;
        // Index 1 is black, which a bitmap's region covers.
        QImage changed(painted.size(), QImage::Format_Mono);
        changed.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        changed.fill(0);
        for (int y = painted.top(); y <= painted.bottom(); ++y)
            for (int x = painted.left(); x <= painted.right(); ++x)
                if (fine.pixel(x, y) != before.pixel(x, y))
                    changed.setPixel(x - painted.left(), y - painted.top(), 1);
        QPainterPath area;
        area.addRegion(QRegion(QBitmap::fromImage(changed)));
        QTransform toDesign;
        toDesign.scale(1 / FillGridScale, 1 / FillGridScale);
        toDesign.translate(painted.left() + fineOrigin.x(), painted.top() + fineOrigin.y());
        p.fillPath(toDesign.map(area.simplified()), ink(f.colour));
    }
};

} // namespace

QRect paperBounds(const std::vector<DrawOp> &ops)
{
    QRect all;
    for (const DrawOp &op : ops)
        if (!std::holds_alternative<Draw::Blank>(op.shape))
            all |= op.bounds;
    return all;
}

void paintOnPaper(QPainter &p, const std::vector<DrawOp> &ops)
{
    const QRect area = paperBounds(ops);
    const DeviceGrid grid{FillGridScale};
    const QRect fineArea = grid.map(area);
    QImage fine(fineArea.size(), QImage::Format_RGB32);
    fine.fill(Qt::white);
    PaperPainter paper{p, fine, fineArea.topLeft()};
    const bool fills = std::any_of(ops.begin(), ops.end(),
                                   [](const DrawOp &op) { return std::holds_alternative<Draw::Fill>(op.shape); });
    p.save();
    for (const DrawOp &op : ops) {
        std::visit(paper, op.shape);
        // The fine picture follows only where a later fill will need it.
        if (fills && !std::holds_alternative<Draw::Fill>(op.shape))
            paintShape(DevicePart{fine, fineArea.topLeft(), grid}, op.shape);
    }
    p.restore();
}
