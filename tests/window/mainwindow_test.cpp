// The program's window on a classroom TV (run on a 1920 x 1080 screen, as
// tst_window_tv does): full screen on and off, and the margin's menu.
#include "support/formdriver.h"
#include "support/testregistry.h"
#include "window/mainwindow.h"

#include <QApplication>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
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
