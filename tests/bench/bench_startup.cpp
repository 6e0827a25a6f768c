// Start-up time and memory of Quilmo next to a bare Qt window of the same
// size, started alternately in one run so that the figures are ratios.
//   xvfb-run -s "-screen 0 1280x1024x24" build/tests/bench_startup [runs [child]]
// The child defaults to bench_startup_child beside this program. A start
// that fails, never paints or ends badly stops the run with status 1.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Start {
    double ms = 0;
    double cpuMs = 0; // the child's own processor time to its first frame
    long rss = 0;
    long rss99 = 0;
};

// One start of the child in the given mode; on failure, why in failure.
bool startOnce(const QString &child, const QString &mode, Start &s, QString &failure)
{
    QProcess p;
    // The lanes ready the voice: no speech-dispatcher is started to outlive
    // the benchmark or weigh on the next start.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SPEECHD_CMD"), QStringLiteral("/nonexistent"));
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(child, {mode});
    if (!p.waitForStarted()) {
        failure = QStringLiteral("cannot start %1: %2").arg(child, p.errorString());
        return false;
    }
    bool painted = false;
    while (p.state() != QProcess::NotRunning || p.canReadLine()) {
        if (!p.canReadLine() && !p.waitForReadyRead(10000))
            break;
        while (p.canReadLine()) {
            const QList<QByteArray> words = p.readLine().trimmed().split(' ');
            if (words.value(0) == "painted") {
                painted = true;
                s.ms = t.nsecsElapsed() / 1e6;
                s.rss = words.value(1).toLong();
                s.cpuMs = words.value(2).toLong() / 1000.0;
            } else if (words.value(0) == "rss99") {
                s.rss99 = words.value(1).toLong();
            }
        }
    }
    if (!painted) {
        p.kill();
        p.waitForFinished();
        failure = QStringLiteral("%1 %2 never painted its window").arg(child, mode);
        return false;
    }
    p.waitForFinished();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        failure = QStringLiteral("%1 %2 ended badly (%3)")
                      .arg(child, mode, p.exitStatus() == QProcess::NormalExit
                                            ? QStringLiteral("status %1").arg(p.exitCode())
                                            : p.errorString());
        return false;
    }
    return true;
}

[[noreturn]] void stop(const QString &failure)
{
    std::fprintf(stderr, "bench_startup: %s; nothing measured\n", qPrintable(failure));
    std::exit(1);
}

void measure(const QString &child, const QString &mode, std::vector<Start> *into)
{
    Start s;
    QString failure;
    if (!startOnce(child, mode, s, failure))
        stop(failure);
    if (into)
        into->push_back(s);
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
    const QString child = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                   : QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup_child");
    std::vector<Start> bare, quilmo;
    measure(child, QStringLiteral("bare"), nullptr); // warm the caches for both
    measure(child, QStringLiteral("quilmo"), nullptr);
    for (int i = 0; i < runs; ++i) {
        measure(child, QStringLiteral("bare"), &bare);
        measure(child, QStringLiteral("quilmo"), &quilmo);
    }
    const double tb = median(bare, [](const Start &s) { return s.ms; });
    const double tq = median(quilmo, [](const Start &s) { return s.ms; });
    const double cb = median(bare, [](const Start &s) { return s.cpuMs; });
    const double cq = median(quilmo, [](const Start &s) { return s.cpuMs; });
    const double mb = median(bare, [](const Start &s) { return double(s.rss); }) / 1024;
    const double mq = median(quilmo, [](const Start &s) { return double(s.rss); }) / 1024;
    const double m99 = median(quilmo, [](const Start &s) { return double(s.rss99); }) / 1024;
    std::printf("median of %d starts each\n", runs);
    std::printf("start to first frame: bare %.1f ms, Quilmo %.1f ms, ratio %.2f (target 1.15 at design size)\n", tb, tq, tq / tb);
    std::printf("processor time to first frame: bare %.1f ms, Quilmo %.1f ms, ratio %.2f\n", cb, cq, cq / cb);
    std::printf("resident memory after start: bare %.1f MB, Quilmo %.1f MB, +%.1f MB\n", mb, mq, mq - mb);
    std::printf("after 99 problems in each of 3 lanes: Quilmo %.1f MB, +%.1f MB over bare (target +12 at design size)\n", m99, m99 - mb);
    return 0;
}
