#include "platform/fontwarmup.h"

#include <fontconfig/fontconfig.h>

FontWarmUp::FontWarmUp()
    : reader_([] { FcInit(); })
{
}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (reader_.joinable())
        reader_.join();
}
