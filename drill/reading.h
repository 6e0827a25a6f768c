#pragma once

#include "core/rowtable.h"
#include "drill/judge.h"

#include <QString>

// What a teacher would say for what a lane shows, in kana: the voices read
// kana right where they misread kanji, units and digits. Made from the
// stored problem, never from the drawn text.

// A whole number as Japanese numerals (1000000 ひゃくまん).
QString NumberReading(qint64 n);

// Problem k of a lane: its figure's labelled sides or its text, and what
// it asks; empty where the lane has no such problem.
QString ProblemReading(int level, const RowTable &table, int row, int k);

// What the mark after a check means.
QString MarkReading(bool right);

// The answer shown after the last miss.
QString AnswerReading(const ExpectedAnswer &answer);
