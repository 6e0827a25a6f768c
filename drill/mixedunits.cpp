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

QString mixedUnitsLine(const SidedRectangle &r)
{
    if (r.u == 0)
        return QStringLiteral("たて") + digits(r.H) + QStringLiteral("cm, 横") + digits(10 * r.W) + QStringLiteral("mm");
    return QStringLiteral("たて") + digits(10 * r.H) + QStringLiteral("mm,横") + digits(r.W) + QStringLiteral("cm");
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
    return withStandardBoxes(ctx.row, {r.W, r.H, r.u, r.H * r.W});
}
