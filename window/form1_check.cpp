#include "window/form1.h"
#include "drawing/face.h"
#include "core/lanes.h"
#include "drill/check.h"
#include "drill/newproblem.h"
#include "drill/reading.h"

#include <QLineEdit>

namespace {
// A frozen clock must not freeze the window: give up after about four
// seconds of steps.
constexpr int MaxPauseSteps = 280;
// Long enough for a nine-year-old to read the answer.
constexpr qint64 RightAnswerMs = 2500;
} // namespace

bool Form1::showRightAnswer(int row, const std::optional<ExpectedAnswer> &answer)
{
    if (!answer)
        return false;
    for (QLineEdit *box : {Text1[row - 1], Text2[row - 1]}) {
        setFace(box, QPalette::Text, Rgb::red());
        box->setReadOnly(true);
    }
    Text1[row - 1]->setText(QString::number(answer->number));
    Text2[row - 1]->setText(unitText(answer->unit));
    Text1[row - 1]->repaint();
    Text2[row - 1]->repaint();
    return true;
}

void Form1::waitUntil(qint64 clockMs)
{
    // Input waits as in the mark pause; a clock that stands still cannot
    // hold the window for more than a few seconds.
    for (int steps = 0; platform_.clockMs() < clockMs && steps < MaxPauseSteps; ++steps)
        platform_.pauseStep();
}

void Form1::Command5_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    const int r = index + 1;
    m_.RowIndex = static_cast<int16_t>(r);

    const TryOutcome outcome = JudgeTry(m_.Level, m_.RowTable, r, Text1[index]->text(), Text2[index]->text());
    if (outcome.verdict == TryOutcome::Verdict::EmptyNumber) {
        platform_.messageBox(this, QStringLiteral("こたえをタイプしてください。"), MsgButtons::Ok);
        return;
    }
    if (!outcome.judged())
        return;
    RecordTry(m_.RowTable, r, outcome);
    eraseHint(r);

    Canvas &p = panel();
    const QPoint at = Lane::markAt(r);
    p.CurrentX = at.x();
    p.CurrentY = at.y();
    p.ForeColor = Rgb::red();

    // Keep what lies under the mark, so that erasing it takes the whole
    // glyph away and touches nothing else.
    const QString mark = outcome.markText();
    const QRect markArea = p.textRect(mark).united(Lane::markErased(r)) & p.image().rect();
    const Canvas::Saved under = p.save(markArea);
    p.print(mark);
    // After the last miss the pupil sees the answer where it belonged.
    const bool teach = showRightAnswer(r, outcome.shown);
    if (teach)
        setReading(r, MarkReading(false) + AnswerReading(*outcome.shown));
    const qint64 shownAt = platform_.clockMs();
    platform_.markSound(outcome.verdict == TryOutcome::Verdict::Right ? MarkSound::Right : MarkSound::Wrong);
    ShowMarkPause(under);

    if (outcome.verdict == TryOutcome::Verdict::Wrong) {
        if (teach)
            waitUntil(shownAt + RightAnswerMs);
        resetBoxes(r);
        if (outcome.hint) {
            showHint(r, *outcome.hint);
            setReading(r, MarkReading(false) + HintReading(*outcome.hint, m_.Level));
        }
    }
    if (!outcome.finished)
        return;
    RecordMark(m_.RowTable, r, outcome);
    makeProblem();
    focusNumberBox(r);
}

void Form1::ShowMarkPause(const Canvas::Saved &under)
{
    Canvas &p = panel();
    p.refresh();
    int steps = 0;
    for (int change = 0; change < 2; ++change) {
        const QString noted = platform_.timeOfDay();
        while (platform_.timeOfDay() == noted && steps++ < MaxPauseSteps)
            platform_.pauseStep();
    }
    p.restore(under);
}
