// Each drawing operation keeps its ink inside the area it reports as
// changed, at every scale, so that repainting that area shows all of it; and
// a blank forgets only what it covers at every scale.
#include "drawing/canvas.h"
#include "support/pixels.h"
#include "support/testregistry.h"

#include <QPainter>
#include <QTest>

#include <functional>

class TestDrawOps : public QObject {
    Q_OBJECT
private slots:
    void inkStaysInsideReportedArea_data();
    void inkStaysInsideReportedArea();
    void blankForgetsOnlyWhatItCovers_data();
    void blankForgetsOnlyWhatItCovers();
    void blankDrawsAsASolidRoundRect_data();
    void blankDrawsAsASolidRoundRect();
    void coveringMeetsTheDeviceRect_data();
    void coveringMeetsTheDeviceRect();
};

namespace {

const QList<double> Scales = {0.8, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

void addScaleRows()
{
    QTest::addColumn<double>("scale");
    for (double scale : Scales)
        QTest::addRow("%g", scale) << scale;
}

using Draw = std::function<void(Canvas &)>;

// What each operation draws on a light yellow canvas, after walls a fill needs.
struct Case {
    Draw before;
    Draw op;
};

QMap<QString, Case> cases()
{
    auto text = [](int x, int y, double pt, const QString &s) {
        return [=](Canvas &c) {
            c.setFontSizePt(pt);
            c.CurrentX = x;
            c.CurrentY = y;
            c.print(s);
        };
    };
    const Draw nothing = [](Canvas &) {};
    auto walls = [](Canvas &c) {
        c.Fill = FillStyle::Transparent;
        c.box(50, 40, 60, 50, Rgb::black());
        c.line(50, 40, 60, 50, Rgb::black());
    };
    auto solid = [](QColor fill) {
        return [=](Canvas &c) {
            c.FillColor = fill;
            c.Fill = FillStyle::Solid;
        };
    };
    return {
        {"flat line", {nothing, [](Canvas &c) { c.line(30, 50, 200, 0, Rgb::black()); }}},
        {"steep diagonal", {nothing, [](Canvas &c) { c.line(60, 20, -13, 150, Rgb::blue()); }}},
        {"shallow diagonal", {nothing, [](Canvas &c) { c.line(20, 101, 230, -37, Rgb::black()); }}},
        {"box", {nothing, [](Canvas &c) { c.box(31, 27, 90, 61, Rgb::black()); }}},
        {"solid box", {solid(Rgb::white()), [](Canvas &c) { c.box(131, 57, -90, -31, Rgb::black()); }}},
        {"filled box", {nothing, [](Canvas &c) { c.filledBox(33, 33, 30, 30, Rgb::yellow()); }}},
        {"question", {nothing, text(20, 60, 24, QStringLiteral("面積を求めましょう。"))}},
        {"score line", {nothing, text(3, 80, 24, QStringLiteral("レベル12 (99)  せいせき：○△×○○△×○○"))}},
        {"small text", {nothing, text(17, 11, 12, QStringLiteral("1cm 1ｍ ｈａ ｋ㎡ jgy"))}},
        {"long question", {nothing, text(2, 90, 22, QStringLiteral("たて300m, 横500mの長方形の面積は、何ｈａですか。"))}},
        {"mark", {nothing, text(40, 20, 72, QStringLiteral("×"))}},
        {"blank", {solid(Rgb::white()), [](Canvas &c) { c.blank(QRect(20, 30, 200, 110), QSize(30, 30)); }}},
        {"wide blank", {solid(Rgb::white()), [](Canvas &c) { c.blank(QRect(21, 13, 209, 128), QSize(30, 30)); }}},
        {"blank, odd corners", {solid(Rgb::white()), [](Canvas &c) { c.blank(QRect(5, 7, 92, 53), QSize(31, 17)); }}},
        {"fill", {walls, [](Canvas &c) {
                      c.FillColor = Rgb::yellow();
                      c.Fill = FillStyle::Solid;
                      c.floodFill(QPoint(52, 80), qRgb(0, 0, 0));
                  }}},
    };
}

} // namespace

void TestDrawOps::inkStaysInsideReportedArea_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<double>("scale");
    for (const QString &op : cases().keys())
        for (double scale : Scales)
            QTest::addRow("%s at %g", qPrintable(op), scale) << op << scale;
}

void TestDrawOps::inkStaysInsideReportedArea()
{
    QFETCH(QString, op);
    QFETCH(double, scale);
    const Case c = cases().value(op);
    Canvas canvas({720, 180}, Rgb::panel());
    c.before(canvas);
    const QImage before = canvas.rendering(scale);
    QRect reported;
    canvas.setChangeHook([&](const QRect &area) { reported |= area; });
    c.op(canvas);
    const QImage after = canvas.rendering(scale);
    const QRect allowed = Canvas::deviceRect(reported, scale);
    int ink = 0, outside = 0;
    QPoint first;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) == before.pixel(x, y))
                continue;
            ++ink;
            if (!allowed.contains(x, y) && outside++ == 0)
                first = QPoint(x, y);
        }
    }
    QVERIFY(ink > 0);
    QVERIFY2(outside == 0, qPrintable(QStringLiteral("%1 device pixels outside, the first at %2,%3")
                                          .arg(outside).arg(first.x()).arg(first.y())));
}

void TestDrawOps::blankForgetsOnlyWhatItCovers_data()
{
    addScaleRows();
}

void TestDrawOps::blankForgetsOnlyWhatItCovers()
{
    // Small boxes all round two corners of a card: those the blank forgets
    // must lie under it wholly, at every scale; else a picture drawn afresh
    // would lose what still shows.
    QFETCH(double, scale);
    const QRect card(20, 30, 120, 90);
    const QSize corner(30, 30);
    auto blankOn = [&](Canvas &c) {
        c.FillColor = Rgb::white();
        c.blank(card, corner);
    };
    Canvas alone({160, 140}, Rgb::blue());
    blankOn(alone);
    const QImage blanked = alone.rendering(scale);

    int forgotten = 0, kept = 0;
    for (QPoint from : {card.topLeft(), card.bottomRight() - QPoint(16, 16)}) {
        for (int y = from.y() - 2; y <= from.y() + 18; ++y) {
            for (int x = from.x() - 2; x <= from.x() + 18; ++x) {
                for (int size : {0, 2}) {
                    Canvas c({160, 140}, Rgb::blue());
                    QRect reported;
                    c.setChangeHook([&](const QRect &area) { reported = area; });
                    c.filledBox(x, y, size, size, Rgb::black());
                    const QRect boxArea = reported;
                    blankOn(c);
                    if (c.keptOperations() == 2) {
                        ++kept;
                        continue;
                    }
                    ++forgotten;
                    const QRect device = Canvas::deviceRect(boxArea, scale);
                    const int white = countColour(blanked, device, qRgb(255, 255, 255));
                    QVERIFY2(white == device.width() * device.height(),
                             qPrintable(QStringLiteral("a box at %1,%2 forgotten but not covered").arg(x).arg(y)));
                }
            }
        }
    }
    // Deep inside it forgets, across the outline it keeps.
    QVERIFY(forgotten > 100);
    QVERIFY(kept > 100);
}

void TestDrawOps::blankDrawsAsASolidRoundRect_data()
{
    QTest::addColumn<QRect>("card");
    QTest::addColumn<QSize>("corner");
    QTest::newRow("a lane's band") << QRect(20, 70, 750, 210) << QSize(30, 30);
    QTest::newRow("odd corners") << QRect(3, 5, 41, 37) << QSize(17, 9);
    QTest::newRow("square corners") << QRect(10, 10, 60, 40) << QSize(0, 0);
    QTest::newRow("corners wider than the card") << QRect(10, 10, 20, 20) << QSize(40, 40);
}

void TestDrawOps::blankDrawsAsASolidRoundRect()
{
    // The design pixels of a blanked band are those of Qt's own unsmoothed
    // rounded rectangle, outlined and filled in white, as the band was drawn
    // before blanking was an operation of its own.
    QFETCH(QRect, card);
    QFETCH(QSize, corner);
    Canvas blanked({800, 300}, Rgb::panel());
    blanked.FillColor = Rgb::white();
    blanked.blank(card, corner);
    QImage drawn(800, 300, QImage::Format_RGB32);
    drawn.fill(Rgb::panel());
    {
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::white);
        // A one-pixel pen round a rectangle w wide covers w + 1 pixels.
        p.drawRoundedRect(QRectF(card).adjusted(0, 0, -1, -1), corner.width() / 2.0, corner.height() / 2.0);
    }
    QCOMPARE(blanked.image(), drawn);
    const int white = countColour(blanked.image(), blanked.image().rect(), qRgb(255, 255, 255));
    QVERIFY(white > card.width() * card.height() / 2);
    QVERIFY(white <= card.width() * card.height());
}

void TestDrawOps::coveringMeetsTheDeviceRect_data()
{
    addScaleRows();
}

void TestDrawOps::coveringMeetsTheDeviceRect()
{
    // The design pixels covering a device rectangle are exactly those whose
    // device pixels meet it.
    QFETCH(double, scale);
    const DeviceGrid grid{scale};
    for (int left = -3; left < 40; left += 3) {
        for (int width = 1; width < 12; width += 2) {
            const QRect device(left, 7, width, 5);
            const QRect design = grid.covering(device);
            for (int x = -10; x < 60; ++x) {
                const bool meets = grid.map(QRect(x, 0, 1, 1)).left() <= device.right() &&
                                   grid.map(QRect(x, 0, 1, 1)).right() >= device.left();
                QVERIFY2(meets == (x >= design.left() && x <= design.right()),
                         qPrintable(QStringLiteral("design x %1, device %2 wide from %3").arg(x).arg(width).arg(left)));
            }
        }
    }
}

QUILMO_TEST(TestDrawOps)
#include "drawop_test.moc"
