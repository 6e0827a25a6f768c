#pragma once

#include <QElapsedTimer>
#include <QLoggingCategory>

// How long the start and each new problem take, for a page where no
// profiler reaches. Silent unless the logging rules turn on
// "quilmo.timing.info" (the browser's page does so for "?timing").
Q_DECLARE_LOGGING_CATEGORY(quilmoTiming)

namespace Timing {

// The window's first frame has been painted.
void firstFramePainted();
// The drawing panel, built after that first frame, took this long.
void drawingPanelBuilt(qint64 nsecs);
// A new problem took this long to make; the panel's next paint is added.
void problemMade(qint64 nsecs);
// The drawing panel painted for this long.
void panelPainted(qint64 nsecs);

// Times what happens from its making to report(), but only where timing is
// on: the clock stays out of every paint otherwise.
class Stopwatch {
public:
    Stopwatch()
    {
        if (quilmoTiming().isInfoEnabled())
            timer_.start();
    }
    void report(void (*to)(qint64 nsecs)) const
    {
        if (timer_.isValid())
            to(timer_.nsecsElapsed());
    }

private:
    QElapsedTimer timer_;
};

} // namespace Timing
