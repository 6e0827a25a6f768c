#include "platform/qtplatform.h"

#include "drawing/fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <QWidget>

#include <cmath>

namespace {
// A window shown drawn smaller sits inside a view; the question belongs to
// that view's window, so that it is centred on it and keeps it waiting.
QWidget *hostWindow(QWidget *w)
{
    if (!w)
        return nullptr;
    if (const QGraphicsProxyWidget *proxy = w->window()->graphicsProxyWidget()) {
        const QList<QGraphicsView *> views = proxy->scene() ? proxy->scene()->views() : QList<QGraphicsView *>{};
        if (!views.isEmpty())
            return views.first()->window();
    }
    return w->window();
}
} // namespace

QtPlatform::QtPlatform()
{
    System::prepareProcess();
}
QtPlatform::~QtPlatform() = default;

MsgAnswer QtPlatform::messageBox(QWidget *parent, const QString &text, MsgButtons buttons)
{
    QMessageBox box(hostWindow(parent));
    box.setWindowTitle(messageTitle());
    box.setText(text);
    box.setFont(Fonts::make(Fonts::Gothic, 16, false)); // big enough for a nine-year-old
    box.setIcon(buttons == MsgButtons::YesNo ? QMessageBox::Question : QMessageBox::Information);
    if (buttons == MsgButtons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return MsgAnswer::Ok;
    }
    // Pupils read Japanese; the platform's own captions may be English.
    QPushButton *yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void QtPlatform::beep()
{
    QApplication::beep();
}

System::MarkSounds &QtPlatform::soundPlayer()
{
    if (!sound_)
        sound_ = System::markSounds([] { QApplication::beep(); });
    return *sound_;
}

void QtPlatform::markSound(MarkSound which)
{
    soundPlayer().play(which);
}

void QtPlatform::readyMarkSounds()
{
    soundPlayer().ready();
}

QString QtPlatform::timeOfDay()
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

qint64 QtPlatform::clockMs()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

int QtPlatform::screenWidthPx()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1024;
    return static_cast<int>(std::lround(screen->geometry().width() * screen->devicePixelRatio()));
}

void QtPlatform::endProgram()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    System::endProgram();
}

void QtPlatform::pauseStep()
{
    System::pauseStep();
}
