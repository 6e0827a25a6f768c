// The pause for window systems that hand input over at once (the browser):
// clicks, keys and touches made during the pause reach the window after it,
// in order, as from a desktop's event queue. QTest's events for a QWindow
// are delivered at once, as the browser's are.
#include "platform/holdingpause.h"
#include "support/testregistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

class TestHoldingPause : public QObject {
    Q_OBJECT
private slots:
    void inputWaitsForThePause_data();
    void inputWaitsForThePause();
    void inputOutsideAPausePasses();
};

namespace {

constexpr int PauseSteps = 4;

// A window with buttons A (which pauses) and B, and a number box that has
// the focus, as a lane's keypad leaves it; and a second window, C.
struct Scene {
    QWidget window;
    QPushButton *a = new QPushButton(QStringLiteral("A"), &window);
    QPushButton *b = new QPushButton(QStringLiteral("B"), &window);
    QLineEdit *box = new QLineEdit(&window);
    std::unique_ptr<QWidget> other = std::make_unique<QWidget>();
    QPushButton *c = new QPushButton(QStringLiteral("C"), other.get());
    std::unique_ptr<QPointingDevice> touchScreen{QTest::createTouchDevice()};
    HoldingPause pause;
    QStringList log;
    QStringList duringPause; // done by the "pupil" in the first pause
    QStringList seenInPause;

    Scene()
    {
        window.setGeometry(100, 100, 300, 120);
        a->setGeometry(10, 10, 60, 30);
        b->setGeometry(80, 10, 60, 30);
        box->setGeometry(10, 60, 200, 30);
        other->setGeometry(500, 100, 100, 60);
        c->setGeometry(10, 10, 60, 30);
        for (QPushButton *button : {a, b, c}) {
            button->setFocusPolicy(Qt::NoFocus);
            QObject::connect(button, &QPushButton::clicked, [this, button] { log << button->text(); });
        }
        QObject::connect(a, &QPushButton::clicked, [this] { markPause(); });
        QObject::connect(box, &QLineEdit::textChanged, [this](const QString &t) { log << QStringLiteral("text ") + t; });
        window.show();
        other->show();
        box->setFocus();
    }

    void markPause()
    {
        if (!duringPause.isEmpty())
            QTimer::singleShot(0, &window, [this] { act(std::exchange(duringPause, {})); });
        for (int i = 0; i < PauseSteps; ++i)
            pause.step();
        log << QStringLiteral("A done");
    }

    void act(const QStringList &actions)
    {
        for (const QString &action : actions) {
            if (action == QLatin1String("close C"))
                other.reset();
            else if (action.startsWith(QLatin1String("touch ")))
                touch(button(action.mid(6)));
            else if (action.startsWith(QLatin1String("key ")))
                QTest::keyClick(window.windowHandle(), action.at(4).toLatin1());
            else
                click(button(action));
        }
        seenInPause = log;
    }

    QPushButton *button(const QString &name) { return name == QLatin1String("A") ? a : name == QLatin1String("B") ? b : c; }

    static void click(QPushButton *button)
    {
        QTest::mouseClick(button->window()->windowHandle(), Qt::LeftButton, {}, button->geometry().center());
    }

    void touch(QPushButton *button)
    {
        QWindow *w = button->window()->windowHandle();
        QTest::touchEvent(w, touchScreen.get()).press(0, button->geometry().center(), w);
        QTest::touchEvent(w, touchScreen.get()).release(0, button->geometry().center(), w);
    }
};

} // namespace

void TestHoldingPause::inputWaitsForThePause_data()
{
    QTest::addColumn<QStringList>("duringPause");
    QTest::addColumn<QStringList>("handled");
    QTest::newRow("click") << QStringList{"B"} << QStringList{"A", "A done", "B"};
    QTest::newRow("clicks in order") << QStringList{"B", "C"} << QStringList{"A", "A done", "B", "C"};
    QTest::newRow("key and click in order") << QStringList{"key 7", "B", "key 8"}
                                            << QStringList{"A", "A done", "text 7", "B", "text 78"};
    QTest::newRow("a click that pauses again holds the rest")
        << QStringList{"A", "B"} << QStringList{"A", "A done", "A", "A done", "B"};
    QTest::newRow("touch") << QStringList{"touch B"} << QStringList{"A", "A done", "B"};
    QTest::newRow("input of a window closed meanwhile") << QStringList{"C", "close C", "B"}
                                                        << QStringList{"A", "A done", "B"};
}

void TestHoldingPause::inputWaitsForThePause()
{
    QFETCH(QStringList, duringPause);
    QFETCH(QStringList, handled);
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.duringPause = duringPause;
    Scene::click(scene.a);
    QCOMPARE(scene.seenInPause, QStringList{"A"});
    QTRY_COMPARE(scene.log, handled);
    QCOMPARE(scene.pause.waiting(), 0);
}

void TestHoldingPause::inputOutsideAPausePasses()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    Scene::click(scene.a);
    QCOMPARE(scene.log, (QStringList{"A", "A done"}));
    QTest::qWait(20); // the pause is over once the event loop has run
    Scene::click(scene.b);
    QTest::keyClick(scene.window.windowHandle(), '5');
    QCOMPARE(scene.log, (QStringList{"A", "A done", "B", "text 5"}));
}

QUILMO_TEST(TestHoldingPause)
#include "holdingpause_test.moc"
