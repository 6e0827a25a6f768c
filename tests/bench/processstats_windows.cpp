#include "bench/processstats.h"

#include <windows.h>
#include <psapi.h>

long rssKb()
{
    PROCESS_MEMORY_COUNTERS c{};
    c.cb = sizeof c;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c))
        return -1;
    return static_cast<long>(c.WorkingSetSize / 1024);
}

long cpuMicros()
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    auto ticks = [](FILETIME t) { return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<long>((ticks(kernel) + ticks(user)) / 10); // 100 ns ticks
}
