#include "platform/linux/soundplayer.h"

#include "platform/marksoundfile.h"

#include <QCoreApplication>

#include <algorithm>

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

} // namespace

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
    for (MarkSound which : AllMarkSounds)
        sounds_[markSoundIndex(which)] = readWav(markSoundFile(which));
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
        const bool ok = which ? playNow(sounds_[markSoundIndex(*which)])
                              : stream_ || openStream(sounds_[markSoundIndex(MarkSound::Right)]);
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
