#include "drawing/ruby.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Half the base's size, as readers print it, but never below what a pupil
// can still read on a screen.
constexpr double Ratio = 0.5;
constexpr int Smallest = 10;
constexpr int Gap = 1; // between a reading's ink and its kanji's

QFont rubyFont(const QFont &base, int pixels)
{
    QFont f = base;
    f.setPixelSize(std::max(Smallest, pixels));
    return f;
}

// The baseline of a reading over a line whose top is `top`.
int rubyBaseline(const QFont &base, const QFont &ruby, int top)
{
    const QFontMetrics fm(base), rm(ruby);
    const int kanjiTop = top + fm.ascent() + fm.tightBoundingRect(QStringLiteral("面")).top();
    return kanjiTop - Gap - rm.tightBoundingRect(QStringLiteral("あ")).bottom() - 1;
}

} // namespace

namespace Ruby {

std::vector<Place> over(const QFont &font, const QString &text, QPoint at, const std::vector<Furigana::Span> &spans)
{
    std::vector<Place> places;
    const QFontMetrics fm(font);
    const int size = static_cast<int>(std::lround(font.pixelSize() * Ratio));
    for (const Furigana::Span &s : spans) {
        const int from = fm.horizontalAdvance(text.left(s.start));
        const int width = fm.horizontalAdvance(text.mid(s.start, s.length));
        // A long reading may stand out by half a character on either side,
        // no more: then it is set smaller.
        const int widest = width + font.pixelSize();
        QFont ruby = rubyFont(font, size);
        const int kana = static_cast<int>(s.kana.size());
        if (QFontMetrics(ruby).horizontalAdvance(s.kana) > widest && kana > 0)
            ruby = rubyFont(font, widest / kana);
        const int w = QFontMetrics(ruby).horizontalAdvance(s.kana);
        const int x = at.x() + from + (width - w) / 2;
        places.push_back({s.kana, ruby, QPoint(x, rubyBaseline(font, ruby, at.y()))});
    }
    return places;
}

int room(const QFont &font)
{
    const QFont ruby = rubyFont(font, static_cast<int>(std::lround(font.pixelSize() * Ratio)));
    return -(rubyBaseline(font, ruby, 0) - QFontMetrics(ruby).ascent());
}

void paint(QPainter &p, const QFont &font, const QString &text, QPoint at, const std::vector<Furigana::Span> &spans)
{
    p.setFont(font);
    p.drawText(QPoint(at.x(), at.y() + QFontMetrics(font).ascent()), text);
    for (const Place &r : over(font, text, at, spans)) {
        p.setFont(r.font);
        p.drawText(r.pen, r.kana);
    }
}

QRect ink(const std::vector<Place> &places)
{
    QRect r;
    for (const Place &p : places) {
        const QFontMetrics rm(p.font);
        r |= QRect(p.pen.x(), p.pen.y() - rm.ascent(), rm.horizontalAdvance(p.kana), rm.height())
                 .united(rm.boundingRect(p.kana).translated(p.pen));
    }
    return r;
}

} // namespace Ruby
