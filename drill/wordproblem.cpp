#include "drill/wordproblem.h"

namespace {

QString side(const SideLength &s)
{
    return digits(s.n) + lengthText(s.unit);
}

} // namespace

ProblemKind reviewKind(int N, int drawn)
{
    if (N == 1 || N == 2)
        return ProblemKind::OneUnit;
    if (N == 3 || N == 4)
        return ProblemKind::TwoUnits;
    if (N == 5 || N == 6)
        return ProblemKind::EqualHeight;
    if (N == 7 || N == 8)
        return ProblemKind::Stepped;
    return static_cast<ProblemKind>(drawn);
}

int oneUnitScale(int U)
{
    // 10 m sides make ares, 100 m sides hectares.
    return U == 2 ? 10 : U == 3 ? 100 : 1;
}

QString sidesLine(const WordProblem &p)
{
    const QString question = p.askedIn ? QStringLiteral("の面積は、何") + unitText(*p.askedIn) + QStringLiteral("ですか。")
                                       : QStringLiteral("の面積を求めましょう。");
    // A rectangle reads "たて <first>, 横 <second>", a square names one side;
    // both end with the shape and the question.
    if (p.square)
        return QStringLiteral("１辺の長さが") + side(p.squareSide) + QStringLiteral("の正方形") + question;
    return QStringLiteral("たて") + side(p.first) + QStringLiteral(", 横") + side(p.second) + QStringLiteral("の長方形") +
           question;
}

WordProblem oneUnitProblem(int W, int H, int U)
{
    static const LengthUnit lengths[] = {LengthUnit::Centimetre, LengthUnit::Metre, LengthUnit::Metre, LengthUnit::Metre,
                                         LengthUnit::Kilometre};
    const int u = U >= 0 && U <= 4 ? U : 0;
    const int scale = oneUnitScale(u);
    const SideLength first{scale * W, lengths[u]};
    std::optional<AreaUnit> asked;
    if (u >= 2)
        asked = static_cast<AreaUnit>(u);
    return {W == H, first, {scale * H, lengths[u]}, first, asked};
}

WordProblem twoUnitProblem(int W, int H, int U)
{
    const AreaUnit answer = twoUnitAnswer(U);
    if (answer == AreaUnit::SquareMetre) {
        const SideLength first{100 * W, LengthUnit::Centimetre};
        return {W == H, first, {H, LengthUnit::Metre}, first, answer};
    }
    return {W == H, {W, LengthUnit::Kilometre}, {1000 * H, LengthUnit::Metre}, {1000 * W, LengthUnit::Metre}, answer};
}

AreaUnit twoUnitAnswer(int U)
{
    return U < 2 ? AreaUnit::SquareMetre : AreaUnit::SquareKilometre;
}
