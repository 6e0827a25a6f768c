#pragma once

#include "drill/answerboxes.h"
#include "drawing/canvas.h"
#include "core/module1.h"

#include <QString>

// Puts the next problem of lane RowIndex on the panel.
void NewProblem(Module1 &m, Canvas &panel, AnswerBoxes &boxes);

// Blanks the band of lane row (1 to 3) with a white rounded rectangle, as
// the decide button and every new problem do. The panel stays set to white
// and solid filling.
void blankBand(Canvas &panel, int row);

// "レベル" + level + " (" + N + ")  せいせき：" + marks, numbers in
// 2-character fields.
QString ScoreLine(int level, int N, const QString &marks);
// The marks of the last problems before problem N (at most nine), oldest first.
QString MarkText(const RowTable &table, int row, int N);
