#pragma once

#include "core/rowtable.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The mistakes a wrong answer can show by itself.
enum class Mistake {
    Other,          // none the answer tells, or no mistake at all
    Unit,           // the right number with another unit, or the right area in a unit the problem does not take
    Zeros,          // a unit the problem takes, the number off by 10, 100, 1000 ...
    Perimeter,      // the length around the figure
    SidesAdded,     // the sides added instead of multiplied
    Millimetres,    // a side left in millimetres
    OnePart,        // one of a composite figure's two parts only
    WholeRectangle, // the outer rectangle, its missing corner not taken away
};

// A set of mistakes, one bit each.
using MistakeSet = unsigned;
constexpr MistakeSet mistakeBit(Mistake m)
{
    return 1u << static_cast<unsigned>(m);
}
template <typename... M>
constexpr MistakeSet mistakes(M... m)
{
    return (mistakeBit(m) | ... | 0u);
}

// Names the mistake in number and unit as an answer to the stored problem
// of a level, where the answer alone tells it: a mistake is named only when
// every figure the block can stand for gives that answer by it, and no
// other mistake gives it as well. Every mistake but a wrong unit needs a
// unit the problem takes; an answer wrong in two ways is Other.
// With the figure's parts as stored beside the block, only the figure
// drawn counts; without them, every figure the block can stand for.
Mistake ClassifyMistake(int level, const std::array<int32_t, 4> &block, double number, const QString &unit,
                        const std::optional<FigureParts> &parts = std::nullopt);

// The one line a lane shows after a wrong try.
QString HintText(Mistake mistake, int level);
