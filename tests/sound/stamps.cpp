// Times for tests/sound/run, in nanoseconds of the machine's steady clock,
// which every process reads alike:
//   sound_stamps record FILE
//     copies its input to FILE and prints, for every piece it reads, the
//     bytes read so far and when the piece came;
//   sound_stamps marks SCREEN X Y W H [X Y W H ...]
//     watches those areas of Xvfb's screen file (-fbdir, XWD) and prints the
//     time, the area's index and 1 or 0 whenever an area starts or stops
//     showing pure red, until it is stopped.
#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int record(const char *path)
{
    QFile out(QFile::decodeName(path));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;
    char piece[65536];
    long long total = 0;
    // read() rather than a buffered stream: each piece must be timed as it
    // arrives, not when a buffer fills.
    for (ssize_t n; (n = ::read(0, piece, sizeof piece)) != 0;) {
        if (n < 0)
            return 2;
        const long long at = nowNs();
        if (out.write(piece, n) != n)
            return 2;
        total += n;
        std::printf("%lld %lld\n", total, at);
        std::fflush(stdout);
    }
    return 0;
}

struct Area {
    int x, y, w, h;
    bool red = false;
};

quint32 be32(const uchar *p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

int marks(const char *screen, std::vector<Area> areas)
{
    QFile file(QFile::decodeName(screen));
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    const uchar *xwd = file.map(0, file.size());
    if (!xwd || file.size() < 100)
        return 2;
    // The XWD header: its own size, then the image's form; 32-bit pixels in
    // the server's byte order (LSB first here) follow the colour map.
    const quint32 headerSize = be32(xwd), width = be32(xwd + 16), height = be32(xwd + 20),
                  byteOrder = be32(xwd + 28), bitsPerPixel = be32(xwd + 44), bytesPerLine = be32(xwd + 48),
                  colours = be32(xwd + 76);
    const qint64 pixels = qint64(headerSize) + 12 * qint64(colours);
    if (byteOrder != 0 || bitsPerPixel != 32 || pixels + qint64(bytesPerLine) * height > file.size())
        return 2;
    for (const Area &a : areas)
        if (a.x < 0 || a.y < 0 || a.w < 1 || a.h < 1 || quint32(a.x + a.w) > width || quint32(a.y + a.h) > height)
            return 2;
    const volatile uchar *image = xwd + pixels;
    auto red = [&](const Area &a) {
        for (int y = a.y; y < a.y + a.h; ++y)
            for (int x = a.x; x < a.x + a.w; ++x) {
                const volatile uchar *p = image + qint64(y) * bytesPerLine + 4 * x;
                if (p[0] == 0 && p[1] == 0 && p[2] == 255)
                    return true;
            }
        return false;
    };
    for (;;) {
        const long long at = nowNs();
        for (size_t i = 0; i < areas.size(); ++i) {
            const bool now = red(areas[i]);
            if (now != areas[i].red) {
                areas[i].red = now;
                std::printf("%lld %zu %d\n", at, i, now ? 1 : 0);
                std::fflush(stdout);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

int main(int argc, char **argv)
{
    const QByteArray mode = argc > 1 ? argv[1] : "";
    if (mode == "record" && argc == 3)
        return record(argv[2]);
    if (mode == "marks" && argc >= 7 && (argc - 3) % 4 == 0) {
        std::vector<Area> areas;
        for (int i = 3; i < argc; i += 4)
            areas.push_back({atoi(argv[i]), atoi(argv[i + 1]), atoi(argv[i + 2]), atoi(argv[i + 3])});
        return marks(argv[2], areas);
    }
    std::fprintf(stderr, "usage: sound_stamps record FILE | marks SCREEN X Y W H...\n");
    return 2;
}
