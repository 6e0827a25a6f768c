// Times NewProblem with its drawing and one whole check, per level, on the
// real window with a scripted clock. Not a test: it only reports.
//   build/tests/bench_newproblem
#include "support/formdriver.h"
#include "core/lanes.h"
#include "drill/levels.h"
#include "drill/newproblem.h"
#include "drawing/fonts.h"
#include "platform/qtplatform.h"

#include <QLineEdit>

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The real clock and the real pause; questions are answered at once.
class RealPause : public QtPlatform {
public:
    MsgAnswer messageBox(QWidget *, const QString &, MsgButtons) override { return MsgAnswer::Yes; }
};

void pauseCost()
{
    RealPause platform;
    Form1 form(platform);
    form.show();
    form.Option2_Click(0);
    form.Command10_Click();
    form.Picture1_MouseDown(0, Qt::LeftButton, {}, 400, 175);
    form.Text1[0]->setText(QStringLiteral("0"));
    QElapsedTimer wall;
    wall.start();
    const double cpu0 = cpuSeconds();
    form.Command5_Click(0); // a wrong answer: mark, beep, pause, erase
    const double cpu = cpuSeconds() - cpu0, secs = wall.nsecsElapsed() / 1e9;
    std::printf("mark pause: %.2f s, %.1f ms of processor time (%.2f %% of one core)\n", secs, cpu * 1000,
                100 * cpu / secs);
}

double micros(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1000.0;
}

// The whole drawing panel painted at 3x, three lanes full, as a paint that
// exposes all of it does it.
void repaintCost()
{
    FormDriver d;
    d.start(11);
    for (int row = 1; row <= Lane::Count; ++row)
        d.startRow(row);
    for (int n = 0; n < 30; ++n)
        d.newProblem(1 + n % 3);
    QWidget *surface = d.form->Picture1[0]->surface();
    QImage device(surface->size() * 3, QImage::Format_RGB32);
    std::vector<double> paints;
    for (int n = 0; n < 40; ++n) {
        QElapsedTimer t;
        t.start();
        QPainter p(&device);
        p.scale(3, 3);
        surface->render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        p.end();
        paints.push_back(micros(t));
    }
    std::printf("full repaint of the drawing panel at 3x, drawn afresh from %zu kept operations: %.2f ms\n",
                d.form->panel().keptOperations(), median(paints) / 1000);
}

} // namespace

int main(int argc, char **argv)
{
    // けってい readies the voice: no speech-dispatcher is started to outlive
    // the benchmark.
    qputenv("SPEECHD_CMD", "/nonexistent");
    QApplication app(argc, argv);
    prepareApplication();
    Fonts::loadEmbedded();
    std::printf("level  NewProblem median  99th problem  check median  at 2x  at 3x (us)\n");
    for (int level = 1; level <= LevelCount; ++level) {
        FormDriver d;
        d.start(level);
        std::vector<double> times, last;
        for (int row = 1; row <= Lane::Count; ++row) {
            d.startRow(row);
            for (int n = 2; n <= 99; ++n) {
                QElapsedTimer t;
                t.start();
                d.newProblem(row);
                (n == 99 ? last : times).push_back(micros(t));
            }
        }
        // A whole check: judge a right answer, pause (on the scripted clock)
        // and make the next problem.
        FormDriver c;
        c.platform.stepMs = 1000;
        c.start(level);
        c.startRow(1);
        std::vector<double> checks;
        for (int n = 0; n < 90; ++n) {
            const Answer answer = rightAnswer(level, c.block(1, c.problem(1)));
            c.type(1, answer.number, answer.unit);
            QElapsedTimer t;
            t.start();
            c.form->Command5_Click(0);
            checks.push_back(micros(t));
        }
        // The same with the picture brought up to date at the screen's scale,
        // as the next paint does.
        double scaled[2] = {};
        for (int i = 0; i < 2; ++i) {
            const double scale = i == 0 ? 2.0 : 3.0;
            FormDriver z;
            z.start(level);
            std::vector<double> zt;
            for (int row = 1; row <= Lane::Count; ++row) {
                z.startRow(row);
                for (int n = 2; n <= 99; ++n) {
                    QElapsedTimer t;
                    t.start();
                    z.newProblem(row);
                    z.form->panel().rendering(scale, QRect(20, LaneBand::offset(row) + 70, 750, 210));
                    zt.push_back(micros(t));
                }
            }
            scaled[i] = median(zt);
        }
        std::printf("%5d  %17.1f  %12.1f  %12.1f  %5.1f  %5.1f\n", level, median(times),
                    *std::max_element(last.begin(), last.end()), median(checks), scaled[0], scaled[1]);
    }
    repaintCost();
    pauseCost();
    return 0;
}
