#include "drill/mixedunits.h"

SidedRectangle chooseMixedUnits(RandomSource &random)
{
    SidedRectangle r;
    do {
        r.W = random.between(1, 8);
        r.H = random.between(1, 8);
        r.u = random.between(0, 1);
    } while (r.H == r.W);
    return r;
}

std::array<SideLength, 2> mixedUnitsSides(const SidedRectangle &r)
{
    if (r.u == 0)
        return {{{r.H, LengthUnit::Centimetre}, {10 * r.W, LengthUnit::Millimetre}}};
    return {{{10 * r.H, LengthUnit::Millimetre}, {r.W, LengthUnit::Centimetre}}};
}

QString mixedUnitsLine(const SidedRectangle &r)
{
    const auto [tate, yoko] = mixedUnitsSides(r);
    const QString comma = r.u == 0 ? QStringLiteral(", 横") : QStringLiteral(",横");
    return QStringLiteral("たて") + digits(tate.n) + lengthText(tate.unit) + comma + digits(yoko.n) + lengthText(yoko.unit);
}

void drawMixedUnits(Canvas &panel, int y0, const SidedRectangle &r)
{
    drawSidedBox(panel, y0, r.W, r.H);
    printSideTexts(panel, y0, mixedUnitsLine(r), QStringLiteral("長方形"));
}

FamilyResult MixedUnitFamily(FamilyContext &ctx)
{
    const SidedRectangle r = chooseMixedUnits(ctx.random);
    drawMixedUnits(ctx.panel, ctx.y0, r);
    return withStandardBoxes(ctx, {r.W, r.H, r.u, r.H * r.W});
}
