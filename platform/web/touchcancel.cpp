#include "platform/web/touchcancel.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>

namespace {

class ReleaseOffControls : public QObject {
public:
    using QObject::QObject;

private:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::TouchBegin:
            cancelled_ = false;
            break;
        case QEvent::TouchCancel:
            cancelled_ = true;
            break;
        case QEvent::MouseButtonRelease:
            if (cancelled_ && watched->isWidgetType()) {
                cancelled_ = false;
                const auto *m = static_cast<QMouseEvent *>(event);
                const QPointF away(-1e6, -1e6);
                QMouseEvent off(QEvent::MouseButtonRelease, away, away, away, m->button(), m->buttons(),
                                m->modifiers(), m->pointingDevice());
                QCoreApplication::sendEvent(watched, &off);
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

    bool cancelled_ = false;
};

} // namespace

void TouchCancel::install()
{
    qApp->installEventFilter(new ReleaseOffControls(qApp));
}
