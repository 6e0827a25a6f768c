// On a screen that doubles every pixel (run with QT_SCALE_FACTOR=2), the
// drawing panel is drawn at the screen's resolution, not enlarged.
#include "support/formdriver.h"
#include "support/testregistry.h"

#include <QTest>

class TestHighDpi : public QObject {
    Q_OBJECT
private slots:
    void init();
    void linesAreTwoDevicePixelsOfBlack();
    void glyphEdgesAreNotEnlargedPixels();

private:
    QImage shot(FormDriver &d) const;
};

void TestHighDpi::init()
{
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != QLatin1String("2"))
        QSKIP("runs on a doubled screen: QT_SCALE_FACTOR=2");
}

QImage TestHighDpi::shot(FormDriver &d) const
{
    const QImage img = d.form->Picture1[0]->surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return img;
}

void TestHighDpi::linesAreTwoDevicePixelsOfBlack()
{
    FormDriver d;
    d.start(1);
    d.startRow(1);
    const QImage img = shot(d);
    QCOMPARE(img.devicePixelRatio(), 2.0);
    QCOMPARE(img.size(), 2 * d.form->Picture1[0]->surface()->size());
    // The left edge of each yellow cell in the figure's first row: design
    // pixel x is device pixels 2x and 2x + 1, pure black, between yellow
    // (or light grey) on either side.
    int edges = 0;
    for (int j = 1; j <= 4; ++j) {
        const QRect cell = gridCell(0, 1, j);
        if (d.image().pixel(cell.center()) != rgb(255, 255, 0) || d.image().pixel(cell.left() - 1, cell.center().y()) == rgb(255, 255, 0))
            continue;
        const int y = 2 * cell.center().y(), x = 2 * cell.left();
        QCOMPARE(img.pixel(x, y), rgb(0, 0, 0));
        QCOMPARE(img.pixel(x + 1, y), rgb(0, 0, 0));
        QVERIFY(img.pixel(x - 1, y) != rgb(0, 0, 0));
        QCOMPARE(img.pixel(x + 2, y), rgb(255, 255, 0));
        ++edges;
    }
    QVERIFY(edges >= 1);
}

void TestHighDpi::glyphEdgesAreNotEnlargedPixels()
{
    FormDriver d;
    d.start(1);
    d.startRow(1);
    const QImage img = shot(d);
    // The question 「面積を求めましょう。」 at (420, 130): of the 2 x 2 device
    // blocks that hold ink, an enlarged picture has every one a single
    // colour; text drawn at the device's resolution has most of them mixed.
    const QRect question(2 * 420, 2 * 130, 2 * 320, 2 * 36);
    int inked = 0, uniform = 0;
    for (int y = question.top(); y < question.bottom(); y += 2) {
        for (int x = question.left(); x < question.right(); x += 2) {
            const QRgb a = img.pixel(x, y), b = img.pixel(x + 1, y), c = img.pixel(x, y + 1), e = img.pixel(x + 1, y + 1);
            if (qGray(a) > 200 && qGray(b) > 200 && qGray(c) > 200 && qGray(e) > 200)
                continue;
            ++inked;
            uniform += a == b && b == c && c == e;
        }
    }
    QVERIFY(inked > 200);
    QVERIFY2(uniform * 100 < inked * 60, qPrintable(QStringLiteral("%1 of %2 blocks uniform").arg(uniform).arg(inked)));
}

QUILMO_TEST(TestHighDpi)
#include "highdpi_test.moc"
