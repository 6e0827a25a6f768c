// The window as laid out, start-up, the lanes' bands and the pictures.
#include "support/formdriver.h"
#include "drill/seed.h"
#include "support/testregistry.h"
#include "window/mainwindow.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void seedFromClock_data();
    void seedFromClock();
    void seedUsesOnlyMinutesAndSeconds();
    void decideShowsBandsAndInvitations_data();
    void decideShowsBandsAndInvitations();
    void drawingWhileHiddenShowsLater();
    void picturesShowPanelThroughTransparency_data();
    void picturesShowPanelThroughTransparency();
    void windowIconIsOurs();
    void drawingPanelBuiltAfterFirstFrame_data();
    void drawingPanelBuiltAfterFirstFrame();
};

void TestWindow::controlsAsLaidOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption");
    QTest::newRow("heading") << "Label2" << "Picture7.client" << QRect(12, 16, 735, 27)
                             << "【Quilmo:４年生】　どれを練習しますか。えらんでください。";
    QTest::newRow("decide") << "Command10" << "Picture7.client" << QRect(820, 8, 89, 41) << "けってい";
    QTest::newRow("exit") << "Command2" << "Picture7.client" << QRect(912, 8, 89, 41) << "おわり";
    QTest::newRow("L01") << "Option2(0)" << "Picture7.client" << QRect(37, 65, 805, 37)
                         << "L01 色をぬった部分の面積は何ｃ㎡？（８ｃ㎡以下）";
    QTest::newRow("panel heading") << "Label1(0)" << "Picture1(0).surface" << QRect(16, 8, 390, 37)
                                   << "つぎのけいさんをしましょう。";
    QTest::newRow("finish") << "Command8(0)" << "Picture1(0).surface" << QRect(584, 12, 137, 37) << "終わる";
    QTest::newRow("boy") << "Picture3(0)" << "Picture1(0).surface" << QRect(768, 44, 226, 239) << "";
    QTest::newRow("girl") << "Picture2(0)" << "Picture1(0).surface" << QRect(800, 296, 173, 190) << "";
    QTest::newRow("children") << "Picture4(0)" << "Picture1(0).surface" << QRect(772, 504, 213, 227) << "";
    QTest::newRow("strip 2") << "Picture6(1)" << "Picture1(0).surface" << QRect(32, 456, 645, 41) << "";
    QTest::newRow("check 3") << "Command5(2)" << "Picture1(0).surface" << QRect(684, 680, 77, 39) << "ﾁｪｯｸ";
    QTest::newRow("lane 1 digit 7") << "Command6(7)" << "Picture6(0).client" << QRect(252, 0, 37, 37) << "7";
    QTest::newRow("lane 2 digit 7") << "Command6(12)" << "Picture6(1).client" << QRect(252, 0, 37, 37) << "7";
    QTest::newRow("lane 3 digit 7") << "Command6(22)" << "Picture6(2).client" << QRect(252, 0, 37, 37) << "7";
    QTest::newRow("lane 2 digit 0") << "Command6(19)" << "Picture6(1).client" << QRect(0, 0, 37, 37) << "0";
    QTest::newRow("lane 1 h") << "Command1(3)" << "Picture6(0).client" << QRect(468, 0, 37, 37) << "ｈ";
    QTest::newRow("lane 2 h") << "Command1(8)" << "Picture6(1).client" << QRect(468, 0, 37, 37) << "ｈ";
    QTest::newRow("lane 3 h") << "Command1(14)" << "Picture6(2).client" << QRect(468, 0, 37, 37) << "ｈ";
    QTest::newRow("lane 3 m2") << "Command1(12)" << "Picture6(2).client" << QRect(540, 0, 37, 37) << "㎡";
    QTest::newRow("lane 2 c") << "Command1(11)" << "Picture6(1).client" << QRect(360, 0, 37, 37) << "ｃ";
    QTest::newRow("lane 2 erase") << "Command7(1)" << "Picture6(1).client" << QRect(576, 0, 65, 37) << "けす";
}

void TestWindow::controlsAsLaidOut()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, place);
    QFETCH(QString, caption);
    FormDriver d(1280);
    QWidget *w = d.find<QWidget>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->parentWidget()->objectName(), container);
    QCOMPARE(w->geometry(), place);
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        QCOMPARE(b->text(), caption);
    else if (auto *l = qobject_cast<QLabel *>(w); l && !caption.isEmpty())
        QCOMPARE(l->text(), caption);
}

void TestWindow::seedFromClock_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("seed");
    QTest::newRow("12:34:56") << "12:34:56" << "12:34:56" << 3456;
    QTest::newRow("12:05:07") << "12:05:07" << "12:05:07" << 507;
    QTest::newRow("midnight") << "00:00:00" << "00:00:00" << 0;
    QTest::newRow("last second") << "23:59:59" << "23:59:59" << 5959;
    QTest::newRow("minute from first, second from second") << "10:34:59" << "10:35:00" << 3400;
}

void TestWindow::seedFromClock()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, seed);
    QCOMPARE(SeedFromClock(first, second), seed);
}

void TestWindow::seedUsesOnlyMinutesAndSeconds()
{
    auto draws = [](const QString &clock) {
        ScriptedPlatform p;
        p.clockReadings = {clock, clock};
        Form1 f(p);
        QList<double> out;
        for (int i = 0; i < 8; ++i)
            out << f.state().Random.next();
        return out;
    };
    QCOMPARE(draws("09:34:56"), draws("17:34:56"));
    QVERIFY(draws("09:34:56") != draws("09:34:57"));
}

void TestWindow::decideShowsBandsAndInvitations_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("bands");
    QTest::newRow("800") << 800 << 2;
    QTest::newRow("899") << 899 << 2;
    QTest::newRow("900") << 900 << 3;
    QTest::newRow("1280") << 1280 << 3;
}

void TestWindow::decideShowsBandsAndInvitations()
{
    QFETCH(int, screen);
    QFETCH(int, bands);
    FormDriver d(screen);
    d.start(4);
    Form1 &f = *d.form;
    QVERIFY(!f.Picture7->isVisible());
    QVERIFY(f.Picture1[0]->isVisible());
    QCOMPARE(f.Picture1[0]->pos(), QPoint(8, 8));
    const QImage &img = d.image();
    const QRgb white = rgb(255, 255, 255), yellow = rgb(255, 255, 192);
    // Each band's top and its invitation's line.
    const int tops[] = {70, 290, 510}, lines[] = {155, 375, 595};
    for (int i = 0; i < 3; ++i) {
        const int top = tops[i], y = lines[i];
        const bool blank = i < bands;
        // The card: white inside, rounded corners, light yellow around it.
        QCOMPARE(img.pixel(700, top + 20), blank ? white : yellow);
        QCOMPARE(img.pixel(21, top + 1), yellow);
        QCOMPARE(img.pixel(19, top + 100), yellow);
        QCOMPARE(img.pixel(770, top + 100), yellow);
        QCOMPARE(img.pixel(400, top + 215), yellow);
        // The invitation is printed in every band, whether blanked or not.
        const QRect line(40, y, 420, 34);
        QVERIFY(countColour(img, line, rgb(0, 0, 0)) > 200);
        if (blank)
            QCOMPARE(countColour(img, line, yellow), 0); // glyphs only, no box behind them
    }
}

void TestWindow::drawingWhileHiddenShowsLater()
{
    FormDriver d;
    d.start(1);
    const QImage shown = d.form->Picture1[0]->surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage &img = d.image();
    int black = 0;
    for (int x = 40; x < 460; ++x) {
        for (int y = 155; y < 189; ++y) {
            QCOMPARE(shown.pixel(x, y), img.pixel(x, y));
            black += qRed(shown.pixel(x, y)) == 0;
        }
    }
    QVERIFY(black > 200);
}

void TestWindow::picturesShowPanelThroughTransparency_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("gif");
    QTest::addColumn<QSize>("size");
    QTest::newRow("boy") << "Picture3(0)" << "boy" << QSize(226, 239);
    QTest::newRow("girl") << "Picture2(0)" << "girl" << QSize(173, 190);
    QTest::newRow("children") << "Picture4(0)" << "children" << QSize(213, 227);
}

void TestWindow::picturesShowPanelThroughTransparency()
{
    QFETCH(QString, name);
    QFETCH(QString, gif);
    QFETCH(QSize, size);
    FormDriver d;
    d.start(1);
    auto *pic = d.find<QWidget>(name);
    QVERIFY(pic);
    QCOMPARE(pic->size(), size);
    const QImage shown = d.form->Picture1[0]->surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect r = pic->geometry();
    const QRgb yellow = rgb(255, 255, 192);
    // The corners are transparent, so the panel's yellow shows there...
    for (QPoint p : {r.topLeft(), r.topRight(), r.bottomLeft()})
        QCOMPARE(shown.pixel(p), yellow);
    // ...and wherever the drawing is opaque, its own colour is shown.
    const QImage drawing = QImage(QStringLiteral(":/assets/%1.gif").arg(gif)).convertToFormat(QImage::Format_ARGB32);
    int opaque = 0, other = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (qAlpha(drawing.pixel(x, y)) == 255) {
                ++opaque;
                other += shown.pixel(r.topLeft() + QPoint(x, y)) != drawing.pixel(x, y);
            }
    QCOMPARE(other, 0);
    QVERIFY2(opaque > r.width() * r.height() / 4, qPrintable(QString::number(opaque)));
}

void TestWindow::windowIconIsOurs()
{
    FormDriver d;
    // The window the desktop shows carries it.
    MainWindow main(*d.form);
    const QIcon icon = main.windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(128, 128)));
    // A black kanji over blocks of six colours.
    const QImage small = icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(small.size(), QSize(16, 16));
    QSet<QRgb> colours;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            colours.insert(small.pixel(x, y));
    QVERIFY(countColour(small, small.rect(), rgb(0, 0, 0)) > 40);
    for (QRgb c : {rgb(255, 255, 0), rgb(0, 255, 255), rgb(255, 0, 255), rgb(0, 0, 128)})
        QVERIFY2(colours.contains(c), qPrintable(QString::number(c, 16)));
}

void TestWindow::drawingPanelBuiltAfterFirstFrame_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("decideAtOnce"); // before the panel had its turn
    QTest::addColumn<QRect>("panel");
    QTest::addColumn<bool>("boy");
    QTest::newRow("wide") << 1280 << false << QRect(8, 8, 1009, 741) << true;
    QTest::newRow("narrow") << 800 << false << QRect(8, 8, 786, 530) << false;
    QTest::newRow("wide, decided at once") << 1280 << true << QRect(8, 8, 1009, 741) << true;
    QTest::newRow("narrow, decided at once") << 800 << true << QRect(8, 8, 786, 530) << false;
}

void TestWindow::drawingPanelBuiltAfterFirstFrame()
{
    QFETCH(int, screen);
    QFETCH(bool, decideAtOnce);
    ScriptedPlatform platform;
    platform.screenWidth = screen;
    QApplication::setWindowIcon(QIcon());
    Form1 f(platform, nullptr, Form1::Build::AfterFirstFrame);
    QVERIFY(!f.Picture1[0]);
    QVERIFY(f.windowIcon().isNull()); // read behind the first frame too
    f.show();
    if (decideAtOnce) {
        f.Option2_Click(5);
        f.Command10_Click();
    } else {
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTRY_VERIFY(f.Picture1[0]);
        QVERIFY(!f.Picture1[0]->isVisible());
        f.Option2_Click(5);
        f.Command10_Click();
    }
    // The same panel as one built at once, laid out for the screen.
    QVERIFY(f.Picture1[0]->isVisible());
    QTEST(f.Picture1[0]->geometry(), "panel");
    QTEST(f.Picture3[0]->isVisibleTo(f.Picture1[0]), "boy");
    QCOMPARE(f.Picture2[0]->size(), QSize(173, 190));
    f.Picture1_MouseDown(0, Qt::LeftButton, {}, 400, 175);
    QCOMPARE(f.state().RowTable.at(1, Col::ProblemCount), 1);
    QVERIFY(f.Command5[0]->isVisible() && f.Text1[0]->isVisible());
    // Built once only.
    f.ensureDrawingPanel();
    QCOMPARE(f.findChildren<DrawingPanel *>().size(), 1);
    QTRY_VERIFY(f.windowIcon().availableSizes().contains(QSize(128, 128)));
}

QUILMO_TEST(TestWindow)
#include "window_test.moc"
