#pragma once

#include "platform/marksoundfile.h"
#include "platform/system.h"

#include <QByteArray>

#include <array>
#include <functional>
#include <thread>

// The mark sounds through winmm's PlaySound, asynchronously, from the WAV
// files in the program's resources. PlaySound reads a sound from memory while
// it plays, so both stay here for the player's life; starting one stops the
// one before.
class WinMarkSounds : public System::MarkSounds {
public:
    // The player's calls into the system; tests replace them.
    struct Calls {
        std::function<unsigned()> devices;         // sound outputs the system has
        std::function<bool(const char *wav)> play; // starts a WAV file and returns
        std::function<void()> stop;
    };
    static Calls system();

    explicit WinMarkSounds(std::function<void()> cannotPlay, Calls calls = system());
    ~WinMarkSounds() override;
    WinMarkSounds(const WinMarkSounds &) = delete;
    WinMarkSounds &operator=(const WinMarkSounds &) = delete;

    // The system's first look at its sound outputs loads its sound drivers:
    // it happens here, on a thread of its own.
    void ready() override;
    // Where the system has no sound output, or refuses the sound, the bell
    // rings instead, at once.
    void play(MarkSound which) override;

private:
    std::function<void()> cannotPlay_;
    Calls calls_;
    std::array<QByteArray, MarkSoundCount> wavs_; // by markSoundIndex
    std::thread readying_;
};

