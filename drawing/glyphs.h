#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

// Text drawn at a device scale from glyph coverages made once and kept: Qt
// draws glyphs larger than its own cache holds as paths, every time, which
// is slow at three times.
namespace Glyphs {

// Lays `text` in `design` font, set `scale` times larger, over `image` in
// colour c; the pen starts at `pen` on the baseline.
void draw(QImage &image, const QFont &design, double scale, const QString &text, QPointF pen, QRgb c);

} // namespace Glyphs
