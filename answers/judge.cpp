#include "judge.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

QString unitText(AreaUnit unit)
{
    switch (unit) {
    case AreaUnit::SquareCentimetre: return QStringLiteral("ｃ㎡");
    case AreaUnit::SquareMetre: return QStringLiteral("㎡");
    case AreaUnit::Are: return QStringLiteral("ａ");
    case AreaUnit::Hectare: return QStringLiteral("ｈａ");
    case AreaUnit::SquareKilometre: return QStringLiteral("ｋ㎡");
    }
    return {};
}

namespace {

// Each level's base unit first, then the smaller units it also takes.
struct Line {
    int level;
    AreaUnit unit;
    double factor;
};
const Line Accepted[] = {
    {1, AreaUnit::SquareCentimetre, 1},  {2, AreaUnit::SquareCentimetre, 1},
    {3, AreaUnit::SquareMetre, 1},       {3, AreaUnit::SquareCentimetre, 10000},
    {4, AreaUnit::Are, 1},               {4, AreaUnit::SquareMetre, 100},
    {5, AreaUnit::Hectare, 1},           {5, AreaUnit::Are, 100},
    {5, AreaUnit::SquareMetre, 10000},   {6, AreaUnit::SquareKilometre, 1},
    {6, AreaUnit::Hectare, 100},         {6, AreaUnit::Are, 10000},
    {6, AreaUnit::SquareMetre, 1000000},
};

double levelSum(const std::array<int32_t, 4> &block)
{
    return static_cast<double>(block[0]) + block[1] + block[2] + block[3];
}

bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u3000';
}

char asciiOf(char16_t c)
{
    if (c >= u'０' && c <= u'９')
        return static_cast<char>('0' + (c - u'０'));
    if (c == u'．')
        return '.';
    return c < 0x80 ? static_cast<char>(c) : '\0';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The longest leading text of the form [sign] digits [. digits] [e|d [sign] digits].
std::string leadingNumber(const QString &text)
{
    std::string s;
    s.reserve(static_cast<size_t>(std::min<qsizetype>(text.size(), 4096)));
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (isSpace(c))
            continue;
        const char a = asciiOf(c);
        if (a == '\0')
            break;
        s.push_back(a);
    }
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t mantissa = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++mantissa;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++mantissa;
    }
    if (mantissa == 0)
        return {};
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const size_t expStart = j;
        while (j < s.size() && isDigit(s[j]))
            ++j;
        if (j > expStart) {
            s[i] = 'e';
            end = j;
        }
    }
    s.resize(end);
    return s;
}

locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

} // namespace

double ReadNumber(const QString &text)
{
    const std::string number = leadingNumber(text);
    if (number.empty())
        return 0.0;
    // The C locale, whatever the desktop's: a decimal point is always ".".
    return strtod_l(number.c_str(), nullptr, cLocale());
}

std::optional<AreaUnit> expectedUnit(int level, int32_t unitCode)
{
    if (level == 7 || level == 9)
        return AreaUnit::SquareCentimetre;
    if (level == 8) {
        switch (unitCode) {
        case 0: return AreaUnit::SquareCentimetre;
        case 1: return AreaUnit::SquareMetre;
        case 2: return AreaUnit::SquareKilometre;
        default: return std::nullopt;
        }
    }
    if (level >= 10 && level <= 12 && unitCode >= 0 && unitCode <= 4)
        return static_cast<AreaUnit>(unitCode);
    return std::nullopt;
}

bool IsRightAnswer(int level, const std::array<int32_t, 4> &block, double number, const QString &unit)
{
    if (level >= 1 && level <= 6) {
        const double sum = levelSum(block);
        for (const Line &line : Accepted)
            if (line.level == level && unit == unitText(line.unit) && number / line.factor == sum)
                return true;
        return false;
    }
    const std::optional<AreaUnit> expected = expectedUnit(level, block[2]);
    return expected && unit == unitText(*expected) && number == static_cast<double>(block[3]);
}

std::optional<ExpectedAnswer> expectedAnswer(int level, const std::array<int32_t, 4> &block)
{
    if (level >= 1 && level <= 6) {
        const auto base = std::find_if(std::begin(Accepted), std::end(Accepted),
                                       [level](const Line &line) { return line.level == level; });
        return ExpectedAnswer{static_cast<qint64>(levelSum(block)), base->unit};
    }
    const std::optional<AreaUnit> unit = expectedUnit(level, block[2]);
    if (!unit)
        return std::nullopt;
    return ExpectedAnswer{block[3], *unit};
}
