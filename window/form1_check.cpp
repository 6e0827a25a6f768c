#include "window/form1.h"
#include "core/lanes.h"
#include "drill/judge.h"
#include "drill/newproblem.h"

#include <QLineEdit>

namespace {
// A frozen clock must not freeze the window: give up after about four
// seconds of steps.
constexpr int MaxPauseSteps = 280;
// Long enough for a nine-year-old to read the answer.
constexpr qint64 RightAnswerMs = 2500;
} // namespace

bool Form1::showRightAnswer(int row, const std::array<int32_t, 4> &block)
{
    const std::optional<ExpectedAnswer> answer = expectedAnswer(m_.Level, block);
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
    const int y0 = LaneBand::offset(r);

    if (Text1[index]->text().isEmpty()) {
        platform_.messageBox(this, QStringLiteral("こたえをタイプしてください。"), MsgButtons::Ok);
        return;
    }
    const double number = ReadNumber(Text1[index]->text());
    const QString unit = Text2[index]->text();

    RowTable &table = m_.RowTable;
    const int k = table.at(r, Col::ProblemCount);
    // Only an open problem of a running lane is judged: a lane that has
    // stopped after its last problem keeps its record as it is.
    if (table.at(r, Col::RowActive) == 0 || k < 1 || k > RowTable::MaxProblems ||
        table.at(r, Col::ResultMark(k)) != 0 || table.at(r, Col::TryCount(k)) >= 3)
        return;
    const int t = table.at(r, Col::TryCount(k)) + 1;
    table.set(r, Col::TryCount(k), t);

    Canvas &p = panel();
    p.CurrentX = 40;
    p.CurrentY = y0 + 180;
    p.ForeColor = Rgb::red();

    const std::array<int32_t, 4> block{table.at(r, Col::block(k, 1)), table.at(r, Col::block(k, 2)),
                                       table.at(r, Col::block(k, 3)), table.at(r, Col::block(k, 4))};
    const bool right = IsRightAnswer(m_.Level, block, number, unit);
    const QString mark = right ? QStringLiteral("○") : QStringLiteral("×");

    // Keep what lies under the mark, so that erasing it takes the whole
    // glyph away and touches nothing else.
    const QRect markArea = p.textRect(mark).united(QRect(40, y0 + 180, 27, 27)) & p.image().rect();
    const Canvas::Saved under = p.save(markArea);
    p.print(mark);
    // After the last miss the pupil sees the answer where it belonged.
    const bool teach = !right && t >= 3 && showRightAnswer(r, block);
    const qint64 shownAt = platform_.clockMs();
    platform_.markSound(right ? MarkSound::Right : MarkSound::Wrong);
    ShowMarkPause(under);

    if (right) {
        table.set(r, Col::ResultMark(k), static_cast<int32_t>(t == 1 ? Mark::Right : Mark::RightLater));
    } else {
        if (teach)
            waitUntil(shownAt + RightAnswerMs);
        resetBoxes(r);
        if (t < 3)
            return;
        table.set(r, Col::ResultMark(k), static_cast<int32_t>(Mark::Wrong));
    }
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
