// The tally after the finish: over the level panel, one card for each
// started lane, and back to the level panel with its button.
#include "support/formdriver.h"
#include "window/tallypanel.h"
#include "support/testregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestTallyPanel : public QObject {
    Q_OBJECT
private slots:
    void playedLanesAreTallied();
    void noLaneNoTally();
    void longListsEndWithACount();
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

QUILMO_TEST(TestTallyPanel)
#include "tally_test.moc"
