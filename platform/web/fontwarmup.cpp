#include "platform/fontwarmup.h"

// The page has no font configuration to read: Qt for the browser knows only
// the fonts the program carries.
FontWarmUp::FontWarmUp() = default;
FontWarmUp::~FontWarmUp() = default;
void FontWarmUp::wait() {}
