#pragma once

#include "core/rowtable.h"
#include "drill/judge.h"
#include "drill/mistake.h"

#include <QString>

#include <optional>

// Every problem allows this many answers.
constexpr int MaxTries = 3;

// What one press of a lane's check button leads to, decided from the lane's
// record and the texts of its two boxes alone.
struct TryOutcome {
    enum class Verdict {
        EmptyNumber, // nothing typed: ask for an answer, count nothing
        NotOpen,     // the lane has no open problem: nothing happens
        Right,
        Wrong,
    };
    Verdict verdict = Verdict::NotOpen;
    int problem = 0;          // k, the problem judged
    int tries = 0;            // its TryCount with this answer
    Mark mark = Mark::None;   // what the problem earned, None while it stays open
    bool finished = false;    // the lane goes on to its next problem
    // The answer to show in the boxes after the last miss.
    std::optional<ExpectedAnswer> shown;
    // After a miss that leaves the problem open: what the answer shows.
    std::optional<Mistake> hint;

    bool judged() const { return verdict == Verdict::Right || verdict == Verdict::Wrong; }
    QString markText() const;
};

TryOutcome JudgeTry(int level, const RowTable &table, int row, const QString &numberText, const QString &unitText);

// Writes what a judged try changes in the lane's record: its TryCount at
// once, its ResultMark once the mark has been shown.
void RecordTry(RowTable &table, int row, const TryOutcome &outcome);
void RecordMark(RowTable &table, int row, const TryOutcome &outcome);
