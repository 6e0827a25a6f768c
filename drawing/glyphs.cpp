#include "drawing/glyphs.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A design font set at one pixel size.
struct Face {
    QFont design;
    int pixelSize = 0;
    QRawFont raw;
    int family = 0; // a small number for the family's name
};

struct GlyphKey {
    int family;
    int pixelSize;
    int weight;
    quint32 index;

    bool operator==(const GlyphKey &o) const
    {
        return family == o.family && pixelSize == o.pixelSize && weight == o.weight && index == o.index;
    }
};

size_t qHash(const GlyphKey &k, size_t seed = 0)
{
    return qHashMulti(seed, k.family, k.pixelSize, k.weight, k.index);
}

// A glyph's coverage at one size, drawn once.
struct Glyph {
    QImage coverage; // Alpha8
    QPoint offset;   // of its top-left from the pen position on the baseline
};

Face faceFor(const QFont &design, int pixelSize)
{
    static std::vector<Face> faces; // a few fonts at the scales shown
    static QHash<QString, int> families;
    for (const Face &f : faces)
        if (f.pixelSize == pixelSize && f.design == design)
            return f;
    if (faces.size() >= 32)
        faces.clear(); // scales no longer shown
    QFont f = design;
    f.setPixelSize(pixelSize);
    Face face{design, pixelSize, QRawFont::fromFont(f), 0};
    auto family = families.constFind(face.raw.familyName());
    if (family == families.constEnd())
        family = families.insert(face.raw.familyName(), static_cast<int>(families.size()));
    face.family = *family;
    faces.push_back(std::move(face));
    return faces.back();
}

const Glyph &glyph(const Face &face, quint32 index)
{
    static QHash<GlyphKey, Glyph> cache;
    const GlyphKey key{face.family, face.pixelSize, static_cast<int>(face.raw.weight()), index};
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    if (cache.size() > 4000)
        cache.clear(); // sizes no longer shown
    const QPainterPath path = face.raw.pathForGlyph(index);
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

} // namespace

namespace Glyphs {

void draw(QImage &image, const QFont &design, double scale, const QString &text, QPointF pen, QRgb c)
{
    const int size = std::max(1, static_cast<int>(std::lround(design.pixelSize() * scale)));
    const Face face = faceFor(design, size);
    const QList<quint32> glyphs = face.raw.glyphIndexesForString(text);
    // Each glyph where the design puts it: advances at the larger size drift
    // away from the design's by a pixel every few glyphs.
    const QList<QPointF> advances = faceFor(design, design.pixelSize()).raw.advancesForGlyphIndexes(glyphs);
    double x = pen.x();
    const int baseline = static_cast<int>(std::lround(pen.y()));
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const Glyph &one = glyph(face, glyphs[i]);
        blend(image, QPoint(static_cast<int>(std::floor(x + 0.5)), baseline) + one.offset, one.coverage, c);
        x += advances[i].x() * scale;
    }
}

} // namespace Glyphs
