#pragma once

#include "core/areaunit.h"
#include "drill/numberreader.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Whether number and unit answer the stored problem of the given level.
bool IsRightAnswer(int level, const std::array<int32_t, 4> &block, double number, const QString &unit);

// The answer in the unit the problem is drawn or asked in: the sum of the
// heights in the level's own unit for unit squares, the stored area in the
// asked unit for the other families. None for a level or unit code out of range.
struct ExpectedAnswer {
    qint64 number = 0;
    AreaUnit unit = AreaUnit::SquareCentimetre;
};
std::optional<ExpectedAnswer> expectedAnswer(int level, const std::array<int32_t, 4> &block);

// The unit the problem is drawn or asked in (for unit squares the level's
// own, which smaller units may stand for), none for a code out of range.
std::optional<AreaUnit> expectedUnit(int level, int32_t code);
