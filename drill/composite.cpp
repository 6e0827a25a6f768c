#include "drill/composite.h"

#include "drill/levels.h"
#include "drill/wordproblem.h"

#include <algorithm>
#include <bitset>

namespace {

constexpr int RetryLimit = 10;

// Pairs (W, H) a candidate can have: W 4 to 9, H 2 to 9.
constexpr int MinW = 4, MaxW = 9, MinH = 2, MaxH = 9;
constexpr int pairIndex(int W, int H)
{
    return (W - MinW) * (MaxH - MinH + 1) + (H - MinH);
}
using PairSet = std::bitset<(MaxW - MinW + 1) * (MaxH - MinH + 1)>;

// The pairs held in columns 10k+1 and 10k+2 of the lane's earlier problems,
// whatever level stored them; values outside the candidate ranges can never
// match a candidate and are left out.
PairSet storedPairs(const RowTable &table, int row, int N)
{
    PairSet stored;
    for (int k = 1; k < N; ++k) {
        const int W = table.at(row, Col::block(k, 1));
        const int H = table.at(row, Col::block(k, 2));
        if (W >= MinW && W <= MaxW && H >= MinH && H <= MaxH)
            stored.set(pairIndex(W, H));
    }
    return stored;
}

// Right part sizes 4 to 8; 4 comes out five times in nine.
constexpr int MinRightSize = 4, MaxRightSize = 8;

// Whether some right part lets the kind accept (W, H). The stepped figure
// needs a right part lower than the left one, so H of at least 5.
bool acceptsPair(ProblemKind kind, int W, int H)
{
    switch (kind) {
    case ProblemKind::EqualHeight: return W <= 8 && H <= 5;
    case ProblemKind::Stepped: return W >= 5 && H > MinRightSize;
    default: return true;
    }
}

bool acceptsCandidate(const CompositeProblem &c)
{
    return acceptsPair(c.kind, c.W, c.H) && (c.kind != ProblemKind::Stepped || c.H2 < c.H);
}

bool hasFreePair(ProblemKind kind, const PairSet &stored)
{
    for (int W = MinW; W <= MaxW; ++W)
        for (int H = MinH; H <= MaxH; ++H)
            if (acceptsPair(kind, W, H) && !stored.test(pairIndex(W, H)))
                return true;
    return false;
}

ProblemKind drawKind(RandomSource &random, int level, int N)
{
    switch (levelFacts(level).mix) {
    case CompositeMix::EqualHeight: return ProblemKind::EqualHeight;
    case CompositeMix::Stepped: return ProblemKind::Stepped;
    case CompositeMix::None:
    case CompositeMix::Review: break;
    }
    return reviewKind(N, random.between(1, 4));
}

int drawRightSize(RandomSource &random)
{
    return std::max(MinRightSize, random.between(0, MaxRightSize));
}

} // namespace

CompositeProblem chooseComposite(RandomSource &random, const RowTable &table, int level, int row, int N)
{
    const PairSet stored = storedPairs(table, row, N);
    // Once every pair a kind accepts is stored in this lane (a stepped lane
    // after 25 problems, say), the duplicate rule would reject every candidate of
    // that kind for good. For this call we then drop that rule for that kind
    // alone and let the other rules choose, so a long lane still ends.
    bool avoidRepeats[5] = {};
    for (int kind = 1; kind <= 4; ++kind)
        avoidRepeats[kind] = hasFreePair(static_cast<ProblemKind>(kind), stored);

    const int p = N - 1;
    int retries = 0; // of the previous-problem rule, never reset in this call
    for (;;) {
        CompositeProblem c;
        c.W = random.between(MinW, MaxW);
        c.H = random.between(MinH, MaxH);
        c.U = random.between(0, 4);
        c.kind = drawKind(random, level, N);
        if (N > 1) {
            if (avoidRepeats[static_cast<int>(c.kind)] && stored.test(pairIndex(c.W, c.H)))
                continue;
            const bool likePrevious = c.U == table.at(row, Col::block(p, 3)) ||
                                      c.W * c.H == table.at(row, Col::block(p, 4)) ||
                                      c.W == table.at(row, Col::block(p, 1)) ||
                                      c.H == table.at(row, Col::block(p, 2));
            if (likePrevious && retries < RetryLimit) {
                ++retries;
                continue;
            }
        }
        c.W2 = drawRightSize(random);
        c.H2 = drawRightSize(random);
        if (acceptsCandidate(c))
            return c;
    }
}

const std::vector<CompositeProblem> &possibleComposites(int level)
{
    static const auto all = [] {
        std::array<std::vector<CompositeProblem>, 3> byLevel;
        for (int kind = 1; kind <= 4; ++kind) {
            const auto k = static_cast<ProblemKind>(kind);
            const bool figure = k == ProblemKind::EqualHeight || k == ProblemKind::Stepped;
            for (int W = MinW; W <= MaxW; ++W)
                for (int H = MinH; H <= MaxH; ++H)
                    for (int U = 0; U <= (figure ? 0 : 4); ++U)
                        for (int W2 = MinRightSize; W2 <= (figure ? MaxRightSize : MinRightSize); ++W2)
                            for (int H2 = MinRightSize; H2 <= (k == ProblemKind::Stepped ? MaxRightSize : MinRightSize); ++H2) {
                                const CompositeProblem c{W, H, U, k, W2, H2};
                                if (!acceptsCandidate(c))
                                    continue;
                                if (k == ProblemKind::EqualHeight)
                                    byLevel[0].push_back(c);
                                if (k == ProblemKind::Stepped)
                                    byLevel[1].push_back(c);
                                byLevel[2].push_back(c);
                            }
        }
        return byLevel;
    }();
    static const std::vector<CompositeProblem> none;
    switch (isLevel(level) ? levelFacts(level).mix : CompositeMix::None) {
    case CompositeMix::EqualHeight: return all[0];
    case CompositeMix::Stepped: return all[1];
    case CompositeMix::Review: return all[2];
    case CompositeMix::None: break;
    }
    return none;
}

FigureParts compositeParts(const CompositeProblem &c)
{
    switch (c.kind) {
    case ProblemKind::EqualHeight: return {c.W, c.W2};
    case ProblemKind::Stepped: return {c.W2, c.H2};
    case ProblemKind::OneUnit:
    case ProblemKind::TwoUnits: break;
    }
    return {};
}

std::array<int32_t, 4> compositeBlock(const CompositeProblem &c)
{
    switch (c.kind) {
    case ProblemKind::OneUnit: return {c.W, c.H, c.U, c.W * c.H};
    case ProblemKind::TwoUnits: return {c.W, c.H, unitCode(twoUnitAnswer(c.U)), c.W * c.H};
    case ProblemKind::EqualHeight:
        return {c.W + c.W2, c.H, unitCode(AreaUnit::SquareCentimetre), c.H * (c.W + c.W2)};
    case ProblemKind::Stepped: return {c.W, c.H, unitCode(AreaUnit::SquareMetre), c.W * c.H + c.W2 * c.H2};
    }
    return {};
}

// 20 pixels a centimetre: a yellow and a blue box sharing a black edge.
void drawEqualHeight(Canvas &panel, int y0, int W, int W2, int H)
{
    panel.setFontSizePt(18);
    const int top = y0 + 135;
    const int split = 100 + 20 * W;
    edgedBox(panel, 100, top, 20 * W, 20 * H, Rgb::yellow());
    edgedBox(panel, split, top, 20 * W2, 20 * H, Rgb::blue());
    printAt(panel, 100, y0 + 110, digits(W) + QStringLiteral("cm"));
    printAt(panel, 10 + split, y0 + 110, digits(W2) + QStringLiteral("cm"));
    printAt(panel, 40, y0 + 150, digits(H) + QStringLiteral("cm"));
    printAt(panel, 440, y0 + rowsOf(panel).question, QStringLiteral("全体の面積を求めましょう。"));
}

// 10 pixels a metre: two yellow boxes that read as one stepped shape.
void drawStepped(Canvas &panel, int y0, int W, int H, int W2, int H2)
{
    panel.setFontSizePt(18);
    const int top = y0 + 135;
    const int split = 100 + 10 * W;
    edgedBox(panel, 100, top, 10 * W, 10 * H, Rgb::yellow());
    edgedBox(panel, split, top, 10 * W2, 10 * H2, Rgb::yellow());
    // Wipe the shared edge from just below the top edge to just above the
    // step, 10 * H2 - 1 pixels; both corners stay black. line() draws both
    // of its end points.
    panel.line(split, top + 1, 0, 10 * H2 - 2, Rgb::yellow());
    const QString m = QStringLiteral("m");
    printAt(panel, 140, y0 + 110, digits(W + W2) + m);
    printAt(panel, 120, y0 + 110 + 10 * H, digits(W) + m);
    printAt(panel, 10 + split, y0 + 110 + 10 * H2, digits(W2) + m);
    printAt(panel, 60, y0 + 155, digits(H) + m);
    printAt(panel, 110 + 10 * (W + W2), y0 + 150, digits(H2) + m);
    printAt(panel, 2 + split, top + 10 * H2, digits(H - H2) + m);
    printAt(panel, 440, y0 + rowsOf(panel).question, QStringLiteral("全体の面積を求めましょう。"));
}

void drawComposite(Canvas &panel, int y0, const CompositeProblem &c)
{
    panel.Fill = FillStyle::Transparent;
    panel.setFontSizePt(22);
    switch (c.kind) {
    case ProblemKind::OneUnit: printAt(panel, 40, y0 + rowsOf(panel).question, oneUnitLine(c.W, c.H, c.U)); break;
    case ProblemKind::TwoUnits: printAt(panel, 40, y0 + rowsOf(panel).question, twoUnitLine(c.W, c.H, c.U)); break;
    case ProblemKind::EqualHeight: drawEqualHeight(panel, y0, c.W, c.W2, c.H); break;
    case ProblemKind::Stepped: drawStepped(panel, y0, c.W, c.H, c.W2, c.H2); break;
    }
    // The other families print at the panel's usual size.
    panel.setFontSizePt(24);
}

FamilyResult CompositeFamily(FamilyContext &ctx)
{
    const CompositeProblem c = chooseComposite(ctx.random, ctx.table, ctx.level, ctx.row, ctx.N);
    drawComposite(ctx.panel, ctx.y0, c);
    FamilyResult result = withStandardBoxes(ctx, compositeBlock(c));
    result.parts = compositeParts(c);
    result.asked = static_cast<int32_t>(c.kind);
    return result;
}
