#include "drill/judge.h"

#include "drill/levels.h"

namespace {

double levelSum(const std::array<int32_t, 4> &block)
{
    return static_cast<double>(block[0]) + block[1] + block[2] + block[3];
}

} // namespace

std::optional<AreaUnit> expectedUnit(int level, int32_t code)
{
    if (!isLevel(level))
        return std::nullopt;
    const LevelFacts &facts = levelFacts(level);
    switch (facts.answer) {
    case AnswerUnit::Listed:
        return facts.units[0].unit;
    case AnswerUnit::LengthCode:
        // The side's length unit: cm, m or km.
        switch (code) {
        case 0: return AreaUnit::SquareCentimetre;
        case 1: return AreaUnit::SquareMetre;
        case 2: return AreaUnit::SquareKilometre;
        default: return std::nullopt;
        }
    case AnswerUnit::AreaCode:
        return areaUnitOfCode(code);
    }
    return std::nullopt;
}

bool IsRightAnswer(int level, const std::array<int32_t, 4> &block, double number, const QString &unit)
{
    if (!isLevel(level))
        return false;
    const LevelFacts &facts = levelFacts(level);
    if (facts.family == Family::UnitSquares) {
        const double sum = levelSum(block);
        for (int i = 0; i < facts.unitCount; ++i)
            if (unit == unitText(facts.units[i].unit) && number / facts.units[i].factor == sum)
                return true;
        return false;
    }
    const std::optional<AreaUnit> expected = expectedUnit(level, block[2]);
    return expected && unit == unitText(*expected) && number == static_cast<double>(block[3]);
}

std::optional<ExpectedAnswer> expectedAnswer(int level, const std::array<int32_t, 4> &block)
{
    const std::optional<AreaUnit> unit = expectedUnit(level, block[2]);
    if (!unit)
        return std::nullopt;
    if (levelFacts(level).family == Family::UnitSquares)
        return ExpectedAnswer{static_cast<qint64>(levelSum(block)), *unit};
    return ExpectedAnswer{block[3], *unit};
}
