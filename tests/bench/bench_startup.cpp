// Start-up time and memory of Quilmo next to a bare Qt window of the same
// size, started alternately in one run so that the figures are ratios.
//   xvfb-run -s "-screen 0 1280x1024x24" build/tests/bench_startup [runs]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Start {
    double ms = 0;
    double cpuMs = 0; // the child's own processor time to its first frame
    long rss = 0;
    long rss99 = 0;
};

Start startOnce(const QString &child, const QString &mode)
{
    Start s;
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(child, {mode});
    while (p.state() != QProcess::NotRunning || p.canReadLine()) {
        if (!p.canReadLine() && !p.waitForReadyRead(10000))
            break;
        while (p.canReadLine()) {
            const QList<QByteArray> words = p.readLine().trimmed().split(' ');
            if (words.value(0) == "painted") {
                s.ms = t.nsecsElapsed() / 1e6;
                s.rss = words.value(1).toLong();
                s.cpuMs = words.value(2).toLong() / 1000.0;
            } else if (words.value(0) == "rss99") {
                s.rss99 = words.value(1).toLong();
            }
        }
    }
    p.waitForFinished();
    return s;
}

template <typename F> double median(const std::vector<Start> &v, F field)
{
    std::vector<double> x;
    for (const Start &s : v)
        x.push_back(field(s));
    std::sort(x.begin(), x.end());
    return x.empty() ? 0 : x[x.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const QString child = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup_child");
    std::vector<Start> bare, quilmo;
    startOnce(child, QStringLiteral("bare")); // warm the caches for both
    startOnce(child, QStringLiteral("quilmo"));
    for (int i = 0; i < runs; ++i) {
        bare.push_back(startOnce(child, QStringLiteral("bare")));
        quilmo.push_back(startOnce(child, QStringLiteral("quilmo")));
    }
    const double tb = median(bare, [](const Start &s) { return s.ms; });
    const double tq = median(quilmo, [](const Start &s) { return s.ms; });
    const double cb = median(bare, [](const Start &s) { return s.cpuMs; });
    const double cq = median(quilmo, [](const Start &s) { return s.cpuMs; });
    const double mb = median(bare, [](const Start &s) { return double(s.rss); }) / 1024;
    const double mq = median(quilmo, [](const Start &s) { return double(s.rss); }) / 1024;
    const double m99 = median(quilmo, [](const Start &s) { return double(s.rss99); }) / 1024;
    std::printf("median of %d starts each\n", runs);
    std::printf("start to first frame: bare %.1f ms, Quilmo %.1f ms, ratio %.2f (target 1.30)\n", tb, tq, tq / tb);
    std::printf("processor time to first frame: bare %.1f ms, Quilmo %.1f ms, ratio %.2f\n", cb, cq, cq / cb);
    std::printf("resident memory after start: bare %.1f MB, Quilmo %.1f MB, +%.1f MB (target +15)\n", mb, mq, mq - mb);
    std::printf("after 99 problems in each of 3 lanes: Quilmo %.1f MB, +%.1f MB over bare\n", m99, m99 - mb);
    return 0;
}
