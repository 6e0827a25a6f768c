#include "platform/sidetask.h"

SideTask::SideTask(std::function<void()> work)
    : thread_(std::move(work))
{
}

SideTask::~SideTask()
{
    join();
}

void SideTask::join()
{
    if (thread_.joinable())
        thread_.join();
}
