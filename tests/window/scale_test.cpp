// The drawing panel drawn afresh at other scales: exact colours, fills that
// neither leak nor leave gaps, marks erased without a trace, and a record of
// operations that stays small.
#include "support/formdriver.h"
#include "core/lanes.h"
#include "support/testregistry.h"
#include "drill/transformed.h"

#include <QTest>

#include <vector>

class TestScale : public QObject {
    Q_OBJECT
private slots:
    void level7FillsAtEveryScale_data();
    void level7FillsAtEveryScale();
    void markErasedExactly_data();
    void markErasedExactly();
    void partsMatchTheWhole_data();
    void partsMatchTheWhole();
};

namespace {
// For each device coordinate, the design pixel it belongs to.
std::vector<int> designOf(int designLength, double scale)
{
    const DeviceGrid g{scale};
    std::vector<int> out(static_cast<size_t>(g.at(designLength)), 0);
    for (int x = 0; x < designLength; ++x)
        for (int dx = g.at(x); dx < g.at(x + 1) && dx < static_cast<int>(out.size()); ++dx)
            out[static_cast<size_t>(dx)] = x;
    return out;
}

bool isYellow(const QImage &img, int x, int y)
{
    return img.valid(x, y) && (img.pixel(x, y) & 0xffffff) == 0xffff00;
}
} // namespace

void TestScale::level7FillsAtEveryScale_data()
{
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("b");
    QTest::addColumn<double>("scale");
    for (double scale : {1.0, 1.25, 1.5, 2.0, 3.0})
        for (int s = 1; s <= 10; ++s)
            for (int b = 1; b <= Transformed::maxSize(s); ++b)
                QTest::addRow("s%d b%d at %g", s, b, scale) << s << b << scale;
}

void TestScale::level7FillsAtEveryScale()
{
    QFETCH(int, s);
    QFETCH(int, b);
    QFETCH(double, scale);
    const int y0 = 220;
    Canvas c(DrawingPanel::PictureSize, Rgb::white());
    drawTransformed(c, y0, Transformed{s, b});
    const QImage &design = c.image();
    const QImage device = c.rendering(scale);
    QCOMPARE(device.width(), DeviceGrid{scale}.at(design.width()));
    const std::vector<int> col = designOf(design.width(), scale), row = designOf(design.height(), scale);

    // The figure's grid, with a margin.
    const QRect area = Canvas::deviceRect(QRect(270, y0 + 100, 141, 141), scale);
    const QList<QRgb> allowed{qRgb(255, 255, 0), qRgb(0, 0, 0), qRgb(200, 200, 200), qRgb(255, 255, 255)};
    int gaps = 0, leaks = 0, foreign = 0;
    for (int dy = area.top(); dy <= area.bottom(); ++dy) {
        for (int dx = area.left(); dx <= area.right(); ++dx) {
            const QRgb p = device.pixel(dx, dy);
            foreign += !allowed.contains(p);
            const int x = col[static_cast<size_t>(dx)], y = row[static_cast<size_t>(dy)];
            int yellowAround = 0;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i)
                    yellowAround += isYellow(design, x + i, y + j);
            // Deep inside the design's fill the device is yellow; far from
            // it, it is not. Only the pixels along edges may differ.
            gaps += yellowAround == 9 && !isYellow(device, dx, dy);
            leaks += yellowAround == 0 && isYellow(device, dx, dy);
        }
    }
    QCOMPARE(foreign, 0);
    QCOMPARE(gaps, 0);
    QCOMPARE(leaks, 0);
}

void TestScale::markErasedExactly_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
    QTest::newRow("3") << 3.0;
}

void TestScale::markErasedExactly()
{
    QFETCH(double, scale);
    FormDriver d;
    d.start(7);
    d.startRow(1);
    Canvas &c = d.form->panel();
    const QImage before = c.rendering(scale).copy();
    const QImage designBefore = c.image().copy();

    c.CurrentX = 40;
    c.CurrentY = 180;
    c.ForeColor = Rgb::red();
    const Canvas::Saved under = c.save(c.textRect(QStringLiteral("×")).united(QRect(40, 180, 27, 27)));
    c.print(QStringLiteral("×"));
    QVERIFY(c.rendering(scale) != before); // the mark did show
    c.restore(under);
    QCOMPARE(c.image(), designBefore);
    QCOMPARE(c.rendering(scale), before);
}

void TestScale::partsMatchTheWhole_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("scale");
    for (int level : {4, 7, 12})
        for (double scale : {0.8, 1.5, 2.0, 3.0})
            QTest::addRow("L%02d at %g", level, scale) << level << scale;
}

void TestScale::partsMatchTheWhole()
{
    // A paint draws only the part it needs; it must be that part of the
    // whole picture, cut anywhere: through figures, fills, texts and cards.
    // And the operations kept for it must not grow with the problems played.
    QFETCH(int, level);
    QFETCH(double, scale);
    FormDriver d;
    d.start(level);
    Canvas &c = d.form->panel();
    for (int row = 1; row <= Lane::Count; ++row)
        d.startRow(row);
    size_t most = 0;
    for (int k = 0; k < 40; ++k) {
        d.newProblem(1 + k % 3);
        most = std::max(most, c.keptOperations());
    }
    QVERIFY2(most < 400, qPrintable(QString::number(most)));
    const QImage whole = c.rendering(scale);
    for (const QRect &part : {QRect(20, 70, 750, 210), QRect(300, 120, 47, 33), QRect(15, 280, 200, 30),
                              QRect(40, 400, 27, 27), QRect(325, 250, 60, 180), QRect(0, 0, 1005, 737)}) {
        const QRect onDevice = Canvas::deviceRect(part, scale);
        QCOMPARE(c.rendering(scale, part), whole.copy(onDevice));
    }
}

QUILMO_TEST(TestScale)
#include "scale_test.moc"
