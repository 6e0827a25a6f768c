#pragma once

#include <QByteArray>

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
