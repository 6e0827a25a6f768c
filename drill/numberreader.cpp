#include "drill/numberreader.h"

#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace {

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
    // Qt reads "." as the decimal point whatever the locale, and rounds
    // exactly as strtod does. It refuses only numbers out of a double's range
    // in a text of this form.
    bool ok = false;
    const double value = QByteArray::fromStdString(number).toDouble(&ok);
    if (ok)
        return value;
    // Overflow reads as infinity, underflow as zero, each with the number's sign.
    const double outside = tooLarge(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return number[0] == '-' ? -outside : outside;
}
