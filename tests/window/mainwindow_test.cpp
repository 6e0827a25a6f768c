// The program's window on a classroom TV (run on a 1920 x 1080 screen, as
// tst_window_tv does): full screen on and off, the margin's menu, and the
// message boxes, menus and full-screen button as large as the drill.
#include "platform/qtplatform.h"
#include "support/formdriver.h"
#include "support/testregistry.h"
#include "window/mainwindow.h"

#include <QApplication>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void messageBoxGrowsWithDrill_data();
    void messageBoxGrowsWithDrill();
    void menusGrowWithDrill_data();
    void menusGrowWithDrill();
    void fullScreenCaptionGrowsWithDrill_data();
    void fullScreenCaptionGrowsWithDrill();
    void fullScreenOnAndOff_data();
    void fullScreenOnAndOff();
    void marginMenuOnlyOnMargin_data();
    void marginMenuOnlyOnMargin();
};

namespace {
// The drill in the program's window.
struct Shown {
    FormDriver d;
    MainWindow window{*d.form};
    QToolButton *button() const { return window.findChild<QToolButton *>(QStringLiteral("FullScreenButton")); }
};

// Shows the window at a size and waits until it takes keys.
bool showAt(Shown &s, QSize size)
{
    s.window.resize(size);
    s.window.show();
    s.window.activateWindow();
    return QTest::qWaitForWindowActive(&s.window) && s.window.size() == size;
}

// A point of a control of the drill, in the window, whatever the zoom.
QPoint inWindow(Shown &s, const QWidget *w, QPoint p)
{
    const QPoint inForm = w->mapTo(s.d.form.get(), p);
    const auto *view = s.window.findChild<QGraphicsView *>();
    if (!view || !view->isVisible())
        return s.d.form->mapTo(&s.window, inForm);
    return view->viewport()->mapTo(&s.window, view->mapFromScene(QPointF(inForm) + QPointF(0.5, 0.5)));
}

// Runs act; the first menu or modal window that opens meanwhile, or is open
// when act returns, is handed to look, which closes it. False when none opened.
bool whileOpen(const std::function<void()> &act, const std::function<void(QWidget *)> &look)
{
    bool seen = false;
    auto glance = [&] {
        QWidget *w = QApplication::activePopupWidget();
        if (!w)
            w = QApplication::activeModalWidget();
        if (w && w->isVisible() && !seen) {
            seen = true;
            look(w);
        }
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, glance);
    poll.start(10);
    act();
    poll.stop();
    glance();
    return seen;
}

// A right-click as the desktop delivers it, with the context menu it brings.
void rightClick(Shown &s, QPoint at)
{
    QTest::mouseClick(s.window.windowHandle(), Qt::RightButton, {}, at);
}
} // namespace

void TestMainWindow::initTestCase()
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    if (screen.width() < 1920 || screen.height() < 1080)
        QSKIP("runs on a 1920 x 1080 screen: tst_window_tv");
}

void TestMainWindow::messageBoxGrowsWithDrill_data()
{
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("question");
    QTest::addColumn<QSize>("designBox"); // the box as it has always been at design size
    QTest::addColumn<int>("textPx");      // 16 pt at 96 dpi is 21 px
    QTest::addColumn<int>("iconSide");    // the style's 32 pixels
    const QString notice = QStringLiteral("こたえをタイプしてください。");
    const QString finish = QStringLiteral("みなさん　おわりましたか？");
    const QString exit = QStringLiteral("「Quilmo」を　終わります。");
    QTest::newRow("design size") << QSize(1018, 743) << 1.0 << notice << false << QSize(367, 91) << 21 << 32;
    QTest::newRow("drawn smaller, kept at design size")
        << QSize(815, 595) << 0.8 << finish << true << QSize(346, 91) << 21 << 32;
    QTest::newRow("full screen 1920 x 1080") << QSize(1920, 1080) << 1.453 << finish << true << QSize(346, 91) << 31 << 46;
    QTest::newRow("twice") << QSize(2036, 1486) << 2.0 << notice << false << QSize(367, 91) << 42 << 64;
    QTest::newRow("classroom TV") << QSize(2953, 2155) << 2.9 << exit << true << QSize(346, 91) << 61 << 93;
}

namespace {
struct BoxLook {
    QString text;
    QWidget *parent = nullptr;
    int textPx = 0, buttonPx = 0;
    QSize icon, size;
    MsgAnswer answer = MsgAnswer::No;
};

// The real message box, as it shows; the pupil answers yes or takes note.
BoxLook openBox(Shown &s, const QString &text, bool question)
{
    QtPlatform platform;
    BoxLook look;
    const bool opened = whileOpen(
        [&] { look.answer = platform.messageBox(s.d.form->Command10, text, question ? MsgButtons::YesNo : MsgButtons::Ok); },
        [&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box) {
                w->close();
                return;
            }
            const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            look.text = box->text();
            look.parent = box->parentWidget();
            look.textPx = label ? label->font().pixelSize() : 0;
            look.buttonPx = box->buttons().first()->font().pixelSize();
            look.icon = box->iconPixmap().deviceIndependentSize().toSize();
            look.size = box->size();
            for (QAbstractButton *b : box->buttons())
                if (b->text() == (question ? QStringLiteral("はい") : QStringLiteral("OK")))
                    return b->click();
            box->close();
        });
    if (!opened)
        look.text = QStringLiteral("(no box)");
    return look;
}
} // namespace

void TestMainWindow::messageBoxGrowsWithDrill()
{
    QFETCH(QSize, windowSize);
    QFETCH(double, zoom);
    QFETCH(QString, text);
    QFETCH(bool, question);
    QFETCH(QSize, designBox);
    QFETCH(int, textPx);
    QFETCH(int, iconSide);
    Shown s;
    QVERIFY(showAt(s, QSize(1018, 743)));
    const BoxLook design = openBox(s, text, question);
    QCOMPARE(design.size, designBox);
    s.window.resize(windowSize);
    QCOMPARE(s.window.zoom(), zoom);
    const BoxLook look = openBox(s, text, question);
    QCOMPARE(look.text, text);
    QCOMPARE(look.parent, &s.window); // centred on the program's window
    QCOMPARE(look.textPx, textPx);
    QCOMPARE(look.buttonPx, textPx);
    QCOMPARE(look.icon, QSize(iconSide, iconSide));
    QCOMPARE(look.answer, question ? MsgAnswer::Yes : MsgAnswer::Ok);
    if (zoom <= 1.0) {
        QCOMPARE(look.size, designBox);
        return;
    }
    // As much larger as the drill, near enough; never wider than Qt lets a box be.
    const QString sizes = QStringLiteral("%1 x %2").arg(look.size.width()).arg(look.size.height());
    QVERIFY2(look.size.width() >= 0.9 * std::min(zoom * designBox.width(), 1000.0), qPrintable(sizes));
    QVERIFY2(look.size.width() <= 1000, qPrintable(sizes));
    QVERIFY2(look.size.height() >= 0.9 * zoom * designBox.height(), qPrintable(sizes));
}

void TestMainWindow::menusGrowWithDrill_data()
{
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("margin"); // else the number box's menu
    QTest::newRow("design size, grown wider: margin") << QSize(1418, 743) << 1.0 << true;
    QTest::newRow("design size, grown wider: box") << QSize(1418, 743) << 1.0 << false;
    QTest::newRow("drawn smaller: box") << QSize(815, 595) << 1.0 << false;
    QTest::newRow("twice: margin") << QSize(2836, 1486) << 2.0 << true;
    QTest::newRow("twice: box") << QSize(2836, 1486) << 2.0 << false;
    QTest::newRow("classroom TV: margin") << QSize(3840, 2160) << 2.907 << true;
    QTest::newRow("classroom TV: box") << QSize(3840, 2160) << 2.907 << false;
}

void TestMainWindow::menusGrowWithDrill()
{
    QFETCH(QSize, windowSize);
    QFETCH(double, zoom);
    QFETCH(bool, margin);
    Shown s;
    s.d.start(1);
    s.d.startRow(1);
    QVERIFY(showAt(s, windowSize));
    QLineEdit *box = s.d.form->Text1[0];
    const QPoint at = margin ? QPoint(20, windowSize.height() / 2) : inWindow(s, box, QPoint(20, 20));
    QFont font;
    int items = 0;
    QString first;
    const bool opened = whileOpen([&] { rightClick(s, at); },
                                  [&](QWidget *w) {
                                      font = w->font();
                                      items = static_cast<int>(w->actions().size());
                                      first = items ? w->actions().first()->text() : QString();
                                      w->close();
                                  });
    QVERIFY(opened);
    if (margin) {
        QCOMPARE(items, 1);
        QCOMPARE(first, QStringLiteral("ぜんがめん（F11）"));
    } else {
        QVERIFY(items >= 5); // the box's own: undo, cut, copy, paste...
    }
    // The desktop's menu font, as much larger as the drill is drawn.
    const QFont desktop = QApplication::font("QMenu");
    QVERIFY(desktop.pointSizeF() > 0);
    QCOMPARE(font.pointSizeF(), desktop.pointSizeF() * zoom);
}

void TestMainWindow::fullScreenCaptionGrowsWithDrill_data()
{
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<int>("minPx"); // 12 pt at 96 dpi is 16 px
    QTest::addColumn<int>("maxPx");
    QTest::addColumn<int>("lines"); // 0: no button, the margin is too narrow
    QTest::newRow("design size, grown wider") << QSize(1418, 743) << 16 << 16 << 1;
    QTest::newRow("grown a little") << QSize(1100, 800) << 0 << 0 << 0;
    QTest::newRow("twice, wide margin") << QSize(2836, 1486) << 32 << 32 << 1;
    QTest::newRow("full screen 1920 x 1080") << QSize(1920, 1080) << 23 << 23 << 2;
    QTest::newRow("classroom TV 3840 x 2160") << QSize(3840, 2160) << 47 << 47 << 2;
    // Two lines at 34 px are too wide for this margin; as large as it allows.
    QTest::newRow("2560 x 1600") << QSize(2560, 1600) << 17 << 33 << 2;
}

void TestMainWindow::fullScreenCaptionGrowsWithDrill()
{
    QFETCH(QSize, windowSize);
    QFETCH(int, minPx);
    QFETCH(int, maxPx);
    QFETCH(int, lines);
    Shown s;
    QVERIFY(showAt(s, windowSize));
    QToolButton *b = s.button();
    QVERIFY(b);
    QCOMPARE(b->isVisible(), lines > 0);
    if (!lines)
        return;
    const int px = b->font().pixelSize();
    QVERIFY2(px >= minPx && px <= maxPx, qPrintable(QString::number(px)));
    QCOMPARE(b->text().split(QLatin1Char('\n')).join(QString()), QStringLiteral("ぜんがめん（F11）"));
    QCOMPARE(b->text().count(QLatin1Char('\n')) + 1, lines);
    // In the margin, beside the drill, and all of it inside the window.
    const QPoint drillTopRight = inWindow(s, s.d.form.get(), QPoint(s.d.form->width() - 1, 0));
    QVERIFY(b->geometry().left() > drillTopRight.x() || b->geometry().bottom() < drillTopRight.y());
    QVERIFY(s.window.rect().contains(b->geometry()));
}

void TestMainWindow::fullScreenOnAndOff_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("F11") << "F11";
    QTest::newRow("F11 in a number box") << "F11 in box";
    QTest::newRow("the margin's button") << "button";
    QTest::newRow("the margin's menu") << "menu";
}

void TestMainWindow::fullScreenOnAndOff()
{
    QFETCH(QString, how);
    Shown s;
    s.d.start(2);
    s.d.startRow(2);
    const QSize normal(1600, 900);
    QVERIFY(showAt(s, normal));
    const QSize screen = s.window.screen()->geometry().size();
    auto act = [&] {
        if (how == QLatin1String("F11")) {
            QTest::keyClick(&s.window, Qt::Key_F11);
        } else if (how == QLatin1String("F11 in box")) {
            s.d.form->Text1[1]->setFocus();
            QTest::keyClick(s.d.form->Text1[1], Qt::Key_F11);
        } else if (how == QLatin1String("button")) {
            QTRY_VERIFY(s.button()->isVisible());
            QTest::mouseClick(s.button(), Qt::LeftButton);
        } else {
            const bool opened = whileOpen([&] { rightClick(s, QPoint(20, s.window.height() / 2)); },
                                          [&](QWidget *w) {
                                              auto *menu = qobject_cast<QMenu *>(w);
                                              QVERIFY(menu && !menu->actions().isEmpty());
                                              QAction *a = menu->actions().first();
                                              QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                                          });
            QVERIFY(opened);
        }
    };
    act();
    QTRY_VERIFY(s.window.isFullScreen());
    QTRY_COMPARE(s.window.size(), screen);
    QTRY_VERIFY(s.button()->isVisible());
    QCOMPARE(s.button()->text().split(QLatin1Char('\n')).join(QString()), QStringLiteral("もとの大きさ（F11）"));
    act();
    QTRY_VERIFY(!s.window.isFullScreen());
    QTRY_COMPARE(s.window.size(), normal);
    QCOMPARE(s.button()->text().split(QLatin1Char('\n')).join(QString()), QStringLiteral("ぜんがめん（F11）"));
}

void TestMainWindow::marginMenuOnlyOnMargin_data()
{
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("menu");
    QTest::newRow("design size, grown wider: margin") << QSize(1418, 743) << "margin" << true;
    QTest::newRow("design size, grown wider: drawing panel") << QSize(1418, 743) << "drawing panel" << false;
    QTest::newRow("design size, grown wider: level panel") << QSize(1418, 743) << "level panel" << false;
    QTest::newRow("exactly design size: drawing panel") << QSize(1018, 743) << "drawing panel" << false;
    QTest::newRow("twice: margin") << QSize(2836, 1486) << "margin" << true;
    QTest::newRow("twice: drawing panel") << QSize(2836, 1486) << "drawing panel" << false;
    QTest::newRow("twice: level panel") << QSize(2836, 1486) << "level panel" << false;
    QTest::newRow("taller than wide: top margin") << QSize(1600, 1400) << "top margin" << true;
}

void TestMainWindow::marginMenuOnlyOnMargin()
{
    QFETCH(QSize, windowSize);
    QFETCH(QString, where);
    QFETCH(bool, menu);
    Shown s;
    if (where == QLatin1String("drawing panel"))
        s.d.start(3);
    QVERIFY(showAt(s, windowSize));
    QPoint at(20, windowSize.height() / 2);
    if (where == QLatin1String("drawing panel")) // beside the pictures, where clicks only beep
        at = inWindow(s, s.d.form->Picture1[0]->surface(), QPoint(790, 30));
    else if (where == QLatin1String("level panel"))
        at = inWindow(s, s.d.form->Picture7->client(), QPoint(900, 300));
    else if (where == QLatin1String("top margin"))
        at = QPoint(windowSize.width() / 2, 20);
    QVERIFY(s.window.rect().contains(at));
    const bool opened = whileOpen([&] { rightClick(s, at); }, [](QWidget *w) { w->close(); });
    QCOMPARE(opened, menu);
}

QUILMO_TEST(TestMainWindow)
#include "mainwindow_test.moc"
