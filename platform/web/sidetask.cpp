#include "platform/sidetask.h"

// The page has a single thread: the work is done as it is handed over.
SideTask::SideTask(std::function<void()> work)
{
    if (work)
        work();
}

SideTask::~SideTask() = default;

void SideTask::join() {}
