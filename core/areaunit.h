#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The five area units, numbered as the composite problems' stored unit codes.
enum class AreaUnit { SquareCentimetre = 0, SquareMetre = 1, Are = 2, Hectare = 3, SquareKilometre = 4 };

// The code a problem stores for its unit.
constexpr int32_t unitCode(AreaUnit unit)
{
    return static_cast<int32_t>(unit);
}

// The unit of a stored code, none for a code out of range.
std::optional<AreaUnit> areaUnitOfCode(int32_t code);

// The exact texts that the unit buttons build.
QString unitText(AreaUnit unit);

// The unit whose text this is exactly, none for any other text.
std::optional<AreaUnit> areaUnitOfText(const QString &text);

// How a teacher says the unit, in kana: the system's voices misread the
// square signs and the full-width letters.
QString unitReading(AreaUnit unit);

// The lengths the figures' sides are given in.
enum class LengthUnit { Millimetre, Centimetre, Metre, Kilometre };
QString lengthText(LengthUnit unit);
QString lengthReading(LengthUnit unit);
std::optional<LengthUnit> lengthUnitOfText(const QString &text);

// How many square centimetres one unit holds, as a power of ten: 1 ㎡ is
// 10^4 ｃ㎡, 1 ａ 10^6, 1 ｈａ 10^8, 1 ｋ㎡ 10^10.
constexpr int tenPowerInSquareCentimetres(AreaUnit unit)
{
    constexpr int powers[] = {0, 4, 6, 8, 10};
    return powers[static_cast<int>(unit)];
}
