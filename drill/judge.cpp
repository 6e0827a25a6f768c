#include "drill/judge.h"

#include <algorithm>
#include <cstdint>

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

} // namespace

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
