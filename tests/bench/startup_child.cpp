// One start of either Quilmo's window or a bare Qt window of the same size.
// Prints "painted <rss kB>" once the first frame has been painted; Quilmo
// then plays 99 problems in each of three lanes and prints "rss99 <kB>".
#include "drill/newproblem.h"
#include "core/lanes.h"
#include "platform/fontwarmup.h"
#include "window/quilmoapp.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <memory>

#include <sys/resource.h>

namespace {

long rssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Reports the first paint of the watched widget, after it has been handled.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> then)
        : then_(std::move(then))
    {
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && then_) {
            QTimer::singleShot(0, then_);
            then_ = nullptr;
        }
        return false;
    }

private:
    std::function<void()> then_;
};

// Processor time of this process so far, in microseconds.
long cpuMicros()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000000L + u.ru_utime.tv_usec + u.ru_stime.tv_usec;
}

void say(const char *what, long value)
{
    std::printf("%s %ld %ld\n", what, value, cpuMicros());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    const bool bare = argc > 1 && QByteArray(argv[1]) == "bare";
    // As main() starts the program.
    std::unique_ptr<FontWarmUp> fonts(bare ? nullptr : new FontWarmUp);
    QApplication app(argc, argv);
    if (bare) {
        QWidget w;
        w.setFixedSize(Form1::WideClient);
        FirstPaint watch([] {
            say("painted", rssKb());
            QCoreApplication::quit();
        });
        w.installEventFilter(&watch);
        w.show();
        return app.exec();
    }
    QuilmoApp quilmo(*fonts);
    Form1 &window = quilmo.window();
    FirstPaint watch([&] {
        say("painted", rssKb());
        window.Option2_Click(3);
        window.Command10_Click();
        for (int row = 1; row <= 3; ++row) {
            window.Picture1_MouseDown(0, Qt::LeftButton, {}, 400, LaneBand::offset(row) + 175);
            for (int n = 2; n <= 99; ++n) {
                window.state().RowIndex = static_cast<int16_t>(row);
                NewProblem(window.state(), window.panel(), window);
            }
        }
        QCoreApplication::processEvents();
        say("rss99", rssKb());
        QCoreApplication::quit();
    });
    window.Picture7->client()->installEventFilter(&watch);
    quilmo.show();
    return app.exec();
}
