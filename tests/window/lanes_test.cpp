// Whole lanes through the real window: starting, typing, checking and the
// finish button.
#include "support/formdriver.h"
#include "core/lanes.h"
#include "drill/newproblem.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestLanes : public QObject {
    Q_OBJECT
private slots:
    void clicksOnThePanel();
    void secondClickIntoAStartedLaneDoesNothing();
    void keypadBuildsTheAnswer();
    void wholeGame();
    void keyboardEntryAndEnterCheck();
    void wrongMarkIsErasedCompletely();
    void emptyNumberBoxOnlyAsks();
    void checkTouchesOnlyItsLane();
    void finishAsksAndResetsEveryLane();
    void finishClearsLongLanes_data();
    void finishClearsLongLanes();
    void stoppedLaneJudgesNothing();
    void newProblemTakesFocus_data();
    void newProblemTakesFocus();
};

void TestLanes::clicksOnThePanel()
{
    FormDriver d;
    d.start(1);
    d.clickPanel(20, 100);
    d.clickPanel(400, 285);
    QCOMPARE(d.platform.beeps, 2);
    QCOMPARE(d.cell(1, Col::RowActive), 0);
    d.clickPanel(21, 100, Qt::RightButton);
    QCOMPARE(d.platform.beeps, 2);
    QCOMPARE(d.cell(1, Col::RowActive), 1);
    QCOMPARE(d.problem(1), 1);
    QVERIFY(d.form->Text1[0]->isVisible() && d.form->Text2[0]->isVisible());
    QVERIFY(d.form->Command5[0]->isVisible() && d.form->Picture6[0]->isVisible());
    QVERIFY(!d.form->Command5[1]->isVisible());
    d.clickPanel(400, 730);
    QCOMPARE(d.state().RowIndex, 3);
    QCOMPARE(d.problem(3), 1);
    QCOMPARE(d.platform.beeps, 2);
}

void TestLanes::secondClickIntoAStartedLaneDoesNothing()
{
    FormDriver d;
    d.start(2);
    d.startRow(2);
    d.form->Text1[1]->setText(QStringLiteral("4"));
    const QImage before = d.image();
    d.startRow(2);
    QCOMPARE(d.problem(2), 1);
    QCOMPARE(d.image(), before);
    QCOMPARE(d.form->Text1[1]->text(), QStringLiteral("4"));
    QCOMPARE(d.platform.beeps, 0);
}

void TestLanes::keypadBuildsTheAnswer()
{
    FormDriver d;
    d.start(5);
    for (int row = 1; row <= Lane::Count; ++row)
        d.startRow(row);
    d.press(2, QStringLiteral("1"));
    d.press(2, QStringLiteral("2"));
    d.press(3, QStringLiteral("ｋ"));
    d.press(3, QStringLiteral("㎡"));
    d.press(1, QStringLiteral("ｍ"));
    d.press(1, QStringLiteral("㎡"));
    d.press(1, QStringLiteral("0"));
    QCOMPARE(d.form->Text1[1]->text(), QStringLiteral("12"));
    QCOMPARE(d.form->Text2[2]->text(), QStringLiteral("ｋ㎡"));
    QCOMPARE(d.form->Text2[0]->text(), QStringLiteral("ｍ㎡"));
    QCOMPARE(d.form->Text1[0]->text(), QStringLiteral("0"));
    d.press(1, QStringLiteral("けす"));
    QVERIFY(d.form->Text1[0]->text().isEmpty() && d.form->Text2[0]->text().isEmpty());
    QCOMPARE(d.form->Text1[1]->text(), QStringLiteral("12"));
    QCOMPARE(d.form->Text2[2]->text(), QStringLiteral("ｋ㎡"));
}

namespace {
// Presses the digits of n on a lane's keypad.
void pressNumber(FormDriver &d, int row, int n)
{
    for (QChar c : QString::number(n))
        d.press(row, QString(c));
}
} // namespace

void TestLanes::wholeGame()
{
    FormDriver d;
    d.start(4);
    d.startRow(1);
    int redDuringPause = 0;
    d.platform.onPauseStep = [&] { redDuringPause = countColour(d.image(), QRect(20, 180, 100, 60), rgb(255, 0, 0)); };

    // Right at the first try, counted from the figure as drawn, in ares.
    pressNumber(d, 1, d.yellowCells(1));
    d.press(1, QStringLiteral("ａ"));
    d.check(1);
    QVERIFY(redDuringPause > 30);
    QCOMPARE(d.cell(1, Col::ResultMark(1)), 1);
    QCOMPARE(d.cell(1, Col::TryCount(1)), 1);
    QCOMPARE(d.problem(1), 2);
    QCOMPARE(countColour(d.image(), QRect(20, 70, 750, 210), rgb(255, 0, 0)), 0);

    // Wrong twice, then right in square metres: a triangle.
    const int cells = d.yellowCells(1);
    for (int i = 0; i < 2; ++i) {
        pressNumber(d, 1, cells + 1);
        d.press(1, QStringLiteral("ａ"));
        d.check(1);
        QCOMPARE(d.problem(1), 2);
        QCOMPARE(d.cell(1, Col::TryCount(2)), i + 1);
        QVERIFY(d.form->Text1[0]->text().isEmpty() && d.form->Text2[0]->text().isEmpty());
    }
    pressNumber(d, 1, cells * 100);
    d.press(1, QStringLiteral("㎡"));
    d.check(1);
    QCOMPARE(d.cell(1, Col::ResultMark(2)), 2);
    QCOMPARE(d.problem(1), 3);

    // Three wrong answers: a cross, and the next problem at once.
    for (int i = 0; i < 3; ++i) {
        pressNumber(d, 1, d.yellowCells(1));
        d.press(1, QStringLiteral("ｃ"));
        d.press(1, QStringLiteral("㎡"));
        d.check(1);
    }
    QCOMPARE(d.cell(1, Col::ResultMark(3)), 3);
    QCOMPARE(d.cell(1, Col::TryCount(3)), 3);
    QCOMPARE(d.problem(1), 4);
    QCOMPARE(d.cell(1, Col::TryCount(4)), 0);
    QCOMPARE(MarkText(d.state().RowTable, 1, 4), QStringLiteral("○△×"));
    QCOMPARE(d.platform.markSounds.size(), 7); // one per judged answer
    QCOMPARE(d.platform.beeps, 0);
}

void TestLanes::keyboardEntryAndEnterCheck()
{
    FormDriver d;
    d.start(2);
    d.startRow(3);
    QLineEdit *number = d.form->Text1[2];
    // Full-width digits, as a Japanese keyboard types them.
    QString typed;
    for (QChar c : QString::number(d.yellowCells(3)))
        typed += QChar(c.unicode() - u'0' + u'０');
    // As the input method commits it.
    auto commit = [&](const QString &text) {
        QInputMethodEvent e;
        e.setCommitString(text);
        QCoreApplication::sendEvent(number, &e);
    };
    commit(typed);
    QCOMPARE(number->text(), typed);
    QTest::keyClick(number, Qt::Key_Return);
    QCOMPARE(d.cell(3, Col::TryCount(1)), 1); // no unit yet: wrong
    QCOMPARE(d.cell(3, Col::ResultMark(1)), 0);
    commit(typed);
    d.press(3, QStringLiteral("ｃ"));
    d.press(3, QStringLiteral("㎡"));
    QTest::keyClick(d.form->Text2[2], Qt::Key_Enter);
    QCOMPARE(d.cell(3, Col::ResultMark(1)), 2);
    QCOMPARE(d.problem(3), 2);
}

void TestLanes::wrongMarkIsErasedCompletely()
{
    FormDriver d;
    d.start(1);
    d.startRow(2);
    const QImage before = d.image();
    int redDuringPause = 0;
    d.platform.onPauseStep = [&] { redDuringPause = countColour(d.image(), QRect(20, 290, 750, 210), rgb(255, 0, 0)); };
    d.type(2, QStringLiteral("99"), QStringLiteral("ｃ㎡"));
    d.check(2);
    QVERIFY(redDuringPause > 30);
    QCOMPARE(d.cell(2, Col::TryCount(1)), 1);
    // Not a trace of the cross, and nothing else in the band touched but
    // the hint's line, right of the figure above the question.
    QImage now = d.image().copy(), then = before.copy();
    const QRect line(Lane::hintAt(2), QPoint(Lane::HintRight, Lane::hintAt(2).y() + 21));
    for (QImage *image : {&now, &then})
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = line.left(); x <= line.right(); ++x)
                image->setPixel(x, y, qRgb(1, 2, 3));
    QCOMPARE(now, then);
    QCOMPARE(d.form->Text1[1]->palette().color(QPalette::Base), QColor(255, 200, 200));
    QCOMPARE(d.form->Text2[1]->palette().color(QPalette::Base), QColor(200, 200, 255));
}

void TestLanes::emptyNumberBoxOnlyAsks()
{
    FormDriver d;
    d.start(2);
    d.startRow(1);
    d.type(1, QString(), QStringLiteral("ｃ㎡"));
    const QImage before = d.image();
    d.check(1);
    QCOMPARE(d.platform.messages.size(), 1);
    QCOMPARE(d.platform.messages[0].text, QStringLiteral("こたえをタイプしてください。"));
    QCOMPARE(d.platform.messages[0].buttons, MsgButtons::Ok);
    QCOMPARE(d.cell(1, Col::TryCount(1)), 0);
    QCOMPARE(d.form->Text2[0]->text(), QStringLiteral("ｃ㎡"));
    QCOMPARE(d.image(), before);
    QCOMPARE(d.platform.beeps, 0);
}

void TestLanes::checkTouchesOnlyItsLane()
{
    FormDriver d;
    d.start(3);
    for (int row = 1; row <= Lane::Count; ++row)
        d.startRow(row);
    d.type(1, QStringLiteral("7"), QStringLiteral("㎡"));
    d.type(3, QStringLiteral("8"), QStringLiteral("ｃ㎡"));
    const QImage lane1 = d.image().copy(0, 0, 1005, 285), lane3 = d.image().copy(0, 505, 1005, 232);
    pressNumber(d, 2, d.yellowCells(2));
    d.press(2, QStringLiteral("㎡"));
    d.check(2);
    QCOMPARE(d.problem(2), 2);
    QCOMPARE(d.image().copy(0, 0, 1005, 285), lane1);
    QCOMPARE(d.image().copy(0, 505, 1005, 232), lane3);
    QCOMPARE(d.form->Text1[0]->text(), QStringLiteral("7"));
    QCOMPARE(d.form->Text2[2]->text(), QStringLiteral("ｃ㎡"));
    QCOMPARE(d.cell(1, Col::TryCount(1)), 0);
    QCOMPARE(d.cell(3, Col::TryCount(1)), 0);
}

void TestLanes::finishAsksAndResetsEveryLane()
{
    FormDriver d;
    d.start(2);
    d.startRow(1);
    d.startRow(3);
    d.platform.answers = {MsgAnswer::No, MsgAnswer::Yes};
    d.click(QStringLiteral("Command8(0)"));
    QCOMPARE(d.platform.messages.last().text, QStringLiteral("みなさん　おわりましたか？"));
    QVERIFY(d.form->Picture1[0]->isVisible());
    QCOMPARE(d.problem(1), 1);

    d.click(QStringLiteral("Command8(0)"));
    QVERIFY(!d.form->Picture1[0]->isVisible());
    QVERIFY(d.form->Picture7->isVisible());
    for (int r = 0; r < Lane::Count; ++r) {
        QVERIFY(!d.form->Text1[r]->isVisibleTo(d.form.get()) && !d.form->Text2[r]->isVisibleTo(d.form.get()));
        QVERIFY(!d.form->Command5[r]->isVisibleTo(d.form.get()) && !d.form->Picture6[r]->isVisibleTo(d.form.get()));
        for (int c = 0; c <= 1000; ++c)
            QCOMPARE(d.cell(r + 1, c), 0);
    }
    // Deciding again starts the same level without a new choice.
    d.decide();
    QCOMPARE(d.state().Level, 2);
    d.startRow(1);
    QCOMPARE(d.problem(1), 1);
    QCOMPARE(MarkText(d.state().RowTable, 1, 1), QString());
}

void TestLanes::finishClearsLongLanes_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("problems");
    QTest::newRow("L04, lane 1 at problem 40") << 4 << 1 << 40;
    QTest::newRow("L12, lane 3 at problem 40") << 12 << 3 << 40;
    QTest::newRow("L08, lane 2 at problem 99") << 8 << 2 << 99;
}

// Right answers up to the last problem, then one wrong try at it, so that
// its try count sits in the last column the lane has used.
void TestLanes::finishClearsLongLanes()
{
    QFETCH(int, level);
    QFETCH(int, row);
    QFETCH(int, problems);
    FormDriver d;
    d.start(level);
    d.startRow(row);
    while (d.problem(row) < problems) {
        const Answer a = rightAnswer(level, d.block(row, d.problem(row)));
        d.type(row, a.number, a.unit);
        d.check(row);
    }
    d.type(row, QStringLiteral("0"), QString());
    d.check(row);
    QCOMPARE(d.cell(row, Col::ResultMark(problems - 1)), int32_t(Mark::Right));
    QCOMPARE(d.cell(row, Col::TryCount(problems)), 1);

    d.platform.answers = {MsgAnswer::Yes};
    d.click(QStringLiteral("Command8(0)"));
    for (int r = 1; r <= Lane::Count; ++r)
        for (int c = 0; c < RowTable::Columns; ++c)
            QVERIFY2(d.cell(r, c) == 0, qPrintable(QStringLiteral("lane %1, column %2").arg(r).arg(c)));
}

void TestLanes::stoppedLaneJudgesNothing()
{
    FormDriver d;
    d.start(1);
    d.startRow(1);
    d.state().RowTable.set(1, Col::ProblemCount, 99);
    for (int i = 0; i < 3; ++i) {
        d.type(1, QStringLiteral("50"), QStringLiteral("ｃ㎡"));
        d.check(1);
    }
    QCOMPARE(d.cell(1, Col::ResultMark(99)), 3);
    QVERIFY(!d.form->Command5[0]->isVisible());
    // Even a call that slips past the hidden button records nothing more.
    const qsizetype sounds = d.platform.markSounds.size();
    d.type(1, QStringLiteral("50"), QStringLiteral("ｃ㎡"));
    d.form->Command5_Click(0);
    QCOMPARE(d.cell(1, Col::TryCount(99)), 3);
    QCOMPARE(d.cell(1, Col::ResultMark(99)), 3);
    QCOMPARE(d.platform.markSounds.size(), sounds);
    QCOMPARE(d.state().RowTable.rejectedWrites(), 0);
}

void TestLanes::newProblemTakesFocus_data()
{
    QTest::addColumn<int>("row");          // the lane that gets a new problem
    QTest::addColumn<QString>("how");      // Enter, the check button, three misses, or the lane's start
    QTest::addColumn<QString>("typingIn"); // the box with the focus beforehand, if any
    QTest::addColumn<QString>("focusAfter");
    QTest::newRow("Enter in lane 1's unit box") << 1 << "enter" << "Text2(0)" << "Text1(0)";
    QTest::newRow("Enter in lane 3's number box") << 3 << "enter" << "Text1(2)" << "Text1(2)";
    QTest::newRow("check in lane 2, its unit box typed last") << 2 << "check" << "Text2(1)" << "Text1(1)";
    QTest::newRow("check in lane 1, nobody typing") << 1 << "check" << "" << "Text1(0)";
    QTest::newRow("check in lane 1 while lane 2 types a number") << 1 << "check" << "Text1(1)" << "Text1(1)";
    QTest::newRow("check in lane 1 while lane 2 types a unit") << 1 << "check" << "Text2(1)" << "Text2(1)";
    QTest::newRow("third miss with Enter in lane 2's unit box") << 2 << "misses" << "Text2(1)" << "Text1(1)";
    QTest::newRow("lane 3 starts, nobody typing") << 3 << "start" << "" << "Text1(2)";
    QTest::newRow("lane 1 starts while lane 3 types") << 1 << "start" << "Text1(2)" << "Text1(2)";
}

void TestLanes::newProblemTakesFocus()
{
    QFETCH(int, row);
    QFETCH(QString, how);
    QFETCH(QString, typingIn);
    QFETCH(QString, focusAfter);
    const int level = 8;
    FormDriver d;
    d.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d.form.get()));
    d.start(level);
    for (int r = 1; r <= Lane::Count; ++r)
        if (r != row || how != QLatin1String("start"))
            d.startRow(r);
    if (QWidget *started = QApplication::focusWidget())
        started->clearFocus();
    if (!typingIn.isEmpty()) {
        auto *box = d.find<QLineEdit>(typingIn);
        QVERIFY(box);
        box->setFocus();
        QVERIFY(box->hasFocus());
    }
    const int before = d.problem(row);
    auto answer = [&](bool right) {
        Answer a = rightAnswer(level, d.block(row, d.problem(row)));
        if (!right)
            a.number += QStringLiteral("1");
        d.type(row, a.number, a.unit);
    };
    if (how == QLatin1String("start")) {
        d.startRow(row);
    } else if (how == QLatin1String("check")) {
        answer(true);
        d.check(row);
    } else {
        const int tries = how == QLatin1String("misses") ? 3 : 1;
        for (int t = 0; t < tries; ++t) {
            answer(tries == 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    }
    QCOMPARE(d.problem(row), before + 1);
    const QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus ? focus->objectName() : QString(), focusAfter);
}

QUILMO_TEST(TestLanes)
#include "lanes_test.moc"
