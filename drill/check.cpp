#include "drill/check.h"

QString TryOutcome::markText() const
{
    return verdict == Verdict::Right ? QStringLiteral("○") : QStringLiteral("×");
}

TryOutcome JudgeTry(int level, const RowTable &table, int row, const QString &numberText, const QString &unitText)
{
    TryOutcome o;
    if (numberText.isEmpty()) {
        o.verdict = TryOutcome::Verdict::EmptyNumber;
        return o;
    }
    const int k = table.at(row, Col::ProblemCount);
    // Only an open problem of a running lane is judged: a lane that has
    // stopped after its last problem keeps its record as it is.
    if (table.at(row, Col::RowActive) == 0 || k < 1 || k > RowTable::MaxProblems ||
        table.at(row, Col::ResultMark(k)) != 0 || table.at(row, Col::TryCount(k)) >= MaxTries)
        return o;

    o.problem = k;
    o.tries = table.at(row, Col::TryCount(k)) + 1;
    const std::array<int32_t, 4> block = storedBlock(table, row, k);
    const double number = ReadNumber(numberText);
    if (IsRightAnswer(level, block, number, unitText)) {
        o.verdict = TryOutcome::Verdict::Right;
        o.mark = o.tries == 1 ? Mark::Right : Mark::RightLater;
        o.finished = true;
    } else {
        o.verdict = TryOutcome::Verdict::Wrong;
        o.finished = o.tries >= MaxTries;
        if (o.finished) {
            o.mark = Mark::Wrong;
            o.shown = expectedAnswer(level, block);
        } else {
            o.hint = ClassifyMistake(level, block, number, unitText, storedParts(table, row, k));
        }
    }
    return o;
}

void RecordTry(RowTable &table, int row, const TryOutcome &outcome)
{
    if (outcome.judged())
        table.set(row, Col::TryCount(outcome.problem), outcome.tries);
}

void RecordMark(RowTable &table, int row, const TryOutcome &outcome)
{
    if (outcome.judged() && outcome.finished)
        table.set(row, Col::ResultMark(outcome.problem), static_cast<int32_t>(outcome.mark));
}
