#include "platform/windows/marksounds.h"

#include <windows.h>
#include <mmsystem.h>

WinMarkSounds::Calls WinMarkSounds::system()
{
    return {
        [] { return static_cast<unsigned>(waveOutGetNumDevs()); },
        // SND_NOWAIT: a busy device drops the sound rather than keep the
        // window waiting. SND_NODEFAULT: no system sound in its place.
        [](const char *wav) {
            return PlaySoundW(reinterpret_cast<LPCWSTR>(wav), nullptr,
                              SND_MEMORY | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT) != FALSE;
        },
        [] { PlaySoundW(nullptr, nullptr, 0); },
    };
}

WinMarkSounds::WinMarkSounds(std::function<void()> cannotPlay, Calls calls)
    : cannotPlay_(std::move(cannotPlay))
    , calls_(std::move(calls))
{
    for (MarkSound which : AllMarkSounds)
        wavs_[markSoundIndex(which)] = markSoundFile(which);
}

WinMarkSounds::~WinMarkSounds()
{
    if (readying_.joinable())
        readying_.join();
    // The sound that plays reads its data, which goes with the player.
    calls_.stop();
}

void WinMarkSounds::ready()
{
    if (!readying_.joinable())
        readying_ = std::thread([this] { calls_.devices(); });
}

void WinMarkSounds::play(MarkSound which)
{
    const QByteArray &wav = wavs_[markSoundIndex(which)];
    if (wav.isEmpty() || calls_.devices() == 0 || !calls_.play(wav.constData()))
        cannotPlay_();
}
