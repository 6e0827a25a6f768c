#pragma once

#include "platform/linux/soundoutput.h"
#include "platform/marksoundfile.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

// Plays the mark sounds. Opening the library, connecting and playing happen
// on a thread of the player's own, started when the sounds are first readied
// or asked for, so the window never waits for the server. A sound starts as
// soon as it is asked for: it cuts off the one before, and of several asked
// for while the thread was busy only the newest plays. Where no server
// answers, `cannotPlay` runs on the GUI thread instead, and for the next ten
// seconds at once, without asking the server again.
class SoundPlayer {
public:
    using Clock = std::chrono::steady_clock;

    explicit SoundPlayer(std::function<void()> cannotPlay, std::unique_ptr<SoundOutput> output = serverOutput(),
                         std::function<Clock::time_point()> now = Clock::now);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    // Connects ahead of the first sound, so that it starts as quickly as the
    // others. Returns at once.
    void ready();
    // Returns at once.
    void play(MarkSound which);

private:
    bool failedLately() const;
    void startThread();
    void run();
    bool openStream(const PcmSound &format);
    void closeStream();
    bool playNow(const PcmSound &sound);
    bool newerWaits();

    std::function<void()> cannotPlay_;
    std::function<Clock::time_point()> now_;
    // Read and used by the player's thread only.
    std::unique_ptr<SoundOutput> output_;
    std::array<PcmSound, MarkSoundCount> sounds_; // by markSoundIndex
    std::optional<std::pair<int, int>> stream_; // rate and channels of the open stream

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<MarkSound> pending_;
    bool readying_ = false;
    bool stopping_ = false;
    std::optional<Clock::time_point> failedAt_;
    std::thread thread_;
};
