#include "drill/newproblem.h"
#include "core/lanes.h"

#include "drill/family.h"
#include "drill/levels.h"

namespace {

QString field2(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char(' '));
}

} // namespace

FamilyResult runFamily(FamilyContext &ctx)
{
    switch (levelFacts(ctx.level).family) {
    case Family::UnitSquares: return UnitSquareFamily(ctx);
    case Family::Transformed: return TransformedFamily(ctx);
    case Family::Rectangles: return RectangleFamily(ctx);
    case Family::MixedUnits: return MixedUnitFamily(ctx);
    case Family::Composite: break;
    }
    return CompositeFamily(ctx);
}

void storeProblem(RowTable &table, int row, int N, const FamilyResult &result)
{
    for (int j = 0; j < 4; ++j)
        table.set(row, Col::block(N, j + 1), result.block[j]);
    for (int i = 0; i < 2; ++i)
        table.set(row, Col::FigurePart(N, i), result.parts[i]);
    table.set(row, Col::Asked(N), result.asked);
}

QString ScoreLine(int level, int N, const QString &marks)
{
    return QStringLiteral("レベル") + field2(level) + QStringLiteral(" (") + field2(N) + QStringLiteral(")  せいせき：") +
           marks;
}

QString MarkText(const RowTable &table, int row, int N)
{
    QString marks;
    if (N <= 1)
        return marks;
    const int first = N > 10 ? N - 9 : 1;
    for (int k = first; k <= N; ++k) {
        switch (static_cast<Mark>(table.at(row, Col::ResultMark(k)))) {
        case Mark::Right: marks += QStringLiteral("○"); break;
        case Mark::RightLater: marks += QStringLiteral("△"); break;
        case Mark::Wrong: marks += QStringLiteral("×"); break;
        default: break;
        }
    }
    return marks;
}

void blankBand(Canvas &panel, int row)
{
    panel.ForeColor = Rgb::white();
    panel.FillColor = Rgb::white();
    panel.Fill = FillStyle::Solid;
    panel.blank(LaneBand::rect(row), QSize(LaneBand::Corner, LaneBand::Corner));
}

void NewProblem(Module1 &m, Canvas &panel, AnswerBoxes &boxes)
{
    const int row = m.RowIndex;
    const int y0 = LaneBand::offset(row);
    RowTable &table = m.RowTable;

    blankBand(panel, row);
    panel.refresh();

    const int done = table.at(row, Col::ProblemCount);
    if (done >= RowTable::MaxProblems || done < 0) {
        // The lane's table is full: show how it went and stop there.
        panel.ForeColor = Rgb::black();
        printAt(panel, Lane::scoreLineAt(row), ScoreLine(m.Level, RowTable::MaxProblems, MarkText(table, row, RowTable::MaxProblems + 1)));
        printAt(panel, Lane::finishedAt(row), QStringLiteral("99もん　おわりました。よくがんばりました！"));
        boxes.stopRow(row);
        return;
    }
    const int N = done + 1;
    table.set(row, Col::ProblemCount, N);

    panel.ForeColor = Rgb::black();
    printAt(panel, Lane::scoreLineAt(row), ScoreLine(m.Level, N, MarkText(table, row, N)));

    FamilyContext ctx{panel, m.Random, table, m.Level, row, N, y0};
    const FamilyResult result = runFamily(ctx);
    storeProblem(table, row, N, result);
    boxes.placeBoxes(row, result.numberBox, result.unitBox);
    boxes.resetBoxes(row);
}
