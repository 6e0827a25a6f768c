#include "window/form1.h"
#include "core/lanes.h"
#include "core/screenwidth.h"
#include "drill/newproblem.h"
#include "window/tallypanel.h"

#include <QLineEdit>
#include <QRadioButton>

void Form1::Option2_Click(int index)
{
    m_.Level = static_cast<int16_t>(index + 1);
}

void Form1::openLinkedLevel()
{
    const int level = platform_.linkedLevel();
    if (level < 1 || level > static_cast<int>(Option2.size()))
        return;
    Option2[level - 1]->click();
    // A worksheet's link waits on the level panel with its number typed in:
    // a browser opens the sheet only from the pupil's own press of プリント.
    const QString sheet = platform_.linkedSheet();
    if (!sheet.isEmpty()) {
        Text3->setText(sheet.left(Text3->maxLength()));
        return;
    }
    Command10_Click();
}

void Form1::ResetPanel()
{
    m_.PanelIndex = 0;
    const int lanes = bandsBlanked(m_.ScreenWidthPx);
    for (int row = 1; row <= lanes; ++row)
        blankBand(panel(), row);
}

void Form1::Command10_Click()
{
    ensureDrawingPanel();
    if (m_.Level == 0) {
        platform_.messageBox(this, QStringLiteral("レベルをきめてから、けっていボタンをおしてください。"), MsgButtons::Ok);
        return;
    }
    // The lanes' speakers follow. Connecting to the voice takes seconds
    // (2.4 to 3.5 s on a test machine, most of it listing the voices), which
    // a pupil's first tap, or read-aloud's first problem, should not wait for.
    platform_.readyVoice();
    ResetPanel();
    Canvas &p = panel();
    p.ForeColor = Rgb::black();
    for (int lane = 1; lane <= Lane::Count; ++lane) {
        p.CurrentX = Lane::invitationAt(lane).x();
        p.CurrentY = Lane::invitationAt(lane).y();
        p.print(QStringLiteral("ここをクリックしてください。"));
    }
    DrawingPanel *shown = Picture1[m_.PanelIndex];
    shown->hide();
    Picture7->hide();
    // The last drill's tally, should the keyboard have reached けってい under it.
    if (Tally)
        Tally->hide();
    shown->move(8, 8);
    shown->show();
}

void Form1::Command2_Click()
{
    if (platform_.messageBox(this, QStringLiteral("「Quilmo」を　終わります。"), MsgButtons::YesNo) == MsgAnswer::Yes)
        platform_.endProgram();
}
