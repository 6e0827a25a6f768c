#include "platform/qtplatform.h"

#include "drawing/fonts.h"
#include "platform/lessonlink.h"
#include "platform/zoom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTime>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
// A window shown drawn smaller sits inside a view; the question belongs to
// that view's window, so that it is centred on it and keeps it waiting.
QWidget *hostWindow(QWidget *w)
{
    if (const QGraphicsView *view = zoomingView(w))
        return view->window();
    return w ? w->window() : nullptr;
}

// A box as much larger as the drill is drawn. Its icon: the style's own at
// that size where it has one, else its largest made smoothly larger. Its
// width: Qt keeps a box narrower than 500 pixels, which would leave a few
// large characters on each line; it may be as much wider as the zoom, up to
// the 1000 pixels (and the screen) that Qt allows any box.
void zoomBox(QMessageBox &box, QStyle::StandardPixmap which, double zoom)
{
    const QSize side = (box.iconPixmap().deviceIndependentSize() * zoom).toSize();
    const qreal ratio = box.devicePixelRatioF();
    QPixmap icon = box.style()->standardIcon(which, nullptr, &box).pixmap(side, ratio);
    if (icon.deviceIndependentSize().toSize() != side) {
        icon = icon.scaled(side * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        icon.setDevicePixelRatio(ratio);
    }
    box.setIconPixmap(icon);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const QMargins m = grid->contentsMargins();
        grid->setContentsMargins(QMarginsF(m.toMarginsF() * zoom).toMargins());
        grid->setHorizontalSpacing(static_cast<int>(std::lround(grid->horizontalSpacing() * zoom)));
        grid->setVerticalSpacing(static_cast<int>(std::lround(grid->verticalSpacing() * zoom)));
    }

    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    const QScreen *screen = box.screen();
    if (!label || !screen)
        return;
    const int screenWidth = screen->availableGeometry().width();
    const int widest = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
    const int beside = side.width() + 60; // the icon, the gaps and the box's margins
    const int text = QFontMetrics(box.font()).horizontalAdvance(box.text());
    label->setMinimumWidth(std::max(0, std::min({text, static_cast<int>(500 * zoom) - beside, widest - beside})));
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
    // Big enough for a nine-year-old, and as much larger as the drill is drawn.
    const double zoom = readingZoom(parent);
    box.setFont(zoomed(Fonts::make(Fonts::Gothic, 16, false), zoom));
    box.setIcon(buttons == MsgButtons::YesNo ? QMessageBox::Question : QMessageBox::Information);
    if (zoom != 1.0)
        zoomBox(box, buttons == MsgButtons::YesNo ? QStyle::SP_MessageBoxQuestion : QStyle::SP_MessageBoxInformation, zoom);
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

System::MarkSounds &QtPlatform::sounds()
{
    if (!sound_)
        sound_ = System::markSounds([] { QApplication::beep(); });
    return *sound_;
}

void QtPlatform::markSound(MarkSound which)
{
    sounds().play(which);
}

void QtPlatform::readyMarkSounds()
{
    sounds().ready();
}

System::Voice &QtPlatform::voice()
{
    if (!voice_)
        voice_ = System::voice();
    return *voice_;
}

void QtPlatform::readyVoice()
{
    voice().ready();
}

bool QtPlatform::hasJapaneseVoice()
{
    return voice().japanese();
}

void QtPlatform::speak(const QString &kana)
{
    voice().speak(kana);
}

void QtPlatform::stopSpeaking()
{
    voice().stop();
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

int QtPlatform::linkedLevel()
{
    return levelFromQuery(System::addressQuery());
}

QString QtPlatform::linkedSheet()
{
    return sheetFromQuery(System::addressQuery());
}

void QtPlatform::printSheet(QWidget *parent, const PaperSheet &sheet)
{
    if (System::printSheet(parent, sheet) == System::Printed::Failed)
        messageBox(parent, QStringLiteral("プリントできませんでした。"), MsgButtons::Ok);
}
