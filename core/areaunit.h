#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The five area units, numbered as the stored unit codes of levels 10 to 12.
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
