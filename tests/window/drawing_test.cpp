// The drawing layer's boxes, fills and rounded cards, and the window drawn
// smaller where the screen cannot hold it.
#include "support/formdriver.h"
#include "window/mainwindow.h"
#include "platform/zoom.h"
#include "support/testregistry.h"

#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestDrawing : public QObject {
    Q_OBJECT
private slots:
    void outlinedBoxHonoursFillStyle();
    void floodFillStopsAtOnePixelDiagonal();
    void blankStaysInsideItsCorners();
    void fitScale_data();
    void fitScale();
    void zoomedWindowKeepsControlsClickable_data();
    void zoomedWindowKeepsControlsClickable();
};

void TestDrawing::outlinedBoxHonoursFillStyle()
{
    Canvas c({100, 100}, Rgb::panel());
    c.FillColor = Rgb::white();
    c.Fill = FillStyle::Solid;
    c.box(10, 10, 30, 30, Rgb::black());
    QCOMPARE(c.pixel(25, 25), rgb(255, 255, 255));
    QCOMPARE(c.pixel(10, 25), rgb(0, 0, 0));
    QCOMPARE(c.pixel(40, 40), rgb(0, 0, 0)); // far corner included
    QCOMPARE(c.pixel(41, 25), rgb(255, 255, 192));

    c.Fill = FillStyle::Transparent;
    c.box(50, 50, 30, 30, Rgb::black());
    QCOMPARE(c.pixel(65, 65), rgb(255, 255, 192));

    // A filled box is its colour inside and on its edge, whatever the style.
    c.filledBox(50, 10, 30, 30, Rgb::yellow());
    QCOMPARE(countColour(c.image(), QRect(50, 10, 31, 31), rgb(255, 255, 0)), 31 * 31);
    QCOMPARE(c.pixel(81, 25), rgb(255, 255, 192));
}

void TestDrawing::floodFillStopsAtOnePixelDiagonal()
{
    Canvas c({100, 100}, Rgb::white());
    c.Fill = FillStyle::Transparent;
    c.box(10, 10, 30, 30, Rgb::grid());
    // Lower-left half of the cell, closed by a one-pixel diagonal.
    c.line(10, 10, 30, 30, Rgb::black());
    c.line(10, 10, 0, 30, Rgb::black());
    c.line(10, 40, 30, 0, Rgb::black());
    c.FillColor = Rgb::yellow();
    c.Fill = FillStyle::Solid;
    QVERIFY(c.floodFill(QPoint(15, 35), 0));
    int below = 0;
    for (int y = 11; y < 40; ++y) {
        for (int x = 11; x < 40; ++x) {
            const QRgb p = c.pixel(x, y);
            if (y - 10 > x - 10)
                below += p == rgb(255, 255, 0);
            else if (y - 10 < x - 10)
                QVERIFY2(p != rgb(255, 255, 0), qPrintable(QStringLiteral("leak at %1,%2").arg(x).arg(y)));
        }
    }
    QCOMPARE(below, 28 * 29 / 2); // every pixel strictly under the diagonal
    QCOMPARE(countColour(c.image(), c.image().rect(), rgb(255, 255, 0)), below);
    // Starting on the border paints nothing.
    QVERIFY(!c.floodFill(QPoint(10, 10), 0));
}

void TestDrawing::blankStaysInsideItsCorners()
{
    Canvas c({200, 200}, Rgb::panel());
    c.FillColor = Rgb::white();
    c.blank(QRect(20, 70, 150, 110), QSize(30, 30));
    const QRgb white = rgb(255, 255, 255), yellow = rgb(255, 255, 192);
    QCOMPARE(c.pixel(100, 70), white);
    QCOMPARE(c.pixel(100, 179), white);
    QCOMPARE(c.pixel(100, 180), yellow); // bottom edge excluded
    QCOMPARE(c.pixel(169, 120), white);
    QCOMPARE(c.pixel(170, 120), yellow); // right edge excluded
    QCOMPARE(c.pixel(20, 70), yellow);   // rounded corner
    QCOMPARE(c.pixel(35, 85), white);
    // Only white and the background: no smoothing.
    QCOMPARE(countColour(c.image(), c.image().rect(), white) + countColour(c.image(), c.image().rect(), yellow),
             200 * 200);
}

void TestDrawing::fitScale_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("factor");
    const QSize wide(1018, 743), narrow(800, 542);
    QTest::newRow("1280x1024") << QSize(1280, 1024) << wide << 1.0;
    QTest::newRow("1920x1080") << QSize(1920, 1040) << wide << 1.0;
    QTest::newRow("exactly enough") << QSize(1030, 785) << wide << 1.0;
    QTest::newRow("one pixel short") << QSize(1030, 784) << wide << 0.998;
    QTest::newRow("1366x768 with a taskbar") << QSize(1366, 728) << wide << 0.923;
    QTest::newRow("1280x720") << QSize(1280, 720) << wide << 0.912;
    QTest::newRow("1920x1080 at 150%") << QSize(1280, 680) << wide << 0.858;
    QTest::newRow("800x600") << QSize(800, 600) << narrow << 0.985;
    QTest::newRow("no screen") << QSize() << wide << 1.0;
}

void TestDrawing::fitScale()
{
    QFETCH(QSize, available);
    QFETCH(QSize, window);
    QFETCH(double, factor);
    const double got = FitScale(available, window, typicalFrame());
    QCOMPARE(got, factor);
    if (got < 1.0) { // the scaled window and its frame fit
        QVERIFY(window.width() * got + 12 <= available.width());
        QVERIFY(window.height() * got + 42 <= available.height());
    }
}

void TestDrawing::zoomedWindowKeepsControlsClickable_data()
{
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<double>("zoom");
    QTest::newRow("drawn smaller") << QSize(815, 595) << 0.8;
    QTest::newRow("grown to twice") << QSize(2036, 1486) << 2.0;
    QTest::newRow("maximised, wider than tall") << QSize(1920, 1040) << 1.399;
}

void TestDrawing::zoomedWindowKeepsControlsClickable()
{
    QFETCH(QSize, windowSize);
    QFETCH(double, zoom);
    FormDriver d;
    MainWindow window(*d.form);
    window.resize(windowSize);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.zoom(), zoom);
    auto *view = window.findChild<QGraphicsView *>();
    QVERIFY(view && view->isVisible());
    // The drill is centred; the margins are the window's light green.
    const QPointF origin = view->mapFromScene(QPointF(0, 0));
    auto at = [&](QWidget *w, QPoint p) {
        const QPoint inForm = w->mapTo(d.form.get(), p);
        return view->mapFromScene(QPointF(inForm) + QPointF(0.5, 0.5));
    };
    auto click = [&](QWidget *w, QPoint p) { QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(w, p)); };
    click(d.form->Option2[3], QPoint(300, 18));
    QCOMPARE(d.state().Level, 4);
    click(d.form->Command10, QPoint(44, 20));
    QVERIFY(d.form->Picture1[0]->isVisible());
    click(d.form->Picture1[0]->surface(), QPoint(400, 400));
    QCOMPARE(d.problem(2), 1);
    QVERIFY(d.form->Command5[1]->isVisible());
    const QString before = d.form->Text1[1]->text();
    click(d.form->Command6[12], QPoint(18, 18)); // the "7" of lane 2
    QCOMPARE(d.form->Text1[1]->text(), before + QStringLiteral("7"));

    const QImage shot = window.grab().toImage();
    QCOMPARE(shot.size(), windowSize);
    // A yellow cell of the lane's figure shows yellow at its scaled place.
    const QPoint cell = at(d.form->Picture1[0]->surface(), QPoint(280 + 15, 330 + 15));
    QCOMPARE(shot.pixel(cell), rgb(255, 255, 0));
    if (origin.x() >= 2)
        QCOMPARE(shot.pixel(1, windowSize.height() / 2), rgb(192, 255, 192));
    if (origin.y() >= 2)
        QCOMPARE(shot.pixel(windowSize.width() / 2, 1), rgb(192, 255, 192));
    // Back at design size the drill is an ordinary child again, pixel for pixel.
    window.resize(d.form->size());
    QCOMPARE(window.zoom(), 1.0);
    QCOMPARE(d.form->parentWidget(), &window);
    QVERIFY(!view->isVisible());
    QCOMPARE(window.grab().toImage(), d.form->grab().toImage());
}

QUILMO_TEST(TestDrawing)
#include "drawing_test.moc"
