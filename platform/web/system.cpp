#include "platform/system.h"

#include "platform/holdingpause.h"
#include "platform/web/touchcancel.h"
#include "platform/web/webaudio.h"
#include "platform/web/webpage.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

class WebMarkSounds : public System::MarkSounds {
public:
    WebMarkSounds() { WebAudio::loadMarkSounds(); }
    void ready() override {}
    void play(MarkSound which) override { WebAudio::play(which); }
};

// The page's title is that of the window that fills it.
class PageTitle : public QObject {
public:
    using QObject::QObject;

private:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange) {
            const auto *w = qobject_cast<QWidget *>(watched);
            // A window without a title of its own leaves the page's as it
            // is: under WebKit such a one is shown full screen as well.
            if (w && w->isWindow() && w->isFullScreen() && !w->windowTitle().isEmpty())
                WebPage::setTitle(w->windowTitle());
        }
        return false;
    }
};

} // namespace

void System::prepareProcess()
{
    qApp->installEventFilter(new PageTitle(qApp));
    TouchCancel::install();
    WebPage::keepDrawingAfterContextLoss();
    WebAudio::startWithFirstGesture();
}

std::unique_ptr<System::MarkSounds> System::markSounds(std::function<void()>)
{
    // A page has no bell to ring instead: a mark without sound is silent.
    return std::make_unique<WebMarkSounds>();
}

void System::pauseStep()
{
    // The browser hands clicks and keys over at once and cannot block: they
    // are held, and the steps wait by suspending the program.
    static auto *pause = new HoldingPause;
    pause->step();
}

void System::endProgram()
{
    WebPage::showEnded();
}

QString System::addressQuery()
{
    return WebPage::query();
}

std::function<void()> System::fontConfigurationReader()
{
    // Qt for the browser knows only the fonts the program carries.
    return {};
}
