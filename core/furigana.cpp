#include "core/furigana.h"

namespace {

struct Word {
    const char *kanji; // UTF-8
    const char *kana;
};

// Every word with kanji that a pupil can meet, as a teacher reads it there.
// A word longer than another with the same start wins (長方形 over 長).
const Word Words[] = {
    {"色", "いろ"},       {"部分", "ぶぶん"},   {"面積", "めんせき"},     {"何", "なん"},
    {"以下", "いか"},     {"変形", "へんけい"}, {"次", "つぎ"},           {"求", "もと"},
    {"単位", "たんい"},   {"同", "おな"},       {"複合", "ふくごう"},     {"図形", "ずけい"},
    {"問題", "もんだい"}, {"全体", "ぜんたい"}, {"長方形", "ちょうほうけい"}, {"正方形", "せいほうけい"},
    {"一辺", "いっぺん"}, {"辺", "へん"},       {"長", "なが"},           {"横", "よこ"},
    {"数", "かず"},       {"算", "ざん"},       {"合", "あ"},             {"考", "かんが"},
    {"練習", "れんしゅう"}, {"年生", "ねんせい"}, {"終", "お"},           {"上", "うえ"},
    {"中", "なか"},       {"下", "した"},       {"大", "おお"},           {"番号", "ばんごう"},
    {"数字", "すうじ"},   {"入", "い"},         {"月", "がつ"},           {"日", "にち"},
};

} // namespace

namespace Furigana {

bool isKanji(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || u == 0x3005; // 々 repeats a kanji
}

std::vector<Span> spans(const QString &text)
{
    static const std::vector<std::pair<QString, QString>> table = [] {
        std::vector<std::pair<QString, QString>> t;
        for (const Word &w : Words)
            t.emplace_back(QString::fromUtf8(w.kanji), QString::fromUtf8(w.kana));
        return t;
    }();
    std::vector<Span> found;
    for (int i = 0; i < text.size();) {
        const std::pair<QString, QString> *best = nullptr;
        if (isKanji(text[i]))
            for (const auto &word : table)
                if (text.mid(i).startsWith(word.first) && (!best || word.first.size() > best->first.size()))
                    best = &word;
        if (!best) {
            ++i;
            continue;
        }
        found.push_back({i, static_cast<int>(best->first.size()), best->second});
        i += static_cast<int>(best->first.size());
    }
    return found;
}

QString unread(const QString &text)
{
    std::vector<bool> read(static_cast<size_t>(text.size()), false);
    for (const Span &s : spans(text))
        for (int i = s.start; i < s.start + s.length; ++i)
            read[static_cast<size_t>(i)] = true;
    QString missing;
    for (int i = 0; i < text.size(); ++i)
        if (isKanji(text[i]) && !read[static_cast<size_t>(i)])
            missing += text[i];
    return missing;
}

} // namespace Furigana
