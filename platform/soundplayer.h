#pragma once

#include "platform/platform.h"

#include <QByteArray>

#include <array>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// 16-bit PCM samples, interleaved and little-endian, with their format.
struct PcmSound {
    int rate = 0;
    int channels = 0;
    QByteArray samples;

    bool isValid() const { return rate > 0 && channels > 0 && !samples.isEmpty(); }
    double seconds() const { return isValid() ? samples.size() / (2.0 * channels * rate) : 0; }
};

// A RIFF WAVE file of 16-bit PCM, mono or stereo; anything else gives an
// invalid sound.
PcmSound readWav(const QByteArray &file);

// The mark's sound as the program carries it in its resources.
PcmSound markSoundData(MarkSound which);

// Plays the mark sounds through the desktop's sound server: PulseAudio, or
// PipeWire through its PulseAudio interface. Opening the library, connecting
// and playing happen on a thread of the player's own, started with the first
// sound, so the window never waits for the server. Where no server answers, `cannotPlay` runs on
// the GUI thread instead.
class SoundPlayer {
public:
    explicit SoundPlayer(std::function<void()> cannotPlay);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    // Returns at once.
    void play(MarkSound which);

private:
    using Clock = std::chrono::steady_clock;

    void run();
    bool playNow(MarkSound which);

    std::function<void()> cannotPlay_;
    std::array<PcmSound, 2> sounds_; // read by the player's thread only
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<MarkSound> pending_;
    bool stopping_ = false;
    std::optional<Clock::time_point> failedAt_;
    std::thread thread_;
};
