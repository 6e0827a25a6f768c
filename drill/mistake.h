#pragma once

#include "core/rowtable.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The hints a wrong answer can show by itself; each has one row in the
// catalogue of drill/mistake.cpp, which holds its line and its place.
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

// One answer that a mistake pupils make gives for a problem.
struct MistakenAnswer {
    Mistake named = Mistake::Other; // the hint this answer gets, Other where none
    double number = 0;
    QString unit;                   // as the unit buttons build it; empty for none
    Mistake kind = Mistake::Other;  // the hint of the mistake that gives it, Other for one no hint fits
};

// What each modelled mistake gives for the stored problem of a level,
// commonest first: the sides added or taken around, one part only, a power
// of ten off, the right number with another unit, and the slips that no
// hint fits (the wrong piece taken away, millimetres neither turned nor
// multiplied), which keep a hint from naming a mistake that was not made.
// With the figure's parts as stored beside the block, only the figure
// drawn counts; without them, every figure the block can stand for.
std::vector<MistakenAnswer> MistakenAnswers(int level, const std::array<int32_t, 4> &block,
                                            const std::optional<FigureParts> &parts = std::nullopt);

// Names the mistake in number and unit as an answer to the stored problem
// of a level: only where every figure the block can stand for gives that
// answer by mistakes of one hint, no modelled mistake of another hint gives
// it, and the level names that hint. A unit no mistake gives counts as none.
Mistake ClassifyMistake(int level, const std::array<int32_t, 4> &block, double number, const QString &unit,
                        const std::optional<FigureParts> &parts = std::nullopt);

// The one line a lane shows after a wrong try, and how it is read aloud.
QString HintText(Mistake mistake, int level);
QString HintReading(Mistake mistake, int level);
