#include "platform/system.h"

#include <QApplication>
#include <QThread>

void System::pauseStep()
{
    // Paint and timer events go on; clicks and keys stay queued until the
    // pause ends and are handled then.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(System::PauseStepMs);
}

void System::endProgram()
{
    QCoreApplication::exit(0);
}

QString System::addressQuery()
{
    return {};
}
