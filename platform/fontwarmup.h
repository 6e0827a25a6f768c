#pragma once

#include "platform/sidetask.h"
#include "platform/system.h"

// Reading the system's font configuration is the slowest part of the start
// on systems that have one to read (fontconfig's). It can begin before the
// application object exists, beside the loading of the window system; Qt
// must not read it before wait() has returned.
class FontWarmUp {
public:
    FontWarmUp()
        : reader_(System::fontConfigurationReader())
    {
    }

    void wait() { reader_.join(); }

private:
    SideTask reader_;
};
