#include "support/formdriver.h"
#include "core/lanes.h"

#include "drill/newproblem.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

FormDriver::FormDriver(int screenWidth)
{
    platform.screenWidth = screenWidth;
    form = std::make_unique<Form1>(platform);
    form->show();
}

void FormDriver::click(const QString &buttonName)
{
    auto *b = find<QAbstractButton>(buttonName);
    QVERIFY2(b, qPrintable(buttonName));
    QTest::mouseClick(b, Qt::LeftButton);
}

void FormDriver::chooseLevel(int level)
{
    click(QStringLiteral("Option2(%1)").arg(level - 1));
}

void FormDriver::decide()
{
    click(QStringLiteral("Command10"));
}

void FormDriver::start(int level)
{
    chooseLevel(level);
    decide();
}

void FormDriver::clickPanel(int x, int y, Qt::MouseButton button)
{
    QTest::mouseClick(form->Picture1[0]->surface(), button, {}, QPoint(x, y));
}

void FormDriver::startRow(int row)
{
    clickPanel(400, LaneBand::offset(row) + 175);
}

void FormDriver::press(int row, const QString &caption)
{
    const auto buttons = form->Picture6[row - 1]->findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->text() == caption) {
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no key %1 in lane %2").arg(caption).arg(row)));
}

void FormDriver::type(int row, const QString &number, const QString &unit)
{
    form->Text1[row - 1]->setText(number);
    form->Text2[row - 1]->setText(unit);
}

void FormDriver::check(int row)
{
    click(QStringLiteral("Command5(%1)").arg(row - 1));
}

std::array<int32_t, 4> FormDriver::block(int row, int k) const
{
    return {cell(row, Col::block(k, 1)), cell(row, Col::block(k, 2)), cell(row, Col::block(k, 3)),
            cell(row, Col::block(k, 4))};
}

Answer rightAnswer(int level, const std::array<int32_t, 4> &b)
{
    // Written out here rather than asked of the judge, so that the program
    // is checked against figures of its own.
    static const char *const base[] = {"ｃ㎡", "ｃ㎡", "㎡", "ａ", "ｈａ", "ｋ㎡"};
    static const char *const lengthUnit[] = {"ｃ㎡", "㎡", "ｋ㎡"};              // level 8: cm, m, km sides
    static const char *const areaUnit[] = {"ｃ㎡", "㎡", "ａ", "ｈａ", "ｋ㎡"}; // levels 10 to 12
    if (level >= 1 && level <= 6)
        return {QString::number(b[0] + b[1] + b[2] + b[3]), QString::fromUtf8(base[level - 1])};
    const char *unit = "";
    if (level == 7 || level == 9)
        unit = "ｃ㎡";
    else if (level == 8 && b[2] >= 0 && b[2] <= 2)
        unit = lengthUnit[b[2]];
    else if (level >= 10 && level <= 12 && b[2] >= 0 && b[2] <= 4)
        unit = areaUnit[b[2]];
    return {QString::number(b[3]), QString::fromUtf8(unit)};
}

void FormDriver::newProblem(int row)
{
    state().RowIndex = static_cast<int16_t>(row);
    NewProblem(state(), form->panel(), *form);
}

int FormDriver::yellowCells(int row) const
{
    const int y0 = LaneBand::offset(row);
    int n = 0;
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j)
            n += image().pixel(gridCell(y0, i, j).center()) == qRgb(255, 255, 0);
    return n;
}
