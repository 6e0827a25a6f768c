// One start of either Quilmo's window or a bare Qt window of the same size.
// Prints "painted <rss kB>" once the first frame has been painted; Quilmo
// then plays 99 problems in each of three lanes and prints "rss99 <kB>".
#include "form1.h"
#include "newproblem.h"
#include "qtplatform.h"
#include "screenfit.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <cstdio>

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

void say(const char *what, long value)
{
    std::printf("%s %ld\n", what, value);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    const bool bare = argc > 1 && QByteArray(argv[1]) == "bare";
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
    prepareApplication();
    QtPlatform platform;
    Form1 window(platform);
    FirstPaint watch([&] {
        say("painted", rssKb());
        window.Option2_Click(3);
        window.Command10_Click();
        for (int row = 1; row <= 3; ++row) {
            window.Picture1_MouseDown(0, Qt::LeftButton, {}, 400, Module1::bandOffset(row) + 175);
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
    const auto scaled = showFitted(window);
    return app.exec();
}
