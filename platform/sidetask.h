#pragma once

#include <functional>
#include <thread>

// Work that can go on beside the building of the window: on a thread of its
// own where the system has threads, otherwise at once, before the
// constructor returns (the browser's page has one thread). No work, no thread.
class SideTask {
public:
    explicit SideTask(std::function<void()> work);
    ~SideTask();
    SideTask(const SideTask &) = delete;
    SideTask &operator=(const SideTask &) = delete;

    // Returns once the work is done.
    void join();

private:
    std::thread thread_;
};
