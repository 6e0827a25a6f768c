#include "platform/linux/soundoutput.h"

#include <dlfcn.h>
#include <pulse/simple.h>

namespace {

// The stream's buffer. The server gives about a quarter of it to the output
// and keeps the rest as slack for a thread that wakes late on a busy
// machine; a new sound flushes it first, so the slack delays nothing.
constexpr int BufferMs = 100;

// libpulse-simple is opened with the first sound rather than linked: linked,
// it and the dozen libraries it brings would load before the first frame and
// stay resident in every lesson.
struct PulseSimple {
    decltype(&pa_simple_new) open = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_flush) flush = nullptr;
    decltype(&pa_simple_free) close = nullptr;

    PulseSimple()
    {
        void *lib = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            return;
        open = reinterpret_cast<decltype(open)>(dlsym(lib, "pa_simple_new"));
        write = reinterpret_cast<decltype(write)>(dlsym(lib, "pa_simple_write"));
        flush = reinterpret_cast<decltype(flush)>(dlsym(lib, "pa_simple_flush"));
        close = reinterpret_cast<decltype(close)>(dlsym(lib, "pa_simple_free"));
    }
    bool loaded() const { return open && write && flush && close; }
};

const PulseSimple &pulseSimple()
{
    static const PulseSimple pulse;
    return pulse;
}

// One stream, kept open from sound to sound: a new sound flushes what is left
// of the one before and is written at once, and nothing waits for a drain,
// which on some servers lasts seconds.
class PulseOutput : public SoundOutput {
public:
    ~PulseOutput() override { close(); }

    bool open(const PcmSound &format) override
    {
        const PulseSimple &pa = pulseSimple();
        if (!pa.loaded())
            return false;
        const pa_sample_spec spec{PA_SAMPLE_S16LE, static_cast<uint32_t>(format.rate),
                                  static_cast<uint8_t>(format.channels)};
        const uint32_t any = static_cast<uint32_t>(-1);
        const auto bytes = static_cast<uint32_t>(2 * format.channels * (format.rate * BufferMs / 1000));
        const pa_buffer_attr buffer{any, bytes, any, any, any};
        int error = 0;
        stream_ = pa.open(nullptr, "Quilmo", PA_STREAM_PLAYBACK, nullptr, "marks", &spec, nullptr, &buffer, &error);
        return stream_ != nullptr;
    }
    bool write(const char *data, size_t bytes) override
    {
        int error = 0;
        return pulseSimple().write(stream_, data, bytes, &error) == 0;
    }
    bool flush() override
    {
        int error = 0;
        return pulseSimple().flush(stream_, &error) == 0;
    }
    void close() override
    {
        if (stream_)
            pulseSimple().close(stream_);
        stream_ = nullptr;
    }

private:
    pa_simple *stream_ = nullptr;
};

} // namespace

std::unique_ptr<SoundOutput> serverOutput()
{
    return std::make_unique<PulseOutput>();
}
