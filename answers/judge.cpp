#include "judge.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

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

// For a number out of a double's range, whether it is too large rather than
// too small: the power of ten of its first nonzero digit decides.
bool tooLarge(const std::string &number)
{
    size_t i = number[0] == '+' || number[0] == '-' ? 1 : 0;
    const size_t intStart = i;
    while (i < number.size() && isDigit(number[i]))
        ++i;
    const size_t intEnd = i;
    int64_t power = 0;
    bool nonzero = false;
    for (size_t j = intStart; j < intEnd && !nonzero; ++j)
        if (number[j] != '0') {
            power = static_cast<int64_t>(intEnd - j) - 1;
            nonzero = true;
        }
    if (i < number.size() && number[i] == '.') {
        const size_t fracStart = ++i;
        for (; i < number.size() && isDigit(number[i]); ++i)
            if (!nonzero && number[i] != '0') {
                power = -static_cast<int64_t>(i - fracStart) - 1;
                nonzero = true;
            }
    }
    if (i < number.size() && number[i] == 'e') {
        ++i;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            ++i;
        // Far beyond any double's exponent, so the sum cannot overflow.
        constexpr int64_t Cap = 1000000000;
        int64_t exponent = 0;
        for (; i < number.size(); ++i)
            exponent = std::min(Cap, exponent * 10 + (number[i] - '0'));
        power += negative ? -exponent : exponent;
    }
    return power >= 0;
}

} // namespace

double ReadNumber(const QString &text)
{
    const std::string number = leadingNumber(text);
    if (number.empty())
        return 0.0;
    // from_chars reads "." as the decimal point whatever the desktop's
    // locale, but takes no plus sign.
    const char *first = number.data() + (number[0] == '+' ? 1 : 0);
    double value = 0.0;
    if (std::from_chars(first, number.data() + number.size(), value).ec == std::errc::result_out_of_range) {
        // Left unset: overflow reads as infinity, underflow as zero, each
        // with the number's sign.
        value = tooLarge(number) ? std::numeric_limits<double>::infinity() : 0.0;
        if (number[0] == '-')
            value = -value;
    }
    return value;
}

std::optional<AreaUnit> expectedUnit(int level, int32_t code)
{
    if (level == 7 || level == 9)
        return AreaUnit::SquareCentimetre;
    if (level == 8) {
        // Level 8 stores the side's length unit: cm, m or km.
        switch (code) {
        case 0: return AreaUnit::SquareCentimetre;
        case 1: return AreaUnit::SquareMetre;
        case 2: return AreaUnit::SquareKilometre;
        default: return std::nullopt;
        }
    }
    if (level >= 10 && level <= 12)
        return areaUnitOfCode(code);
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
