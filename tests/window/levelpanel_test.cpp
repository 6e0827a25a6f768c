// The level panel: its two layouts, a row per level however many there
// are, the choice, and the switches below it.
#include "support/formdriver.h"
#include "support/testregistry.h"
#include "core/levelpanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSysInfo>
#include <QTest>

class TestLevelPanel : public QObject {
    Q_OBJECT
private slots:
    void layoutFollowsScreenWidth_data();
    void layoutFollowsScreenWidth();
    void rowsOfAnyCount_data();
    void rowsOfAnyCount();
    void thirteenLevelsFit_data();
    void thirteenLevelsFit();
    void choosingALevel();
    void decideWithoutChoiceOnlyWarns();
    void exitAsksFirst_data();
    void exitAsksFirst();
    void switchesBelowTheChoices_data();
    void switchesBelowTheChoices();
};

void TestLevelPanel::layoutFollowsScreenWidth_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("wide");
    QTest::newRow("800") << 800 << false;
    QTest::newRow("999") << 999 << false;
    QTest::newRow("1000") << 1000 << true;
    QTest::newRow("1024") << 1024 << true;
}

void TestLevelPanel::layoutFollowsScreenWidth()
{
    QFETCH(int, screen);
    QFETCH(bool, wide);
    FormDriver d(screen);
    Form1 &f = *d.form;
    QCOMPARE(d.state().ScreenWidthPx, screen);
    QCOMPARE(f.windowTitle(), QStringLiteral("Quilmo Ver1.0.1"));
    QCOMPARE(f.size(), wide ? QSize(1018, 743) : QSize(800, 542));
    QCOMPARE(f.grab().toImage().pixel(2, 2), rgb(192, 255, 192));
    QVERIFY(f.Picture7->isVisible());
    QCOMPARE(f.Picture7->pos(), QPoint(4, 4));
    QVERIFY(!f.Picture1[0]->isVisible());
    QCOMPARE(f.Picture7->size(), wide ? QSize(1013, 741) : QSize(794, 530));
    QCOMPARE(f.Picture1[0]->size(), wide ? QSize(1009, 741) : QSize(786, 530));
    QCOMPARE(f.Command10->x(), wide ? 820 : 600);
    QCOMPARE(f.Command2->x(), wide ? 912 : 695);
    QCOMPARE(f.Command10->y(), 8);
    // The design's size; Windows sets the bold a pixel wider a glyph, and the
    // heading takes a size or two less to keep clear of the number field.
    const int heading = f.Label2->font().pixelSize(), design = wide ? 27 : 21;
    QVERIFY2(heading == design || (QSysInfo::productType() == QLatin1String("windows") && heading >= design - 2),
             qPrintable(QString::number(heading)));
    QCOMPARE(f.Picture3[0]->isVisibleTo(f.Picture1[0]), wide);
    QCOMPARE(int(f.Option2.size()), LevelCount);
    for (int i = 0; i < LevelCount; ++i) {
        QCOMPARE(f.Option2[i]->geometry(), LevelPanel::choice(i, LevelCount, wide));
        QCOMPARE(f.Option2[i]->font().pixelSize(), 21); // 16 pt at 96 dpi
        QCOMPARE(f.Option2[i]->grab().toImage().pixel(f.Option2[i]->width() - 3, 5), rgb(239, 239, 255));
        QVERIFY(f.Option2[i]->geometry().bottom() < f.Picture7->client()->height());
    }
}

void TestLevelPanel::rowsOfAnyCount_data()
{
    QTest::addColumn<bool>("wide");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<QRect>>("rows"); // from the first on
    auto column = [](int x, QList<int> tops, int w, int h) {
        QList<QRect> r;
        for (int top : tops)
            r << QRect(x, top, w, h);
        return r;
    };
    // Twelve as designed; more at a closer pitch; many in two columns.
    QTest::newRow("wide 12") << true << 12
                             << column(37, {65, 115, 165, 215, 265, 315, 365, 415, 465, 515, 565, 615}, 805, 37);
    QTest::newRow("narrow 12") << false << 12
                               << column(37, {65, 102, 139, 176, 213, 250, 287, 324, 361, 398, 435, 472}, 700, 28);
    QTest::newRow("wide 13") << true << 13
                             << column(37, {65, 112, 159, 206, 253, 300, 347, 394, 441, 488, 535, 582, 629}, 805, 37);
    QTest::newRow("narrow 13") << false << 13
                               << column(37, {65, 98, 131, 164, 197, 230, 263, 296, 329, 362, 395, 428, 461}, 700, 28);
    QTest::newRow("narrow 20") << false << 20
                               << column(37, {65, 102, 139, 176, 213, 250, 287, 324, 361, 398}, 345, 28)
                                      + column(392, {65, 102, 139, 176, 213, 250, 287, 324, 361, 398}, 345, 28);
}

void TestLevelPanel::rowsOfAnyCount()
{
    QFETCH(bool, wide);
    QFETCH(int, count);
    QFETCH(QList<QRect>, rows);
    for (int i = 0; i < count; ++i)
        QCOMPARE(LevelPanel::choice(i, count, wide), rows[i]);
}

void TestLevelPanel::thirteenLevelsFit_data()
{
    layoutFollowsScreenWidth_data();
}

// A table of thirteen levels, given to the real panel: every choice shows
// its whole caption, apart from the others, the switches and the buttons.
void TestLevelPanel::thirteenLevelsFit()
{
    QFETCH(int, screen);
    FormDriver d(screen);
    Form1 &f = *d.form;
    QStringList captions;
    for (int level = 1; level <= 13; ++level)
        captions << QStringLiteral("L%1 次の面積を求めましょう。").arg(level, 2, 10, QLatin1Char('0'));
    f.setLevelChoices(captions);
    QCOMPARE(int(f.Option2.size()), 13);
    QRect above = f.Command10->geometry().united(f.Label2->geometry());
    for (QRadioButton *o : f.Option2) {
        QVERIFY(o->isVisible());
        QVERIFY(o->height() >= o->fontMetrics().height());
        QVERIFY(o->geometry().top() > above.bottom());
        above = o->geometry();
    }
    QVERIFY(above.bottom() < f.Check1[0]->geometry().top());
    for (QWidget *w : {static_cast<QWidget *>(f.Command12), static_cast<QWidget *>(f.Text3)})
        QCOMPARE(f.Picture7->client()->childAt(w->geometry().center()), w); // no row hides it
    QTest::mouseClick(f.Option2.back(), Qt::LeftButton, {}, QPoint(f.Option2.back()->width() - 4, 4));
    QCOMPARE(d.state().Level, 13);
}

void TestLevelPanel::choosingALevel()
{
    FormDriver d;
    QCOMPARE(d.state().Level, 0);
    for (QRadioButton *o : d.form->Option2)
        QVERIFY(!o->isChecked());
    d.chooseLevel(5);
    d.chooseLevel(2);
    QCOMPARE(d.state().Level, 2);
    QVERIFY(d.form->Option2[1]->isChecked());
    QVERIFY(!d.form->Option2[4]->isChecked());
    // Choosing draws and moves nothing.
    QVERIFY(d.form->Picture7->isVisible());
    QVERIFY(!d.form->Picture1[0]->isVisible());
}

void TestLevelPanel::decideWithoutChoiceOnlyWarns()
{
    FormDriver d;
    const QImage before = d.image();
    d.decide();
    QCOMPARE(d.platform.messages.size(), 1);
    QCOMPARE(d.platform.messages[0].text, QStringLiteral("レベルをきめてから、けっていボタンをおしてください。"));
    QCOMPARE(d.platform.messages[0].buttons, MsgButtons::Ok);
    QVERIFY(d.form->Picture7->isVisible());
    QVERIFY(!d.form->Picture1[0]->isVisible());
    QCOMPARE(d.image(), before);
}

void TestLevelPanel::exitAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestLevelPanel::exitAsksFirst()
{
    QFETCH(bool, yes);
    FormDriver d;
    d.chooseLevel(3);
    d.platform.answers.push_back(yes ? MsgAnswer::Yes : MsgAnswer::No);
    d.click(QStringLiteral("Command2"));
    QCOMPARE(d.platform.messages.size(), 1);
    QCOMPARE(d.platform.messages[0].text, QStringLiteral("「Quilmo」を　終わります。"));
    QCOMPARE(d.platform.messages[0].buttons, MsgButtons::YesNo);
    QCOMPARE(d.platform.ended, yes);
    QCOMPARE(d.state().Level, 3);
    QVERIFY(d.form->Option2[2]->isChecked());
}

void TestLevelPanel::switchesBelowTheChoices_data()
{
    QTest::addColumn<int>("screen");
    QTest::newRow("wide") << 1024;
    QTest::newRow("narrow") << 800;
}

// Each switch turns its aid on and off for the whole window; the three keep
// clear of the choices and of each other, inside the panel.
void TestLevelPanel::switchesBelowTheChoices()
{
    QFETCH(int, screen);
    FormDriver d(screen);
    Form1 &f = *d.form;
    const QRect inside = f.Picture7->client()->rect();
    const bool ReadingAids::*flags[] = {&ReadingAids::ReadAloud, &ReadingAids::Furigana, &ReadingAids::ReadableFace};
    const char *captions[] = {"よみあげ", "ふりがな", "よみやすい　もじ"};
    for (int i = 0; i < 3; ++i) {
        QCheckBox *s = f.Check1[i];
        QCOMPARE(s->text(), QString::fromUtf8(captions[i]));
        QVERIFY(inside.contains(s->geometry()));
        QVERIFY(s->geometry().top() > f.Option2.back()->geometry().bottom());
        if (i > 0)
            QVERIFY(s->geometry().left() > f.Check1[i - 1]->geometry().right());
        QVERIFY(s->focusPolicy() & Qt::TabFocus);
        QVERIFY(!(d.state().Aids.*flags[i]));
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() - 4, s->height() / 2));
        QVERIFY(d.state().Aids.*flags[i]);
        QTest::keyClick(s, Qt::Key_Space);
        QVERIFY(!(d.state().Aids.*flags[i]));
    }
}

QUILMO_TEST(TestLevelPanel)
#include "levelpanel_test.moc"
