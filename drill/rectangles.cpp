#include "drill/rectangles.h"

namespace {
QString lengthUnit(int u)
{
    return lengthText(sideUnit(u));
}
} // namespace

LengthUnit sideUnit(int u)
{
    return u == 1 ? LengthUnit::Metre : (u == 2 ? LengthUnit::Kilometre : LengthUnit::Centimetre);
}

SidedRectangle chooseRectangle(RandomSource &random)
{
    SidedRectangle r;
    r.W = random.between(1, 8);
    r.H = random.between(1, 8);
    r.u = random.between(0, 2);
    return r;
}

QString rectangleFirstLine(const SidedRectangle &r)
{
    const QString unit = lengthUnit(r.u);
    if (r.H == r.W)
        return QStringLiteral("一辺が") + digits(r.W) + unit + QStringLiteral("の");
    return QStringLiteral("たて") + digits(r.H) + unit + QStringLiteral(",横") + digits(r.W) + unit;
}

QString rectangleSecondLine(const SidedRectangle &r)
{
    return r.H == r.W ? QStringLiteral("正方形") : QStringLiteral("長方形");
}

void drawSidedBox(Canvas &panel, int y0, int W, int H)
{
    panel.Fill = FillStyle::Transparent;
    edgedBox(panel, 300, y0 + 110, 15 * W, 15 * H, Rgb::yellow());
}

void printSideTexts(Canvas &panel, int y0, const QString &first, const QString &second)
{
    const Lane::Rows &rows = rowsOf(panel);
    printAt(panel, 40, y0 + rows.sideFirst, first);
    printAt(panel, 40, y0 + rows.sideSecond, second);
    printAt(panel, 440, y0 + rows.question, QStringLiteral("面積を求めましょう。"));
}

void drawRectangle(Canvas &panel, int y0, const SidedRectangle &r)
{
    drawSidedBox(panel, y0, r.W, r.H);
    printSideTexts(panel, y0, rectangleFirstLine(r), rectangleSecondLine(r));
}

FamilyResult RectangleFamily(FamilyContext &ctx)
{
    const SidedRectangle r = chooseRectangle(ctx.random);
    drawRectangle(ctx.panel, ctx.y0, r);
    return withStandardBoxes(ctx, {r.W, r.H, r.u, r.H * r.W});
}
