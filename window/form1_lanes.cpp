#include "drill/rowat.h"

#include "window/form1.h"
#include "drill/newproblem.h"
#include "window/rubywidgets.h"
#include "drill/reading.h"
#include "window/tallypanel.h"
#include "window/timing.h"
#include "drill/tally.h"

#include <QLineEdit>
#include <QPushButton>

void Form1::Picture1_MouseDown(int index, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    Canvas &p = Picture1[index]->canvas();
    p.ForeColor = Rgb::white();
    p.FillColor = Rgb::white();
    p.Fill = FillStyle::Transparent;

    const int r = RowAt(x, y, m_.ScreenWidthPx);
    if (r == 0) {
        platform_.beep();
        return;
    }
    m_.RowIndex = static_cast<int16_t>(r);
    if (m_.RowTable.at(r, Col::RowActive) != 0)
        return;

    m_.RowTable.set(r, Col::RowActive, 1);
    m_.RowTable.clear(r, 1, 200);
    makeProblem();
    if (m_.RowTable.at(r, Col::ProblemCount) == 0)
        return; // the lane could not start a problem
    Text1[r - 1]->show();
    Text2[r - 1]->show();
    Command5[r - 1]->show();
    Command11[r - 1]->show();
    Picture6[r - 1]->show();
    // The pupil's first check follows soon; its sound should not wait for
    // the sound server to be reached.
    platform_.readyMarkSounds();
    focusNumberBox(r);
}

void Form1::focusNumberBox(int row)
{
    // A lane's new problem is typed into its number box, also after Enter
    // in its unit box; but a pupil typing in another lane keeps their box.
    QLineEdit *number = Text1[row - 1];
    if (number->isHidden())
        return; // the lane has stopped
    const QWidget *typing = focusWidget();
    for (int i = 0; i < Lane::Count; ++i)
        if (i != row - 1 && (typing == Text1[i] || typing == Text2[i]))
            return;
    number->setFocus(Qt::OtherFocusReason);
}

void Form1::Command8_Click(int)
{
    if (platform_.messageBox(this, QStringLiteral("みなさん　おわりましたか？"), MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    // Read before the record is cleared; shown once the drill has gone.
    const std::vector<LaneTally> tally = TallyLanes(m_.Level, m_.RowTable);
    Picture1[m_.PanelIndex]->hide();
    Picture7->show();
    for (int i = 0; i < Lane::Count; ++i) {
        Text1[i]->hide();
        Command5[i]->hide();
        Command11[i]->hide();
        Picture6[i]->hide();
        Text2[i]->hide();
        m_.RowTable.clear(i + 1, 0, RowTable::Columns - 1);
        forgetHint(i + 1);
    }
    if (tally.empty())
        return;
    if (!Tally) {
        Tally = new TallyPanel(this);
        Tally->setGeometry(Picture7->geometry());
    }
    Tally->setFurigana(ruby_ && ruby_->on());
    Tally->showTally(tally);
}

void Form1::makeProblem()
{
    const Timing::Stopwatch watch;
    forgetHint(m_.RowIndex);
    NewProblem(m_, panel(), *this);
    watch.report(Timing::problemMade);
    // A lane whose last problem is done has nothing left to read.
    const int r = m_.RowIndex, k = m_.RowTable.at(r, Col::ProblemCount);
    setReading(r, m_.RowTable.at(r, Col::ResultMark(k)) == 0 ? ProblemReading(m_.Level, m_.RowTable, r, k) : QString());
}
