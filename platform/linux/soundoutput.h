#pragma once

#include "platform/wavfile.h"

#include <cstddef>
#include <memory>

// Where the player's sounds go: a stream to the desktop's sound server, or a
// stand-in in tests. Used from the player's thread only.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Connects a stream for sounds of this one's format; false where no
    // server answers.
    virtual bool open(const PcmSound &format) = 0;
    // Queues samples; waits while the stream's buffer is full.
    virtual bool write(const char *data, size_t bytes) = 0;
    // Drops what is queued and not yet heard.
    virtual bool flush() = 0;
    virtual void close() = 0;
};

// The desktop's sound server through libpulse-simple: PulseAudio, or
// PipeWire through its PulseAudio interface (platform/linux/pulseoutput.cpp).
std::unique_ptr<SoundOutput> serverOutput();
