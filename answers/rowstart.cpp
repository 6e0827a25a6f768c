#include "rowstart.h"

#include "form1.h"
#include "newproblem.h"

#include <QLineEdit>
#include <QPushButton>

int RowAt(int x, int y, int screenWidthPx)
{
    if (!(20 < x && x < 770))
        return 0;
    if (70 < y && y < 280)
        return 1;
    if (290 < y && y < 500)
        return 2;
    if (510 < y && y < 770 && screenWidthPx > 1000)
        return 3;
    return 0;
}

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
    NewProblem(m_, panel(), *this);
    if (m_.RowTable.at(r, Col::ProblemCount) == 0)
        return; // the lane could not start a problem
    Text1[r - 1]->show();
    Text2[r - 1]->show();
    Command5[r - 1]->show();
    Picture6[r - 1]->show();
}

void Form1::Command8_Click(int)
{
    if (platform_.messageBox(this, QStringLiteral("みなさん　おわりましたか？"), MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    Picture1[m_.PanelIndex]->hide();
    Picture7->show();
    for (int i = 0; i < 3; ++i) {
        Text1[i]->hide();
        Command5[i]->hide();
        Picture6[i]->hide();
        Text2[i]->hide();
        m_.RowTable.clear(i + 1, 0, RowTable::Columns - 1);
    }
}
