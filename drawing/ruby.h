#pragma once

#include "core/furigana.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

// Where the readings of a line go: small kana centred over their words, just
// above the kanji's ink. Design pixels; the panel and the widgets place them
// alike.
namespace Ruby {

struct Place {
    QString kana;
    QFont font;
    QPoint pen; // the reading's start on its baseline
};

// The readings of `text` in `font`, its line's top-left at `at`.
std::vector<Place> over(const QFont &font, const QString &text, QPoint at, const std::vector<Furigana::Span> &spans);

// How far above its line's top the readings of a line in `font` reach.
int room(const QFont &font);

// Draws a line in the painter's pen with its readings at their places, the
// line's top-left at `at`.
void paint(QPainter &p, const QFont &font, const QString &text, QPoint at, const std::vector<Furigana::Span> &spans);

// The ink the readings may cover.
QRect ink(const std::vector<Place> &places);

} // namespace Ruby
