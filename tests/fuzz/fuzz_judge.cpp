// Feeds arbitrary bytes to the number box reader and the judge. The bytes are
// read once as UTF-8 and once as UTF-16 code units, so that full-width digits
// and ideographic spaces turn up as often as ASCII does.

#include "drill/judge.h"

#include <QString>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Texts that only hold the characters strtod reads in a decimal number and
// no spaces, so ReadNumber must agree with it exactly.
bool plainDecimal(const QString &text)
{
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        const bool ok = (c >= u'0' && c <= u'9') || c == u'.' || c == u'+' || c == u'-' || c == u'e' || c == u'E';
        if (!ok)
            return false;
    }
    return true;
}

bool sameDouble(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

[[noreturn]] void fail(const char *what, const QString &text, double got, double want)
{
    const QByteArray shown = text.left(200).toUtf8();
    std::fprintf(stderr, "%s\n  text (%lld chars): \"%s\"\n  got  %.17g\n  want %.17g\n", what,
                 static_cast<long long>(text.size()), shown.constData(), got, want);
    std::abort();
}

[[noreturn]] void failJudge(const char *what, const QString &text, double number)
{
    const QByteArray shown = text.left(200).toUtf8();
    std::fprintf(stderr, "%s\n  text: \"%s\"\n  number %.17g\n", what, shown.constData(), number);
    std::abort();
}

QString fullWidth(const QString &text)
{
    QString out = text;
    for (QChar &qc : out) {
        const char16_t c = qc.unicode();
        if (c >= u'0' && c <= u'9')
            qc = QChar(char16_t(u'０' + (c - u'0')));
        else if (c == u'.')
            qc = QChar(u'．');
    }
    return out;
}

// The same text with blanks of every kind the box skips, placed by seed.
QString withBlanks(const QString &text, uint32_t seed)
{
    static const char16_t Blanks[] = {u' ', u'\t', u'\n', u'\r', u'\u3000'};
    QString out;
    out.reserve(text.size() * 2 + 1);
    for (QChar qc : text) {
        if (seed & 1)
            out += QChar(Blanks[(seed >> 1) % 5]);
        seed = seed * 1103515245u + 12345u;
        out += qc;
    }
    out += QChar(Blanks[seed % 5]);
    return out;
}

void checkAgainstStrtod(const QString &text, double got, uint32_t seed)
{
    if (!plainDecimal(text))
        return;
    const QByteArray ascii = text.toLatin1();
    const double want = std::strtod(ascii.constData(), nullptr);
    if (!sameDouble(got, want))
        fail("ReadNumber differs from strtod", text, got, want);

    const double wide = ReadNumber(fullWidth(text));
    if (!sameDouble(wide, got))
        fail("full-width digits read differently from ASCII ones", fullWidth(text), wide, got);
    const QString blanked = withBlanks(text, seed);
    const double spaced = ReadNumber(blanked);
    if (!sameDouble(spaced, got))
        fail("blanks changed the number read", blanked, spaced, got);
}

void checkJudge(const QString &text, double number, uint32_t seed)
{
    static const int Levels[] = {0, 1, 3, 5, 6, 7, 8, 9, 10, 12, 13};
    static const std::array<int32_t, 4> Blocks[] = {
        {0, 0, 0, 0},   {2, 3, 0, 0},   {4, 4, 4, 4},
        {3, 5, 0, 15},  {12, 7, 1, 84}, {9, 9, 2, 81},
        {1, 1, 4, 1},   {-1, 2, 5, 7},  {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
        {INT32_MIN, 0, -1, INT32_MIN},
    };
    static const QString Units[] = {unitText(AreaUnit::SquareCentimetre), unitText(AreaUnit::SquareMetre),
                                    unitText(AreaUnit::Are), unitText(AreaUnit::Hectare),
                                    unitText(AreaUnit::SquareKilometre), QString()};
    const auto &block = Blocks[seed % std::size(Blocks)];
    const double nan = std::nan("");
    for (int level : Levels) {
        expectedUnit(level, block[2]);
        IsRightAnswer(level, block, number, text);
        for (const QString &unit : Units) {
            IsRightAnswer(level, block, number, unit);
            if (IsRightAnswer(level, block, nan, unit))
                failJudge("a NaN was judged right", unit, nan);
        }
    }

    // A whole number that fits a stored parameter: a problem whose answer it
    // is must take it with its unit and refuse it with another one.
    if (!std::isfinite(number) || number != std::trunc(number) || std::fabs(number) > INT32_MAX)
        return;
    const auto k = static_cast<int32_t>(number);
    const QString cm2 = unitText(AreaUnit::SquareCentimetre);
    const QString m2 = unitText(AreaUnit::SquareMetre);
    if (!IsRightAnswer(1, {k, 0, 0, 0}, number, cm2))
        failJudge("level 1 refused its own area", text, number);
    if (IsRightAnswer(1, {k, 0, 0, 0}, number, m2))
        failJudge("level 1 took the wrong unit", text, number);
    if (IsRightAnswer(1, {k, 0, 0, 0}, number + 1, cm2))
        failJudge("level 1 took a number one too large", text, number);
    if (!IsRightAnswer(8, {1, 1, 1, k}, number, m2))
        failJudge("level 8 refused its own area in m2", text, number);
    if (IsRightAnswer(8, {1, 1, 3, k}, number, cm2) || IsRightAnswer(8, {1, 1, 3, k}, number, m2))
        failJudge("level 8 took an answer for a unit code it has no unit for", text, number);
    if (k != 0 && IsRightAnswer(12, {1, 1, 0, k}, -number, cm2))
        failJudge("level 12 took the negated area", text, number);
}

void run(const QString &text, uint32_t seed)
{
    const double number = ReadNumber(text);
    checkAgainstStrtod(text, number, seed);
    checkJudge(text, number, seed);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The comparison with strtod needs "." as the decimal point.
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    uint32_t seed = 0;
    for (size_t i = 0; i < size && i < 4; ++i)
        seed = seed << 8 | data[i];

    run(QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), seed);

    QString wide;
    wide.resize(static_cast<qsizetype>(size / 2));
    for (size_t i = 0; i + 1 < size; i += 2)
        wide[static_cast<qsizetype>(i / 2)] = QChar(char16_t(data[i] | data[i + 1] << 8));
    run(wide, seed);
    return 0;
}
