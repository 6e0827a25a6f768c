#include "platform/sidetask.h"

SideTask::SideTask(std::function<void()> work)
{
    if (work)
        thread_ = std::thread(std::move(work));
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
