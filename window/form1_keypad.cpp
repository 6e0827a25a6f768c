#include "drill/keymap.h"

#include "window/form1.h"

#include <QLineEdit>
#include <QString>

void Form1::Command6_Click(int index)
{
    if (const auto key = DigitKey(index)) {
        QLineEdit *box = Text1[key->row - 1];
        box->setText(box->text() + key->ch);
    }
}

void Form1::Command1_Click(int index)
{
    if (const auto key = UnitKey(index)) {
        QLineEdit *box = Text2[key->row - 1];
        box->setText(box->text() + key->ch);
    }
}

void Form1::Command7_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    Text1[index]->clear();
    Text2[index]->clear();
}
