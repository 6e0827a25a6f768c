#pragma once

#include "platform/platform.h"

#include <QByteArray>

#include <array>

// The mark sounds, numbered alike on every system: a player keeps them in
// an array by markSoundIndex, and the page's Web Audio by the same numbers.
constexpr std::array<MarkSound, 2> AllMarkSounds{MarkSound::Right, MarkSound::Wrong};
constexpr int MarkSoundCount = static_cast<int>(AllMarkSounds.size());
constexpr int markSoundIndex(MarkSound which) { return which == MarkSound::Right ? 0 : 1; }

// A mark's sound as the WAV file in the program's resources; empty if it
// cannot be read. Every system's player starts from it.
QByteArray markSoundFile(MarkSound which);
