#include "window/form1.h"
#include "drawing/fonts.h"
#include "core/screenwidth.h"
#include "drill/seed.h"
#include "core/levelpanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

void Form1::Form_Load()
{
    const QString first = platform_.timeOfDay();
    const QString second = platform_.timeOfDay();
    m_.Random.reseed(static_cast<uint32_t>(SeedFromClock(first, second)));

    m_.ScreenWidthPx = static_cast<int16_t>(std::clamp(platform_.screenWidthPx(), 0, 32767));

    if (!isWideLayout(m_.ScreenWidthPx)) {
        Picture7->resize(794, 530);
        Command10->move(600, Command10->y());
        Command2->move(695, Command2->y());
        // The heading fills the top row here: the worksheet's two go below
        // the buttons, right of the level choices' texts.
        Command12->move(695, 56);
        Text3->move(630, 60);
        Label2->setFont(Fonts::make(Fonts::PMincho, 16, true));
        // The window itself is laid out for an 800-pixel screen.
        setFixedSize(NarrowClient);
    }
    layOutLevelChoices();
    layOutSwitches();
    fitHeading();
    layOutDrawingPanel();
    Picture7->move(4, 4);
    Picture7->show();
}

void Form1::layOutLevelChoices()
{
    const int count = static_cast<int>(Option2.size());
    for (int i = 0; i < count; ++i)
        Option2[i]->setGeometry(LevelPanel::choice(i, count, isWideLayout(m_.ScreenWidthPx)));
}

void Form1::layOutDrawingPanel()
{
    if (!Picture1[0] || isWideLayout(m_.ScreenWidthPx))
        return;
    Picture3[0]->hide(); // the boy, top right
    Picture1[0]->resize(786, 530);
}
