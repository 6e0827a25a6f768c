#pragma once

#include "core/areaunit.h"
#include "drill/mistake.h"

#include <array>
#include <cstdint>

// Everything a level decides, one row per level: its choice on the level
// panel, the family that makes its problems, the units its answers may be
// given in, its legend and the mistakes a wrong answer can be named as. A new level is a new row here (and a family if
// none of these fits).
constexpr int LevelCount = 12;

enum class Family {
    UnitSquares, // columns of unit squares with a legend
    Transformed, // strips and blocks with half squares
    Rectangles,  // a rectangle or square by its sides in one unit
    MixedUnits,  // a rectangle by sides in cm and mm
    Composite,   // two rectangles, or sides in words
};

// Where the one unit of an answer comes from.
enum class AnswerUnit {
    Listed,     // any of the listed units, each with its factor
    LengthCode, // the stored side unit: 0 cm, 1 m, 2 km, as cm², m², km²
    AreaCode,   // the stored area-unit code
};

// The composite family's kind of problem: fixed, or the mix of the review.
enum class CompositeMix { None, EqualHeight, Stepped, Review };

struct UnitFactor {
    AreaUnit unit;
    int32_t factor; // how many of it make one of the level's own unit
};

struct LevelFacts {
    const char *caption; // UTF-8, as the level panel shows it
    const char *description; // in English, what the pupils do (the README's table)
    Family family;
    AnswerUnit answer;
    std::array<UnitFactor, 4> units; // Listed: the level's own unit first
    int unitCount;
    int columns;         // unit squares: at most this many columns
    const char *legend;  // unit squares: the legend square's side
    int legendX;         // unit squares: where the legend's first label starts
    CompositeMix mix;
    MistakeSet mistakes; // what a wrong answer at this level can be named as
};

// The facts of level 1 to LevelCount; a level out of range has those of
// level 1, so nothing reads past the table.
const LevelFacts &levelFacts(int level);
inline bool isLevel(int level) { return level >= 1 && level <= LevelCount; }
