// Controls without a handler take their clicks; the boxes' menu opens whole,
// in the desktop's colours.
#include "support/formdriver.h"
#include "core/lanes.h"
#include "drill/keymap.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QTest>

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void clicksOnQuietControlsDoNothing_data();
    void clicksOnQuietControlsDoNothing();
    void boxMenuIsItsOwnWindow();
    void keysShowWhatTheyAppend();
    void headingClearOfItsRow_data();
    void headingClearOfItsRow();
};

void TestControls::clicksOnQuietControlsDoNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("panelPoint");
    QTest::newRow("heading") << QStringLiteral("Label1(0)") << QPoint(200, 25);
    QTest::newRow("boy") << QStringLiteral("Picture3(0)") << QPoint(880, 160);
    QTest::newRow("boy's edge over lane 1") << QStringLiteral("Picture3(0)") << QPoint(768, 150);
    QTest::newRow("girl") << QStringLiteral("Picture2(0)") << QPoint(880, 390);
    QTest::newRow("children") << QStringLiteral("Picture4(0)") << QPoint(880, 620);
}

void TestControls::clicksOnQuietControlsDoNothing()
{
    QFETCH(QString, control);
    QFETCH(QPoint, panelPoint);
    FormDriver d;
    d.start(1);
    QWidget *surface = d.form->Picture1[0]->surface();
    auto *target = d.find<QLabel>(control);
    QVERIFY(target);
    // The point is on the control, as a pupil would click it.
    QCOMPARE(surface->childAt(panelPoint), target);
    const QImage before = d.image().copy();
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(surface, panelPoint));
    QTest::mouseDClick(target, Qt::LeftButton, {}, target->mapFrom(surface, panelPoint));
    QCOMPARE(d.platform.beeps, 0);
    for (int row = 1; row <= Lane::Count; ++row)
        QCOMPARE(d.cell(row, Col::RowActive), 0);
    QCOMPARE(d.image(), before);
    // A click beside the controls still beeps, so the clicks did arrive.
    d.clickPanel(790, 30);
    QCOMPARE(d.platform.beeps, 1);
}

void TestControls::boxMenuIsItsOwnWindow()
{
    FormDriver d;
    d.start(1);
    d.startRow(1);
    QLineEdit *box = d.form->Text1[0];
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(10, 10), box->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(box, &e);
    QMenu *menu = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *m = qobject_cast<QMenu *>(w); m && m->isVisible())
            menu = m;
    QVERIFY(menu);
    QCOMPARE(menu->parentWidget(), nullptr);
    QVERIFY(menu->actions().size() >= 5);
    // The desktop's colours, not the box's pink, and the whole menu on screen.
    QVERIFY(menu->palette().color(QPalette::Window) != box->palette().color(QPalette::Base));
    QCOMPARE(menu->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    QVERIFY(menu->screen()->geometry().contains(menu->geometry()));
    menu->close();
}

// Each key shows the character its index appends, in that lane's strip. All
// share one palette, under which the style keeps their look once, not per key.
void TestControls::keysShowWhatTheyAppend()
{
    FormDriver d;
    int keys = 0;
    QSet<qint64> palettes;
    for (QPushButton *b : d.form->findChildren<QPushButton *>()) {
        const QString name = b->objectName();
        const bool digit = name.startsWith(QLatin1String("Command6("));
        if (!digit && !name.startsWith(QLatin1String("Command1(")))
            continue;
        const int index = name.section(u'(', 1).chopped(1).toInt();
        const auto key = digit ? DigitKey(index) : UnitKey(index);
        QVERIFY2(key, qPrintable(name));
        QCOMPARE(b->text(), QString(key->ch));
        QCOMPARE(b->parentWidget()->parentWidget(), d.form->Picture6[key->row - 1]);
        palettes.insert(b->palette().cacheKey());
        ++keys;
    }
    QCOMPARE(keys, 3 * (10 + 6));
    QCOMPARE(palettes.size(), 1);
}

void TestControls::headingClearOfItsRow_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("readable");
    QTest::newRow("wide") << 1024 << false;
    QTest::newRow("wide, readable face") << 1024 << true;
    QTest::newRow("narrow") << 800 << false;
    QTest::newRow("narrow, readable face") << 800 << true;
}

// The level panel's heading is read whole: its ink ends before the first
// control on its row (the worksheet's number field, or けってい in the
// narrow layout). Run at 125 and 150 % and under Wine as well.
void TestControls::headingClearOfItsRow()
{
    QFETCH(int, screen);
    QFETCH(bool, readable);
    FormDriver d(screen);
    Form1 &f = *d.form;
    // The face is the whole program's: switched off again for the tests after.
    const auto off = qScopeGuard([&] {
        if (f.Check1[2]->isChecked())
            f.Check1[2]->click();
    });
    if (readable)
        f.Check1[2]->click();
    const QImage ink = f.Label2->grab().toImage();
    int last = -1;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = last + 1; x < ink.width(); ++x)
            if (qGray(ink.pixel(x, y)) < 128)
                last = x;
    const QRect row = f.Label2->geometry();
    int next = row.right();
    for (const QWidget *w : f.Picture7->client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w != f.Label2 && w->isVisible() && w->x() > row.x() && w->geometry().intersects(row))
            next = std::min(next, w->x());
    const double end = row.x() + (last + 1) / ink.devicePixelRatio();
    qInfo("the heading's ink ends at %.1f, %s at %d", end, qPrintable(f.Picture7->client()->childAt(next, row.center().y())->objectName()), next);
    QVERIFY(last > ink.width() / 2);
    QVERIFY2(end < next, qPrintable(QString::number(end)));
}

QUILMO_TEST(TestControls)
#include "controls_test.moc"
