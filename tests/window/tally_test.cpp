// The tally after the finish: over the level panel, one card for each
// started lane, and back to the level panel with its button.
#include "support/formdriver.h"
#include "window/mainwindow.h"
#include "window/tallypanel.h"
#include "support/testregistry.h"

#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

class TestTallyPanel : public QObject {
    Q_OBJECT
private slots:
    void playedLanesAreTallied();
    void noLaneNoTally();
    void longListsEndWithACount();
    void cardsShowEveryEdge_data();
    void cardsShowEveryEdge();
};

namespace {
void answer(FormDriver &d, int lane, bool right)
{
    const Answer a = rightAnswer(d.state().Level, d.block(lane, d.problem(lane)));
    d.type(lane, right ? a.number : a.number + QStringLiteral("7"), a.unit);
    d.check(lane);
}
QString text(const FormDriver &d, const QString &name)
{
    const auto *l = d.find<QLabel>(name);
    return l ? l->text() : QStringLiteral("(none)");
}
} // namespace

void TestTallyPanel::playedLanesAreTallied()
{
    FormDriver d;
    d.start(8);
    d.startRow(1);
    d.startRow(3);
    // Lane 1: ○, then △ (one miss), then × (three misses), then one open miss.
    answer(d, 1, true);
    answer(d, 1, false);
    answer(d, 1, true);
    const Answer missed = rightAnswer(8, d.block(1, 3));
    for (int t = 0; t < 3; ++t)
        answer(d, 1, false);
    answer(d, 1, false);
    // Lane 3: ○.
    answer(d, 3, true);

    d.platform.answers = {MsgAnswer::Yes};
    d.click(QStringLiteral("Command8(0)"));
    // The finish went as always: level panel back, every lane cleared.
    QVERIFY(d.form->Picture7->isVisible());
    QVERIFY(!d.form->Picture1[0]->isVisible());
    QCOMPARE(d.cell(1, Col::RowActive), 0);
    QCOMPARE(d.problem(3), 0);

    auto *tally = d.find<TallyPanel>(QStringLiteral("Tally"));
    QVERIFY(tally && tally->isVisible());
    QCOMPARE(tally->geometry(), d.form->Picture7->geometry());
    // Raised over the level panel.
    QCOMPARE(d.form->childAt(d.form->Picture7->geometry().center()) != nullptr, true);
    QVERIFY(tally->isAncestorOf(d.form->childAt(d.form->Picture7->geometry().center())) ||
            d.form->childAt(d.form->Picture7->geometry().center()) == tally);
    QVERIFY(d.find<QWidget>(QStringLiteral("TallyLane(0)"))->isVisible());
    QVERIFY(!d.find<QWidget>(QStringLiteral("TallyLane(1)"))->isVisible());
    QVERIFY(d.find<QWidget>(QStringLiteral("TallyLane(2)"))->isVisible());
    QCOMPARE(text(d, QStringLiteral("TallyCounts(0)")), QStringLiteral("といた　問題　3もん　　○ 1　△ 1　× 1"));
    QCOMPARE(text(d, QStringLiteral("TallyMissed(0)")),
             QStringLiteral("×の　こたえ：　") + missed.number + missed.unit);
    QCOMPARE(text(d, QStringLiteral("TallyCounts(2)")), QStringLiteral("といた　問題　1もん　　○ 1　△ 0　× 0"));
    QCOMPARE(text(d, QStringLiteral("TallyMissed(2)")), QStringLiteral("×は　ありません"));
    // Each text shows whole in its card.
    for (const char *name : {"TallyCounts(0)", "TallyMissed(0)", "TallyCounts(2)"}) {
        const auto *l = d.find<QLabel>(QString::fromLatin1(name));
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), name);
        QVERIFY(l->parentWidget()->rect().contains(l->geometry()));
    }

    // けってい reached by the keyboard under the tally starts the drill in sight.
    d.decide();
    QVERIFY(!tally->isVisible());
    d.platform.answers = {MsgAnswer::Yes};
    d.click(QStringLiteral("Command8(0)"));
    QVERIFY(!tally->isVisible()); // no lane was started

    d.decide();
    d.startRow(1);
    d.platform.answers = {MsgAnswer::Yes};
    d.click(QStringLiteral("Command8(0)"));
    QVERIFY(tally->isVisible());
    d.click(QStringLiteral("TallyBack"));
    QVERIFY(!tally->isVisible());
    QVERIFY(d.form->Picture7->isVisible());

    // The next drill's finish shows only that drill.
    d.decide();
    d.startRow(2);
    d.platform.answers = {MsgAnswer::Yes};
    d.click(QStringLiteral("Command8(0)"));
    QVERIFY(tally->isVisible());
    QVERIFY(!d.find<QWidget>(QStringLiteral("TallyLane(0)"))->isVisible());
    QCOMPARE(text(d, QStringLiteral("TallyCounts(1)")), QStringLiteral("といた　問題　0もん　　○ 0　△ 0　× 0"));
}

void TestTallyPanel::noLaneNoTally()
{
    FormDriver d;
    d.start(3);
    d.platform.answers = {MsgAnswer::Yes};
    d.click(QStringLiteral("Command8(0)"));
    QVERIFY(d.form->Picture7->isVisible());
    const auto *tally = d.find<TallyPanel>(QStringLiteral("Tally"));
    QVERIFY(!tally || !tally->isVisible());
}

void TestTallyPanel::longListsEndWithACount()
{
    const QFont f = QApplication::font();
    const std::vector<ExpectedAnswer> missed(60, ExpectedAnswer{1000000, AreaUnit::SquareMetre});
    const QString lines = missedLines(missed, f, 300, 3);
    const QStringList split = lines.split(QLatin1Char('\n'));
    QCOMPARE(split.size(), 3);
    const QFontMetrics fm(f);
    for (const QString &line : split)
        QVERIFY2(fm.horizontalAdvance(line) <= 300, qPrintable(line));
    // Every answer is either shown or counted.
    const int shown = lines.count(QStringLiteral("1000000㎡"));
    QVERIFY(shown > 0);
    QVERIFY(split.last().endsWith(QStringLiteral("ほか%1もん").arg(60 - shown)));
}

void TestTallyPanel::cardsShowEveryEdge_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<QSize>("window");
    // An 800 x 600 screen draws the 800-pixel layout a little smaller.
    QTest::newRow("800 layout on an 800-pixel screen") << 800 << QSize(788, 534);
    QTest::newRow("800 layout at design size") << 800 << QSize(800, 542);
    QTest::newRow("wide layout at design size") << 1280 << QSize(1018, 743);
    QTest::newRow("wide layout drawn smaller") << 1280 << QSize(1012, 722);
}

// Down a column of the window through the tally, left of every card's text:
// each card's white inside must be parted from the tally's light yellow by
// its edge, above (dark) and below (grey, then a white outer line).
void TestTallyPanel::cardsShowEveryEdge()
{
    QFETCH(int, screenWidth);
    QFETCH(QSize, window);
    FormDriver d(screenWidth);
    MainWindow main(*d.form);
    main.resize(window);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    d.start(1);
    d.startRow(1);
    d.startRow(2);
    d.platform.answers = {MsgAnswer::Yes};
    d.click(QStringLiteral("Command8(0)"));
    const auto *tally = d.find<TallyPanel>(QStringLiteral("Tally"));
    QVERIFY(tally && tally->isVisible());

    const auto *view = main.findChild<QGraphicsView *>();
    const auto drawn = [&](QPoint inForm) {
        if (!view || !view->isVisible())
            return d.form->mapTo(&main, inForm);
        return view->viewport()->mapTo(&main, view->mapFromScene(QPointF(inForm) + QPointF(0.5, 0.5)));
    };
    const QRect t = tally->geometry();
    const QPoint top = drawn(QPoint(t.left() + 17, t.top())), bottom = drawn(QPoint(t.left() + 17, t.bottom()));
    const QImage shot = main.grab().toImage();
    QString column; // w white, y light yellow, e anything else
    for (int y = top.y(); y <= std::min(bottom.y(), shot.height() - 1); ++y) {
        const QRgb c = shot.pixel(top.x(), y);
        column += c == qRgb(255, 255, 255) ? QLatin1Char('w') : c == qRgb(255, 255, 192) ? QLatin1Char('y') : QLatin1Char('e');
    }
    QVERIFY2(column.count(QRegularExpression(QStringLiteral("ye+w+e+w*y"))) == 2, qPrintable(column));
}

QUILMO_TEST(TestTallyPanel)
#include "tally_test.moc"
