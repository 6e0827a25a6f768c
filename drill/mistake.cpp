#include "drill/mistake.h"

#include "core/areaunit.h"
#include "drill/composite.h"
#include "drill/judge.h"
#include "drill/levels.h"
#include "drill/summary.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr MistakeSet Zeros = mistakeBit(Mistake::Zeros);

// n × 10^p, rounded once, as the number reader rounds the decimal a pupil types.
double scaled(qint64 n, int p)
{
    double ten = 1;
    for (int i = 0; i < std::abs(p); ++i)
        ten *= 10;
    return p >= 0 ? static_cast<double>(n) * ten : static_cast<double>(n) / ten;
}

double inUnit(const ExpectedAnswer &answer, AreaUnit unit)
{
    return scaled(answer.number, tenPowerInSquareCentimetres(answer.unit) - tenPowerInSquareCentimetres(unit));
}

// What one figure gives by each mistake.
struct Value {
    Mistake kind;
    qint64 number;
};
using Values = std::vector<Value>;

void addSides(Values &v, qint64 a, qint64 b)
{
    v.push_back({Mistake::Perimeter, 2 * (a + b)});
    v.push_back({Mistake::SidesAdded, a + b});
}

Values compositeValues(const CompositeProblem &c)
{
    Values v;
    switch (c.kind) {
    case ProblemKind::OneUnit: addSides(v, oneUnitScale(c.U) * c.W, oneUnitScale(c.U) * c.H); break;
    // In the length whose square is asked for: 100W cm are W m, 1000H m are H km.
    case ProblemKind::TwoUnits: addSides(v, c.W, c.H); break;
    case ProblemKind::EqualHeight:
        addSides(v, c.W + c.W2, c.H);
        v.push_back({Mistake::OnePart, c.W * c.H});
        v.push_back({Mistake::OnePart, c.W2 * c.H});
        break;
    case ProblemKind::Stepped:
        // A stepped figure is as long around as its outer rectangle.
        v.push_back({Mistake::Perimeter, 2 * (c.W + c.W2 + c.H)});
        v.push_back({Mistake::OnePart, c.W * c.H});
        v.push_back({Mistake::OnePart, c.W2 * c.H2});
        v.push_back({Mistake::WholeRectangle, (c.W + c.W2) * c.H});
        break;
    }
    return v;
}

// The figures a stored block can stand for, each with what its mistakes give.
std::vector<Values> figuresOf(int level, const std::array<int32_t, 4> &block, const std::optional<FigureParts> &parts)
{
    std::vector<Values> figures;
    const Family family = levelFacts(level).family;
    if (family == Family::Rectangles || family == Family::MixedUnits) {
        Values v;
        addSides(v, block[0], block[1]); // in cm with mixed units, the mm side turned
        if (family == Family::MixedUnits) {
            // One side, or both, taken in mm: ten or a hundred times the area.
            v.push_back({Mistake::Millimetres, 10 * qint64(block[3])});
            v.push_back({Mistake::Millimetres, 100 * qint64(block[3])});
        }
        figures.push_back(v);
    }
    for (const CompositeProblem &c : possibleComposites(level))
        if (compositeBlock(c) == block && (!parts || compositeParts(c) == *parts))
            figures.push_back(compositeValues(c));
    return figures;
}

// Whether the figure gives the number by the mistake.
bool givesBy(const Values &figure, Mistake kind, double number)
{
    return std::any_of(figure.begin(), figure.end(),
                       [&](const Value &x) { return x.kind == kind && static_cast<double>(x.number) == number; });
}

} // namespace

Mistake ClassifyMistake(int level, const std::array<int32_t, 4> &block, double number, const QString &unit,
                        const std::optional<FigureParts> &parts)
{
    if (!isLevel(level))
        return Mistake::Other;
    const std::optional<ExpectedAnswer> expected = expectedAnswer(level, block);
    if (!expected || IsRightAnswer(level, block, number, unit))
        return Mistake::Other;

    // The number a unit the problem takes wants, with another unit; or the
    // right area in a unit the problem does not take.
    const std::optional<AreaUnit> typed = areaUnitOfText(unit);
    bool typedTaken = false;
    for (int code = unitCode(AreaUnit::SquareCentimetre); code <= unitCode(AreaUnit::SquareKilometre); ++code) {
        const auto u = static_cast<AreaUnit>(code);
        const double right = inUnit(*expected, u);
        const bool taken = IsRightAnswer(level, block, right, unitText(u));
        if (typed == u)
            typedTaken = taken;
        if (number == right && (taken || typed == u))
            return Mistake::Unit;
    }
    if (!typedTaken)
        return Mistake::Other;

    // Mistakes that every figure of the block gives this answer by, and
    // those that some figure does.
    const MistakeSet kinds = levelFacts(level).mistakes;
    MistakeSet sure = 0, maybe = 0;
    if (kinds & Zeros) {
        const int p = tenPowerInSquareCentimetres(expected->unit) - tenPowerInSquareCentimetres(*typed);
        for (int zeros = -9; zeros <= 9; ++zeros)
            if (zeros != 0 && number == scaled(expected->number, p + zeros))
                sure = maybe = Zeros;
    }
    const std::vector<Values> figures = figuresOf(level, block, parts);
    const Mistake figureMistakes[] = {Mistake::Perimeter, Mistake::SidesAdded, Mistake::Millimetres,
                                      Mistake::OnePart, Mistake::WholeRectangle};
    for (Mistake m : figureMistakes) {
        if (!(kinds & mistakeBit(m)))
            continue;
        const auto gives = [&](const Values &v) { return givesBy(v, m, number); };
        if (std::any_of(figures.begin(), figures.end(), gives))
            maybe |= mistakeBit(m);
        if (!figures.empty() && std::all_of(figures.begin(), figures.end(), gives))
            sure |= mistakeBit(m);
    }
    // Named when sure and nothing else might have given the same answer.
    for (Mistake m : {Mistake::Zeros, Mistake::Perimeter, Mistake::SidesAdded, Mistake::Millimetres,
                      Mistake::OnePart, Mistake::WholeRectangle})
        if ((sure & mistakeBit(m)) && maybe == mistakeBit(m))
            return m;
    return Mistake::Other;
}

QString HintText(Mistake mistake, int level)
{
    switch (mistake) {
    case Mistake::Unit: return QStringLiteral("たんいを　たしかめよう");
    case Mistake::Zeros: return QStringLiteral("0の　数を　たしかめよう");
    case Mistake::Perimeter: return QStringLiteral("それは　まわりの　長さだよ");
    case Mistake::SidesAdded: return QStringLiteral("たし算ではなく　かけ算だよ");
    case Mistake::Millimetres: return QStringLiteral("mmを　cmに　なおそう");
    case Mistake::OnePart: return QStringLiteral("2つの　面積を　合わせよう");
    case Mistake::WholeRectangle: return QStringLiteral("へこんだ　ところを　ひこう");
    case Mistake::Other: break;
    }
    const Family family = levelFacts(level).family;
    const bool counting = family == Family::UnitSquares || family == Family::Transformed;
    return counting ? QStringLiteral("もういちど　かぞえよう") : QStringLiteral("もういちど　考えよう");
}
