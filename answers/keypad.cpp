#include "keypad.h"

#include "form1.h"

#include <QLineEdit>
#include <QString>

std::optional<KeyTarget> DigitKey(int index)
{
    if (index < 0 || index > 29)
        return std::nullopt;
    const int row = index / 10 + 1;
    const int digit = row == 1 ? index : 10 * row - 1 - index;
    return KeyTarget{row, QChar(u'0' + digit)};
}

std::optional<KeyTarget> UnitKey(int index)
{
    static const QString Lane1 = QStringLiteral("ｃｋｍｈａ㎡");
    static const QString Others = QStringLiteral("㎡ａｈｍｋｃ");
    if (index < 0 || index > 17)
        return std::nullopt;
    if (index <= 5)
        return KeyTarget{1, Lane1.at(index)};
    if (index <= 11)
        return KeyTarget{2, Others.at(index - 6)};
    return KeyTarget{3, Others.at(index - 12)};
}

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
