#pragma once

#include "areaunit.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The number box read as a number: spaces are skipped, the number ends at
// the first character that cannot belong to it, and a text that does not
// begin with one reads as 0. Full-width digits and full stops count as
// their ASCII twins. Too large a number reads as infinity.
double ReadNumber(const QString &text);

// Whether number and unit answer the stored problem of the given level.
bool IsRightAnswer(int level, const std::array<int32_t, 4> &block, double number, const QString &unit);

// The answer in the unit the problem is drawn or asked in: the sum of the
// heights in the level's own unit at levels 1 to 6, the stored area in the
// asked unit from level 7 on. None for a level or unit code out of range.
struct ExpectedAnswer {
    qint64 number = 0;
    AreaUnit unit = AreaUnit::SquareCentimetre;
};
std::optional<ExpectedAnswer> expectedAnswer(int level, const std::array<int32_t, 4> &block);

// The one unit accepted at levels 7 to 12, none for a code out of range.
std::optional<AreaUnit> expectedUnit(int level, int32_t code);
