#include "window/timing.h"

Q_LOGGING_CATEGORY(quilmoTiming, "quilmo.timing", QtWarningMsg)

namespace {
qint64 made = -1; // the last problem's time, until its paint
}

void Timing::firstFramePainted()
{
    qCInfo(quilmoTiming, "quilmo: first frame painted");
}

void Timing::drawingPanelBuilt(qint64 nsecs)
{
    qCInfo(quilmoTiming, "quilmo: drawing panel built in %.1f ms", nsecs / 1e6);
}

void Timing::problemMade(qint64 nsecs)
{
    made = nsecs;
}

void Timing::panelPainted(qint64 nsecs)
{
    if (made < 0)
        return;
    qCInfo(quilmoTiming, "quilmo: NewProblem+paint %.2f ms (NewProblem %.2f, paint %.2f)", (made + nsecs) / 1e6,
           made / 1e6, nsecs / 1e6);
    made = -1;
}
