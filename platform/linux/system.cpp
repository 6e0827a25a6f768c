#include "platform/system.h"

#include "platform/linux/soundplayer.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

namespace {
class PulseMarkSounds : public System::MarkSounds {
public:
    explicit PulseMarkSounds(std::function<void()> cannotPlay)
        : player_(std::move(cannotPlay))
    {
    }
    void ready() override { player_.ready(); }
    void play(MarkSound which) override { player_.play(which); }

private:
    SoundPlayer player_;
};
} // namespace

void System::prepareProcess()
{
    // The pictures a paint draws at the screen's resolution are large and
    // short-lived. Given back to the system at once, they do not stay in
    // the process's memory after the first big paint.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

std::unique_ptr<System::MarkSounds> System::markSounds(std::function<void()> cannotPlay)
{
    return std::make_unique<PulseMarkSounds>(std::move(cannotPlay));
}

std::function<void()> System::fontConfigurationReader()
{
    return [] { FcInit(); };
}
