#include "platform/linux/soundplayer.h"

#include "platform/marksoundfile.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>

#include <dlfcn.h>
#include <pulse/simple.h>

namespace {

// After a failed connection the bell stands in at once for a while, rather
// than asking an absent server again for every mark.
constexpr auto RetryAfter = std::chrono::seconds(10);
// A stream with nothing to play keeps the output awake; one left idle this
// long, longer than a pupil thinks, is closed, and the next sound connects
// again.
constexpr auto CloseIdleAfter = std::chrono::seconds(60);
// Sounds are written in pieces this long, so that a newer one is noticed
// between two of them.
constexpr int PieceMs = 10;
// The stream's buffer. The server gives about a quarter of it to the output
// and keeps the rest as slack for a thread that wakes late on a busy
// machine; a new sound flushes it first, so the slack delays nothing.
constexpr int BufferMs = 100;

quint32 le32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char *p) { return qFromLittleEndian<quint16>(p); }

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
    return readWav(markSoundFile(which));
}

SoundPlayer::SoundPlayer(std::function<void()> cannotPlay, std::unique_ptr<SoundOutput> output,
                         std::function<Clock::time_point()> now)
    : cannotPlay_(std::move(cannotPlay)), now_(std::move(now)), output_(std::move(output))
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
        thread_.join(); // within a piece of a sound
}

bool SoundPlayer::failedLately() const
{
    return failedAt_ && now_() - *failedAt_ < RetryAfter;
}

void SoundPlayer::startThread()
{
    if (!thread_.joinable())
        thread_ = std::thread(&SoundPlayer::run, this);
    wake_.notify_one();
}

void SoundPlayer::ready()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (failedLately())
        return;
    readying_ = true;
    startThread();
}

void SoundPlayer::play(MarkSound which)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!failedLately()) {
            // A sound not yet started is replaced, never queued behind.
            pending_ = which;
            startThread();
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
        std::optional<MarkSound> which;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            const auto asked = [this] { return stopping_ || pending_ || readying_; };
            if (!stream_) {
                wake_.wait(lock, asked);
            } else if (!wake_.wait_for(lock, CloseIdleAfter, asked)) {
                lock.unlock();
                closeStream();
                continue;
            }
            if (stopping_)
                break;
            which = pending_;
            pending_.reset();
            readying_ = false;
        }
        const bool ok = which ? playNow(sounds_[which == MarkSound::Right ? 0 : 1])
                              : stream_ || openStream(sounds_[0]);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (ok)
                failedAt_.reset();
            else
                failedAt_ = now_();
        }
        if (ok)
            continue;
        // Whatever the failed attempt left is let go.
        output_->close();
        stream_.reset();
        // Readying that fails rings no bell: no mark asked for a sound.
        if (which && QCoreApplication::instance())
            QMetaObject::invokeMethod(QCoreApplication::instance(), cannotPlay_, Qt::QueuedConnection);
    }
    closeStream();
}

bool SoundPlayer::openStream(const PcmSound &format)
{
    if (!format.isValid() || !output_->open(format))
        return false;
    stream_ = std::make_pair(format.rate, format.channels);
    return true;
}

void SoundPlayer::closeStream()
{
    if (stream_)
        output_->close();
    stream_.reset();
}

bool SoundPlayer::playNow(const PcmSound &sound)
{
    if (!sound.isValid())
        return false;
    if (stream_ && *stream_ != std::make_pair(sound.rate, sound.channels))
        closeStream();
    if (stream_) {
        // Whatever is left of the sound before is cut off.
        if (!output_->flush())
            return false;
    } else if (!openStream(sound)) {
        return false;
    }
    const qsizetype piece = qsizetype(2) * sound.channels * (sound.rate * PieceMs / 1000);
    for (qsizetype at = 0; at < sound.samples.size(); at += piece) {
        if (newerWaits())
            return true;
        const qsizetype n = std::min(piece, sound.samples.size() - at);
        if (!output_->write(sound.samples.constData() + at, static_cast<size_t>(n)))
            return false;
    }
    return true;
}

bool SoundPlayer::newerWaits()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return stopping_ || pending_;
}
