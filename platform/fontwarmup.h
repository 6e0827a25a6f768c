#pragma once

#include <thread>

// Reading the system's font configuration is the slowest part of the start
// on systems that have one to read (fontconfig's). It can begin before the
// application object exists, beside the loading of the window system; Qt
// must not read it before wait() has returned.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    void wait();

private:
    std::thread reader_;
};
