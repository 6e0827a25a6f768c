#include "drill/summary.h"

namespace {

// A rectangle reads "たて <first>, 横 <second>", a square names one side;
// both end with the shape and the question.
QString sidesLine(int W, int H, const QString &first, const QString &second, const QString &squareSide,
                  const QString &question)
{
    if (W == H)
        return QStringLiteral("１辺の長さが") + squareSide + QStringLiteral("の正方形") + question;
    return QStringLiteral("たて") + first + QStringLiteral(", 横") + second + QStringLiteral("の長方形") + question;
}

QString askIn(AreaUnit unit)
{
    return QStringLiteral("の面積は、何") + unitText(unit) + QStringLiteral("ですか。");
}

} // namespace

ProblemKind summaryKind(int N, int drawn)
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

QString oneUnitLine(int W, int H, int U)
{
    struct Wording {
        QString length;
        QString question;
    };
    static const Wording wordings[] = {
        {QStringLiteral("cm"), QStringLiteral("の面積を求めましょう。")},
        {QStringLiteral("m"), QStringLiteral("の面積を求めましょう。")},
        {QStringLiteral("m"), askIn(AreaUnit::Are)},
        {QStringLiteral("m"), askIn(AreaUnit::Hectare)},
        {QStringLiteral("km"), askIn(AreaUnit::SquareKilometre)},
    };
    const Wording &w = wordings[U >= 0 && U <= 4 ? U : 0];
    const int scale = oneUnitScale(U);
    const QString first = digits(scale * W) + w.length;
    return sidesLine(W, H, first, digits(scale * H) + w.length, first, w.question);
}

QString twoUnitLine(int W, int H, int U)
{
    const AreaUnit answer = twoUnitAnswer(U);
    if (answer == AreaUnit::SquareMetre) {
        const QString first = digits(100 * W) + QStringLiteral("cm");
        return sidesLine(W, H, first, digits(H) + QStringLiteral("m"), first, askIn(answer));
    }
    return sidesLine(W, H, digits(W) + QStringLiteral("km"), digits(1000 * H) + QStringLiteral("m"),
                     digits(1000 * W) + QStringLiteral("m"), askIn(answer));
}

AreaUnit twoUnitAnswer(int U)
{
    return U < 2 ? AreaUnit::SquareMetre : AreaUnit::SquareKilometre;
}
