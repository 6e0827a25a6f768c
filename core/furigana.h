#pragma once

#include <QString>

#include <vector>

// The readings set in small kana above the kanji of a pupil's text. Every
// reading the program shows comes from the one table in furigana.cpp.
namespace Furigana {

// A word of a text and its reading: text.mid(start, length) reads `kana`.
struct Span {
    int start = 0;
    int length = 0;
    QString kana;
};

// The table's words in `text`, left to right, the longest word first
// where two start at one character.
std::vector<Span> spans(const QString &text);

// The kanji of `text` that no word of the table covers, in order.
QString unread(const QString &text);

// The kanji the readings are drawn over.
bool isKanji(QChar c);

} // namespace Furigana
