#include "platform/fontwarmup.h"

// Windows reads its fonts as Qt asks for them; nothing to start early.
FontWarmUp::FontWarmUp() = default;
FontWarmUp::~FontWarmUp() = default;
void FontWarmUp::wait() {}
