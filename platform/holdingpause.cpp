#include "platform/holdingpause.h"

#include "platform/system.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointingDevice>

namespace {

bool isHeldInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}

bool isTouch(QEvent::Type type)
{
    return type == QEvent::TouchBegin || type == QEvent::TouchUpdate || type == QEvent::TouchEnd ||
           type == QEvent::TouchCancel;
}
// Every mouse event shares its one point with the pointing device, and the
// next event made moves that point: a held one is made anew when it is
// handled, from what it said when it came.
std::function<std::unique_ptr<QEvent>()> madeAgain(QEvent *event)
{
    if (auto *m = dynamic_cast<QMouseEvent *>(event)) {
        return [type = m->type(), pos = m->position(), scene = m->scenePosition(), global = m->globalPosition(),
                button = m->button(), buttons = m->buttons(), modifiers = m->modifiers(),
                device = QPointer<const QPointingDevice>(m->pointingDevice()), time = m->timestamp()] {
            auto made = std::make_unique<QMouseEvent>(type, pos, scene, global, button, buttons, modifiers,
                                                      device ? device.data() : QPointingDevice::primaryPointingDevice());
            made->setTimestamp(time);
            return made;
        };
    }
    return [copy = std::shared_ptr<QEvent>(event->clone())] { return std::unique_ptr<QEvent>(copy->clone()); };
}
} // namespace

HoldingPause::HoldingPause()
{
    over_.setSingleShot(true);
    over_.setInterval(0);
    connect(&over_, &QTimer::timeout, this, &HoldingPause::release);
}

HoldingPause::~HoldingPause()
{
    if (holding_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void HoldingPause::step()
{
    over_.stop();
    hold();
    // Where the browser cannot block, this loop suspends the program
    // (asyncify) and the page goes on drawing.
    QEventLoop loop;
    QTimer::singleShot(System::PauseStepMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    over_.start();
}

void HoldingPause::hold()
{
    if (holding_)
        return;
    holding_ = true;
    QCoreApplication::instance()->installEventFilter(this);
}

bool HoldingPause::eventFilter(QObject *watched, QEvent *event)
{
    // Input arrives at a window from the window system; what the window then
    // sends on to its widgets follows from that.
    if (!watched->isWindowType() || !event->spontaneous())
        return false;
    if (isTouch(event->type())) {
        // Left unaccepted, a touch comes back at once as the mouse events
        // made from it, and those are held.
        event->ignore();
        return true;
    }
    if (!isHeldInput(event->type()))
        return false;
    held_.push_back({watched, madeAgain(event)});
    return true;
}

void HoldingPause::release()
{
    holding_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
    // Handled one by one, as from a queue: one that starts another pause
    // leaves the rest held until that one is over.
    while (!holding_ && !held_.empty()) {
        Held next = std::move(held_.front());
        held_.pop_front();
        if (next.window)
            QCoreApplication::sendEvent(next.window, next.make().get());
    }
}
