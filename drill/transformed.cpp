#include "drill/transformed.h"

#include "drill/unitsquares.h"

#include <bitset>

namespace {

int pairIndex(int s, int b)
{
    return (s - 1) * Transformed::MaxSize + (b - 1);
}

void fillFrom(Canvas &panel, int x, int y)
{
    panel.FillColor = Rgb::yellow();
    panel.Fill = FillStyle::Solid;
    panel.floodFill(QPoint(x, y), qRgb(0, 0, 0));
}

void square(Canvas &panel, int x, int y)
{
    edgedBox(panel, x, y, 30, 30, Rgb::yellow());
}

void verticalStrip(Canvas &p, int y0, int s, int b)
{
    const QColor k = Rgb::black();
    if (s == 3) {
        p.line(340, y0 + 110, 0, 30, k);
        p.line(340, y0 + 110, -30, 30, k);
    } else {
        p.line(310, y0 + 110, 30, 30, k);
        p.line(310, y0 + 110, 0, 30, k);
    }
    p.line(310, y0 + 140, 30, 0, k);
    fillFrom(p, 325, y0 + 135);
    for (int i = 1; i <= b; ++i)
        square(p, 310, y0 + 110 + 30 * i);
    const int y2 = y0 + 170 + 30 * b;
    if (s == 2) {
        p.line(340, y2, 0, -30, k);
        p.line(340, y2, -30, -30, k);
    } else {
        p.line(310, y2, 30, -30, k);
        p.line(310, y2, 0, -30, k);
    }
    fillFrom(p, 325, y0 + 150 + 30 * b);
    p.refresh();
}

void horizontalStrip(Canvas &p, int y0, int s, int b)
{
    const QColor k = Rgb::black();
    if (s == 6) {
        p.line(280, y0 + 170, 30, 0, k);
        p.line(280, y0 + 170, 30, -30, k);
    } else {
        p.line(280, y0 + 140, 30, 0, k);
        p.line(280, y0 + 140, 30, 30, k);
    }
    p.line(310, y0 + 140, 0, 30, k);
    fillFrom(p, 300, y0 + 155);
    for (int i = 1; i <= b; ++i)
        square(p, 280 + 30 * i, y0 + 140);
    const int x2 = 340 + 30 * b;
    if (s == 5) {
        p.line(x2, y0 + 170, -30, -30, k);
        p.line(x2, y0 + 170, -30, 0, k);
    } else {
        p.line(x2, y0 + 140, -30, 0, k);
        p.line(x2, y0 + 140, -30, 30, k);
    }
    fillFrom(p, 320 + 30 * b, y0 + 155);
}

void twoColumnBlock(Canvas &p, int y0, int s, int b)
{
    const QColor k = Rgb::black();
    switch (s) {
    case 7: // a notch between two triangles
        p.line(310, y0 + 110, 30, 30, k);
        p.line(310, y0 + 110, 0, 30, k);
        p.line(370, y0 + 110, -30, 30, k);
        p.line(370, y0 + 110, 0, 30, k);
        break;
    case 8: // a roof
        p.line(340, y0 + 110, -30, 30, k);
        p.line(340, y0 + 110, 0, 30, k);
        p.line(340, y0 + 110, 30, 30, k);
        break;
    case 9: // one wide triangle, split on the middle grid line
        p.line(310, y0 + 110, 0, 30, k);
        p.line(310, y0 + 110, 60, 30, k);
        p.line(340, y0 + 125, 0, 15, k);
        break;
    default: // its mirror image
        p.line(370, y0 + 110, 0, 30, k);
        p.line(370, y0 + 110, -60, 30, k);
        p.line(340, y0 + 125, 0, 15, k);
        break;
    }
    p.line(310, y0 + 140, 60, 0, k);
    fillFrom(p, 325, y0 + 135);
    fillFrom(p, 355, y0 + 135);
    for (int i = 1; i <= b; ++i) {
        square(p, 310, y0 + 110 + 30 * i);
        square(p, 340, y0 + 110 + 30 * i);
    }
}

} // namespace

Transformed chooseTransformed(RandomSource &random, const RowTable &table, int row, int N)
{
    // The pairs the lane has had, whatever level stored them. Once all of
    // them have been given, the rule against repeats cannot be met and is
    // dropped for this call.
    std::bitset<Transformed::Shapes * Transformed::MaxSize> given;
    for (int k = 1; k < N; ++k) {
        const int s = table.at(row, Col::block(k, 1)), b = table.at(row, Col::block(k, 2));
        if (Transformed::valid(s, b))
            given.set(pairIndex(s, b));
    }
    const bool avoidRepeats = static_cast<int>(given.count()) < TransformedPairs;
    const int prevS = table.at(row, Col::block(N - 1, 1)), prevB = table.at(row, Col::block(N - 1, 2));

    int restarts = 0;
    for (;;) {
        Transformed t;
        t.s = random.between(1, Transformed::Shapes);
        t.b = random.between(1, Transformed::maxSize(t.s));
        if (N == 1)
            return t;
        if (avoidRepeats && given.test(pairIndex(t.s, t.b)))
            continue;
        if ((prevS == t.s || prevB == t.b) && restarts < TransformedRestartLimit) {
            ++restarts;
            continue;
        }
        return t;
    }
}

void drawTransformed(Canvas &panel, int y0, const Transformed &shape)
{
    drawLegend(panel, TransformedLegendLevel, y0);
    drawGrid(panel, y0, 4, 4);
    if (shape.s <= 3)
        verticalStrip(panel, y0, shape.s, shape.b);
    else if (shape.s <= 6)
        horizontalStrip(panel, y0, shape.s, shape.b);
    else
        twoColumnBlock(panel, y0, shape.s, shape.b);
    askForArea(panel, y0);
}

FamilyResult TransformedFamily(FamilyContext &ctx)
{
    const Transformed t = chooseTransformed(ctx.random, ctx.table, ctx.row, ctx.N);
    drawTransformed(ctx.panel, ctx.y0, t);
    return withStandardBoxes(ctx, {t.s, t.b, 0, t.area()});
}
