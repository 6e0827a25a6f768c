#include "platform/soundplayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <algorithm>

#include <dlfcn.h>
#include <pulse/simple.h>

namespace {

// After a failed connection the bell stands in at once for a while, rather
// than asking an absent server again for every mark.
constexpr auto RetryAfter = std::chrono::seconds(10);

quint32 le32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char *p) { return qFromLittleEndian<quint16>(p); }

// libpulse-simple is opened with the first sound rather than linked: linked,
// it and the dozen libraries it brings would load before the first frame and
// stay resident in every lesson.
struct PulseSimple {
    decltype(&pa_simple_new) open = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_drain) drain = nullptr;
    decltype(&pa_simple_free) close = nullptr;

    PulseSimple()
    {
        void *lib = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            return;
        open = reinterpret_cast<decltype(open)>(dlsym(lib, "pa_simple_new"));
        write = reinterpret_cast<decltype(write)>(dlsym(lib, "pa_simple_write"));
        drain = reinterpret_cast<decltype(drain)>(dlsym(lib, "pa_simple_drain"));
        close = reinterpret_cast<decltype(close)>(dlsym(lib, "pa_simple_free"));
    }
    bool loaded() const { return open && write && drain && close; }
};

const PulseSimple &pulseSimple()
{
    static const PulseSimple pulse;
    return pulse;
}

} // namespace

PcmSound readWav(const QByteArray &file)
{
    const char *d = file.constData();
    const qsizetype n = file.size();
    if (n < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return {};
    PcmSound sound;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= n;) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = le32(d + at + 4);
        const qsizetype body = at + 8;
        const qsizetype avail = std::min(size, n - body);
        if (id == "fmt ") {
            if (avail < 16)
                return {};
            const int format = le16(d + body), channels = le16(d + body + 2), bits = le16(d + body + 14);
            if (format != 1 || bits != 16 || channels < 1 || channels > 2)
                return {};
            sound.channels = channels;
            sound.rate = static_cast<int>(le32(d + body + 4));
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            // A writer that stopped early leaves a short last frame; drop it.
            const qsizetype frame = 2 * sound.channels;
            sound.samples = file.mid(body, avail - avail % frame);
            return sound.rate > 0 ? sound : PcmSound{};
        }
        at = body + size + (size & 1); // chunks are padded to even sizes
    }
    return {};
}

PcmSound markSoundData(MarkSound which)
{
    QFile f(which == MarkSound::Right ? QStringLiteral(":/assets/sounds/right.wav")
                                      : QStringLiteral(":/assets/sounds/wrong.wav"));
    return f.open(QIODevice::ReadOnly) ? readWav(f.readAll()) : PcmSound{};
}

SoundPlayer::SoundPlayer(std::function<void()> cannotPlay)
    : cannotPlay_(std::move(cannotPlay))
{
}

SoundPlayer::~SoundPlayer()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        pending_.reset();
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join(); // a sound still playing ends within half a second
}

void SoundPlayer::play(MarkSound which)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!failedAt_ || Clock::now() - *failedAt_ >= RetryAfter) {
            // Marks come at least a second apart; should one still wait, the
            // newer sound replaces it.
            pending_ = which;
            if (!thread_.joinable())
                thread_ = std::thread(&SoundPlayer::run, this);
            wake_.notify_one();
            return;
        }
    }
    cannotPlay_();
}

void SoundPlayer::run()
{
    sounds_[0] = markSoundData(MarkSound::Right);
    sounds_[1] = markSoundData(MarkSound::Wrong);
    for (;;) {
        MarkSound which;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || pending_; });
            if (stopping_)
                return;
            which = *pending_;
            pending_.reset();
        }
        const bool played = playNow(which);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (played)
                failedAt_.reset();
            else
                failedAt_ = Clock::now();
        }
        if (!played && QCoreApplication::instance())
            QMetaObject::invokeMethod(QCoreApplication::instance(), cannotPlay_, Qt::QueuedConnection);
    }
}

bool SoundPlayer::playNow(MarkSound which)
{
    const PcmSound &sound = sounds_[which == MarkSound::Right ? 0 : 1];
    const PulseSimple &pa = pulseSimple();
    if (!sound.isValid() || !pa.loaded())
        return false;
    const pa_sample_spec spec{PA_SAMPLE_S16LE, static_cast<uint32_t>(sound.rate), static_cast<uint8_t>(sound.channels)};
    // A short buffer of a tenth of a second, so that playing starts as soon
    // as that much is written rather than waiting for a long one to fill.
    const uint32_t any = static_cast<uint32_t>(-1);
    const pa_buffer_attr buffer{any, static_cast<uint32_t>(2 * sound.channels * (sound.rate / 10)), any, any, any};
    int error = 0;
    pa_simple *stream = pa.open(nullptr, "Quilmo", PA_STREAM_PLAYBACK, nullptr,
                                which == MarkSound::Right ? "right" : "wrong", &spec, nullptr, &buffer, &error);
    if (!stream)
        return false;
    const bool ok = pa.write(stream, sound.samples.constData(), static_cast<size_t>(sound.samples.size()), &error) == 0 &&
                    pa.drain(stream, &error) == 0;
    // One stream per sound: an idle open stream would keep the output awake.
    pa.close(stream);
    return ok;
}
