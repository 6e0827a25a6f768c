// What the screen shows of the drawing panel is built up from many partial
// repaints. At fractional scales (CTest runs this with QT_SCALE_FACTOR 1.25,
// 1.5, 1.75 and 2.5) every one of them must leave the panel exactly as a
// whole drawing of the same picture: no seams, no stale pixels.
//   QUILMO_REPAINT_ACTIONS=1000 tst_window TestScreenRepaints
#include "support/formdriver.h"
#include "support/testregistry.h"

#include <QBackingStore>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <random>

namespace {

struct Mismatch {
    int pixels = 0;
    QPoint first; // in the window's device pixels
};

// The window as the screen holds it: every paint so far, each into the area
// it was asked to repaint.
const QImage &screen(QWidget &window)
{
    QPaintDevice *device = window.backingStore()->paintDevice();
    if (device->devType() != QInternal::Image)
        qFatal("the backing store is not an image");
    return *static_cast<const QImage *>(device);
}

// Where a widget's rectangle lies in device pixels, grown to whole pixels.
QRect onDevice(const QRect &r, double s)
{
    return QRect(QPoint(static_cast<int>(std::floor(r.left() * s)), static_cast<int>(std::floor(r.top() * s))),
                 QPoint(static_cast<int>(std::ceil((r.right() + 1) * s)) - 1,
                        static_cast<int>(std::ceil((r.bottom() + 1) * s)) - 1));
}

// Compares the panel on the screen with the whole picture drawn at the
// screen's scale from the widget's device corner, except under the
// controls that sit on the panel and at the panel's outermost pixels.
Mismatch compareWithWhole(FormDriver &d)
{
    QWidget *surface = d.form->Picture1[0]->surface();
    const QImage &shown = screen(*d.form);
    const double s = shown.devicePixelRatio();
    const QPoint corner = surface->mapTo(d.form.get(), QPoint(0, 0));
    const QImage whole = s == 1.0 ? d.image() : d.form->panel().rendering(s);
    const QPoint at(static_cast<int>(std::lround(corner.x() * s)), static_cast<int>(std::lround(corner.y() * s)));

    const QRect area = onDevice(QRect(corner, surface->size()), s).adjusted(1, 1, -1, -1) &
                       QRect(at, whole.size()) & shown.rect();
    QRegion compared(area);
    for (QWidget *child : surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            compared -= onDevice(child->geometry().translated(corner), s).adjusted(-1, -1, 1, 1);
    // The screen with the whole laid over it where they are compared.
    QImage expected = shown.copy();
    expected.setDevicePixelRatio(1);
    {
        QPainter p(&expected);
        p.setClipRegion(compared);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(at, whole);
    }

    Mismatch m;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        const QRgb *want = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
        if (std::memcmp(row + area.left(), want + area.left(), sizeof(QRgb) * area.width()) == 0)
            continue;
        for (int x = area.left(); x <= area.right(); ++x) {
            if (row[x] != want[x] && m.pixels++ == 0)
                m.first = QPoint(x, y);
        }
    }
    return m;
}

} // namespace

class TestScreenRepaints : public QObject {
    Q_OBJECT
private slots:
    void randomPupilsLeaveNoStalePixels_data();
    void randomPupilsLeaveNoStalePixels();
};

void TestScreenRepaints::randomPupilsLeaveNoStalePixels_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("wide layout") << 1280 << 20261208u;
    QTest::newRow("narrow layout") << 800 << 1234567u;
}

void TestScreenRepaints::randomPupilsLeaveNoStalePixels()
{
    QFETCH(int, screenWidth);
    QFETCH(unsigned, seed);
    const int actions = qEnvironmentVariableIntValue("QUILMO_REPAINT_ACTIONS") > 0
                            ? qEnvironmentVariableIntValue("QUILMO_REPAINT_ACTIONS")
                            : 40;
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    FormDriver d(screenWidth);
    Form1 &f = *d.form;
    d.platform.stepMs = 700;
    d.platform.answerYesNo = [] { return MsgAnswer::Yes; };
    // The screen is painted during a mark's pause, as the real pause lets it.
    d.platform.onPauseStep = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    int compared = 0;
    for (int a = 0; a < actions; ++a) {
        const int r = pick(3) + 1;
        const char *what = "";
        if (f.Picture7->isVisible()) {
            what = "level";
            QTest::mouseClick(f.Option2[pick(12)], Qt::LeftButton);
            QTest::mouseClick(f.Command10, Qt::LeftButton);
        } else {
            switch (pick(12)) {
            case 0:
            case 1:
                what = "panel click";
                QTest::mouseClick(f.Picture1[0]->surface(), Qt::LeftButton, {}, QPoint(pick(1005), pick(737)));
                break;
            case 2:
            case 3:
            case 4: {
                what = "keypad";
                const auto keys = f.Picture6[r - 1]->findChildren<QPushButton *>();
                if (f.Picture6[r - 1]->isVisible() && !keys.isEmpty())
                    QTest::mouseClick(keys[pick(keys.size())], Qt::LeftButton);
                break;
            }
            case 5:
            case 6:
            case 7:
            case 8: {
                what = "right answer";
                if (!f.Command5[r - 1]->isVisible())
                    break;
                const Answer answer = rightAnswer(d.state().Level, d.block(r, d.problem(r)));
                d.type(r, answer.number, answer.unit);
                d.check(r);
                break;
            }
            case 9:
            case 10:
                what = "wrong answer";
                if (!f.Command5[r - 1]->isVisible())
                    break;
                d.type(r, QStringLiteral("100000"), QStringLiteral("ａ"));
                d.check(r);
                break;
            default:
                what = "finish";
                if (pick(4) == 0)
                    QTest::mouseClick(f.Command8[0], Qt::LeftButton);
                break;
            }
        }
        QCoreApplication::processEvents();
        if (!f.Picture1[0]->isVisible())
            continue;
        const Mismatch m = compareWithWhole(d);
        QVERIFY2(m.pixels == 0, qPrintable(QStringLiteral("action %1 (%2): %3 pixels differ from the whole, first at %4,%5")
                                               .arg(a).arg(QLatin1String(what)).arg(m.pixels)
                                               .arg(m.first.x()).arg(m.first.y())));
        ++compared;
    }
    QVERIFY(compared > actions / 2);
}

QUILMO_TEST(TestScreenRepaints)
#include "screenrepaint_test.moc"
