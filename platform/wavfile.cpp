#include "platform/wavfile.h"

#include <QtEndian>

#include <algorithm>

namespace {

quint32 le32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char *p) { return qFromLittleEndian<quint16>(p); }

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
