// One start of either Quilmo's window or a bare Qt window of the same size.
// Prints "painted <rss kB>" once the first frame has been painted; Quilmo
// then plays 99 problems in each of three lanes and prints "rss99 <kB>".
// "fonts" instead times the font set-up of the start, in the program's order;
// "first" ends at Quilmo's first frame, for a profiler.
#include "bench/processstats.h"
#include "drill/newproblem.h"
#include "core/lanes.h"
#include "drawing/fonts.h"
#include "platform/fontwarmup.h"
#include "platform/system.h"
#include "window/quilmoapp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontDatabase>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

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

void say(const char *what, long value)
{
    std::printf("%s %ld %ld\n", what, value, cpuMicros());
    std::fflush(stdout);
}

// What QtPlatform does before the window (the system's faces looked up
// where that is how the system works), then what the start's second thread
// does: the program's fonts, the system's font list.
int fontCosts()
{
    QElapsedTimer t;
    t.start();
    System::prepareProcess();
    const double system = t.nsecsElapsed() / 1e6;
    t.restart();
    Fonts::loadEmbedded();
    const double embedded = t.nsecsElapsed() / 1e6;
    t.restart();
    const qsizetype families = QFontDatabase::families().size();
    const double list = t.nsecsElapsed() / 1e6;
    std::printf("fonts: system faces checked %.1f ms, program's fonts loaded %.1f ms, list of %lld families %.1f ms\n",
                system, embedded, static_cast<long long>(families), list);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "fonts") {
        FontWarmUp warmUp;
        QApplication app(argc, argv);
        warmUp.wait();
        return fontCosts();
    }
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
    const bool firstOnly = argc > 1 && QByteArray(argv[1]) == "first";
    QuilmoApp quilmo(*fonts);
    Form1 &window = quilmo.window();
    FirstPaint watch([&] {
        say("painted", rssKb());
        if (firstOnly)
            std::_Exit(0); // before anything queued behind the first frame
        window.Option2_Click(3);
        window.Command10_Click();
        for (int row = 1; row <= Lane::Count; ++row) {
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
    window.installEventFilter(&watch); // asked before the window's own watch
    quilmo.show();
    return app.exec();
}
