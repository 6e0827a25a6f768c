#include "formdriver.h"
#include "screenfit.h"
#include "startup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void layoutFollowsScreenWidth_data();
    void layoutFollowsScreenWidth();
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void seedFromClock_data();
    void seedFromClock();
    void seedUsesOnlyMinutesAndSeconds();
    void choosingALevel();
    void decideWithoutChoiceOnlyWarns();
    void decideShowsBandsAndInvitations_data();
    void decideShowsBandsAndInvitations();
    void drawingWhileHiddenShowsLater();
    void exitAsksFirst_data();
    void exitAsksFirst();
    void outlinedBoxHonoursFillStyle();
    void floodFillStopsAtOnePixelDiagonal();
    void roundRectStaysInsideItsCorners();
    void picturesShowPanelThroughTransparency_data();
    void picturesShowPanelThroughTransparency();
    void fitScale_data();
    void fitScale();
    void scaledWindowKeepsControlsClickable();
};

void TestShell::layoutFollowsScreenWidth_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("wide");
    QTest::newRow("800") << 800 << false;
    QTest::newRow("999") << 999 << false;
    QTest::newRow("1000") << 1000 << true;
    QTest::newRow("1024") << 1024 << true;
}

void TestShell::layoutFollowsScreenWidth()
{
    QFETCH(int, screen);
    QFETCH(bool, wide);
    FormDriver d(screen);
    Form1 &f = *d.form;
    QCOMPARE(d.state().ScreenWidthPx, screen);
    QCOMPARE(f.windowTitle(), QStringLiteral("Quilmo Ver1.0.1"));
    QCOMPARE(f.size(), wide ? QSize(1018, 743) : QSize(800, 542));
    QCOMPARE(f.grab().toImage().pixel(2, 2), rgb(192, 255, 192));
    QVERIFY(f.Picture7->isVisible());
    QCOMPARE(f.Picture7->pos(), QPoint(4, 4));
    QVERIFY(!f.Picture1[0]->isVisible());
    QCOMPARE(f.Picture7->size(), wide ? QSize(1013, 741) : QSize(794, 530));
    QCOMPARE(f.Picture1[0]->size(), wide ? QSize(1009, 741) : QSize(786, 530));
    QCOMPARE(f.Command10->x(), wide ? 820 : 600);
    QCOMPARE(f.Command2->x(), wide ? 912 : 695);
    QCOMPARE(f.Command10->y(), 8);
    QCOMPARE(f.Label2->font().pixelSize(), wide ? 27 : 21);
    QCOMPARE(f.Picture3[0]->isVisibleTo(f.Picture1[0]), wide);
    for (int i = 0; i < 12; ++i) {
        const QRect want = wide ? QRect(37, 65 + 50 * i, 805, 37) : QRect(37, 65 + 37 * i, 700, 28);
        QCOMPARE(f.Option2[i]->geometry(), want);
        QCOMPARE(f.Option2[i]->font().pixelSize(), 21); // 16 pt at 96 dpi
        QCOMPARE(f.Option2[i]->grab().toImage().pixel(f.Option2[i]->width() - 3, 5), rgb(239, 239, 255));
        QVERIFY(f.Option2[i]->geometry().bottom() < f.Picture7->client()->height());
    }
}

void TestShell::controlsAsLaidOut_data()
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
    QTest::newRow("L06") << "Option2(5)" << "Picture7.client" << QRect(37, 315, 805, 37)
                         << "L06 色をぬった部分の面積は何ｋｍ,ｈａ,ａ,㎡？";
    QTest::newRow("L12") << "Option2(11)" << "Picture7.client" << QRect(37, 615, 805, 37)
                         << "L12 まとめ　次の面積を求めましょう。（いろいろな問題）";
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

void TestShell::controlsAsLaidOut()
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

void TestShell::seedFromClock_data()
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

void TestShell::seedFromClock()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, seed);
    QCOMPARE(SeedFromClock(first, second), seed);
}

void TestShell::seedUsesOnlyMinutesAndSeconds()
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

void TestShell::choosingALevel()
{
    FormDriver d;
    QCOMPARE(d.state().Level, 0);
    for (QRadioButton *o : d.form->Option2)
        QVERIFY(!o->isChecked());
    d.chooseLevel(5);
    d.chooseLevel(2);
    QCOMPARE(d.state().Level, 2);
    QVERIFY(d.form->Option2[1]->isChecked());
    QVERIFY(!d.form->Option2[4]->isChecked());
    // Choosing draws and moves nothing.
    QVERIFY(d.form->Picture7->isVisible());
    QVERIFY(!d.form->Picture1[0]->isVisible());
}

void TestShell::decideWithoutChoiceOnlyWarns()
{
    FormDriver d;
    const QImage before = d.image();
    d.decide();
    QCOMPARE(d.platform.messages.size(), 1);
    QCOMPARE(d.platform.messages[0].text, QStringLiteral("レベルをきめてから、けっていボタンをおしてください。"));
    QCOMPARE(d.platform.messages[0].buttons, MsgButtons::Ok);
    QVERIFY(d.form->Picture7->isVisible());
    QVERIFY(!d.form->Picture1[0]->isVisible());
    QCOMPARE(d.image(), before);
}

void TestShell::decideShowsBandsAndInvitations_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("bands");
    QTest::newRow("800") << 800 << 2;
    QTest::newRow("899") << 899 << 2;
    QTest::newRow("900") << 900 << 3;
    QTest::newRow("1280") << 1280 << 3;
}

void TestShell::decideShowsBandsAndInvitations()
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
    for (int i = 0; i < 3; ++i) {
        const int top = 70 + 220 * i, y = 155 + 220 * i;
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

void TestShell::drawingWhileHiddenShowsLater()
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

void TestShell::exitAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestShell::exitAsksFirst()
{
    QFETCH(bool, yes);
    FormDriver d;
    d.chooseLevel(3);
    d.platform.answers.push_back(yes ? MsgAnswer::Yes : MsgAnswer::No);
    d.click(QStringLiteral("Command2"));
    QCOMPARE(d.platform.messages.size(), 1);
    QCOMPARE(d.platform.messages[0].text, QStringLiteral("「Quilmo」を　終わります。"));
    QCOMPARE(d.platform.messages[0].buttons, MsgButtons::YesNo);
    QCOMPARE(d.platform.ended, yes);
    QCOMPARE(d.state().Level, 3);
    QVERIFY(d.form->Option2[2]->isChecked());
}

void TestShell::outlinedBoxHonoursFillStyle()
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

void TestShell::floodFillStopsAtOnePixelDiagonal()
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
    QVERIFY(FloodFill(&c, 15, 35, 0));
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
    QVERIFY(!FloodFill(&c, 10, 10, 0));
}

void TestShell::roundRectStaysInsideItsCorners()
{
    Canvas c({200, 200}, Rgb::panel());
    c.ForeColor = Rgb::white();
    c.FillColor = Rgb::white();
    c.Fill = FillStyle::Solid;
    QVERIFY(RoundRect(&c, 20, 70, 170, 180, 30, 30));
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

void TestShell::picturesShowPanelThroughTransparency_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("boy") << "Picture3(0)" << QSize(226, 239);
    QTest::newRow("girl") << "Picture2(0)" << QSize(173, 190);
    QTest::newRow("children") << "Picture4(0)" << QSize(213, 227);
}

void TestShell::picturesShowPanelThroughTransparency()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    FormDriver d;
    d.start(1);
    auto *pic = d.find<QLabel>(name);
    QVERIFY(pic);
    QCOMPARE(pic->pixmap().size(), size);
    QVERIFY(pic->pixmap().hasAlpha());
    const QImage shown = d.form->Picture1[0]->surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect r = pic->geometry();
    const QRgb yellow = rgb(255, 255, 192);
    // The corners are transparent, so the panel's yellow shows there...
    for (QPoint p : {r.topLeft(), r.topRight(), r.bottomLeft()})
        QCOMPARE(shown.pixel(p), yellow);
    // ...and the figure itself covers a good part of the picture.
    const int area = r.width() * r.height();
    const int figure = area - countColour(shown, r, yellow);
    QVERIFY2(figure > area / 4, qPrintable(QString::number(figure)));
}

void TestShell::fitScale_data()
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

void TestShell::fitScale()
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

void TestShell::scaledWindowKeepsControlsClickable()
{
    FormDriver d;
    const double f = 0.8;
    ScaledWindow view(d.form.get(), f);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.size(), QSize(815, 595));
    auto at = [&](QWidget *w, QPoint p) {
        const QPoint inForm = w->mapTo(d.form.get(), p);
        return QPoint(qRound(inForm.x() * f), qRound(inForm.y() * f));
    };
    auto click = [&](QWidget *w, QPoint p) { QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(w, p)); };
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
    // The picture is the window, drawn smaller: a yellow cell of the lane's
    // figure shows yellow at its scaled place.
    const QImage shot = view.grab().toImage();
    QCOMPARE(shot.size(), QSize(815, 595));
    const QPoint cell = at(d.form->Picture1[0]->surface(), QPoint(280 + 15, 330 + 15));
    QCOMPARE(shot.pixel(cell), rgb(255, 255, 0));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
