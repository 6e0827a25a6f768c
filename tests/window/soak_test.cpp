// A long stream of random pupil actions on the real window, from a fixed
// seed, with the drill's invariants checked after every action.
//   QUILMO_SOAK_ACTIONS=200000 tst_soak
#include "support/formdriver.h"
#include "core/lanes.h"
#include "drill/levels.h"
#include "support/testregistry.h"
#include "drill/transformed.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <random>

namespace {

// Whether a stored block keeps the ranges and the area rule of the level
// that wrote it; for level 12 only its unit code and a bound on the area.
bool plausibleForLevel(int level, const std::array<int32_t, 4> &b)
{
    auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    if (level == 1)
        return in(b[0], 1, 4) && in(b[1], 1, 4) && b[2] == 0 && b[3] == 0;
    if (level <= 6)
        return in(b[0], 1, 4) && in(b[1], 1, 4) && in(b[2], 0, 4) && in(b[3], 0, 4) && (b[2] != 0 || b[3] == 0);
    if (level == 7)
        return Transformed::valid(b[0], b[1]) && b[2] == 0 && b[3] == (Transformed{b[0], b[1]}).area();
    if (level == 8)
        return in(b[0], 1, 8) && in(b[1], 1, 8) && in(b[2], 0, 2) && b[3] == b[0] * b[1];
    if (level == 9)
        return in(b[0], 1, 8) && in(b[1], 1, 8) && b[0] != b[1] && in(b[2], 0, 1) && b[3] == b[0] * b[1];
    if (level == 10)
        return in(b[0], 8, 16) && in(b[1], 2, 5) && b[2] == 0 && b[3] == b[0] * b[1];
    if (level == 11) // W x H + W2 x H2 with W2 4..8 and H2 4..H-1
        return in(b[0], 5, 9) && in(b[1], 5, 9) && b[2] == 1 && in(b[3] - b[0] * b[1], 16, 8 * (b[1] - 1));
    // Level 12: any of the four kinds.
    return in(b[2], 0, 4) && b[3] > 0 && b[3] <= 16 * 9 + 64;
}

const QStringList Texts = {
    QString(),
    QStringLiteral(" "),
    QStringLiteral("1e999"),
    QStringLiteral("-1e999"),
    QStringLiteral("99999999999999999999999999"),
    QStringLiteral("１２"),
    QStringLiteral("２．５"),
    QStringLiteral("12ｃ"),
    QStringLiteral("0.000000000000000000001"),
    QStringLiteral("😀😀"),
    QStringLiteral("\x01\x02\x7f\t\n"),
    QStringLiteral("ｃ㎡"),
    QStringLiteral("㎡"),
    QStringLiteral("ｈａ"),
    QStringLiteral("NaN"),
    QStringLiteral("0x10"),
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void randomPupils();
};

void TestSoak::randomPupils()
{
    const int actions = qEnvironmentVariableIntValue("QUILMO_SOAK_ACTIONS") > 0
                            ? qEnvironmentVariableIntValue("QUILMO_SOAK_ACTIONS")
                            : 20000;
    std::mt19937 rng(20261208);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    FormDriver d(1280);
    d.platform.stepMs = 700; // a pause is two or three steps
    d.platform.answerYesNo = [&] { return pick(2) ? MsgAnswer::Yes : MsgAnswer::No; };
    Form1 &f = *d.form;
    const QString bigText(10000, QLatin1Char('7'));

    // Which level wrote each block, as seen from outside.
    int writtenBy[4][RowTable::MaxProblems + 1] = {};
    long checks = 0;
    int endings = 0, deepest = 0;

    for (int a = 0; a < actions; ++a) {
        static const int Kind[20] = {0, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 5, 5, 5, 5, 5, 5, 5};
        switch (Kind[pick(20)]) {
        case 0: // a level and the decide button, or the exit button; now and then the finish button
            if (f.Picture7->isVisible()) {
                if (pick(4))
                    QTest::mouseClick(f.Option2[pick(12)], Qt::LeftButton);
                QTest::mouseClick(pick(8) ? f.Command10 : f.Command2, Qt::LeftButton);
            } else if (pick(40) == 0) {
                QTest::mouseClick(f.Command8[0], Qt::LeftButton);
            }
            break;
        case 1: // anywhere on the drawing panel, with any button
            if (f.Picture1[0]->isVisible())
                QTest::mouseClick(f.Picture1[0]->surface(), pick(3) ? Qt::LeftButton : Qt::RightButton, {},
                                  QPoint(pick(1005), pick(737)));
            break;
        case 2: { // some text in a box
            const int r = pick(3);
            QLineEdit *box = pick(2) ? f.Text1[r] : f.Text2[r];
            if (box->isVisibleTo(&f))
                box->setText(pick(20) == 0 ? bigText : Texts[pick(Texts.size())]);
            break;
        }
        case 3: { // the right answer, so lanes get far
            const int r = pick(3) + 1, k = d.problem(r);
            if (k < 1 || !f.Command5[r - 1]->isVisibleTo(&f))
                break;
            const Answer answer = rightAnswer(d.state().Level, d.block(r, k));
            f.Text1[r - 1]->setText(answer.number);
            f.Text2[r - 1]->setText(answer.unit);
            QTest::mouseClick(f.Command5[r - 1], Qt::LeftButton);
            break;
        }
        case 4: { // Enter in a box
            QLineEdit *box = pick(2) ? f.Text1[pick(3)] : f.Text2[pick(3)];
            if (box->isVisibleTo(&f))
                QTest::keyClick(box, Qt::Key_Return);
            break;
        }
        default: { // any visible button of the lanes
            const auto buttons = f.Picture1[0]->findChildren<QPushButton *>();
            QPushButton *b = buttons[pick(buttons.size())];
            if (b->isVisibleTo(&f))
                QTest::mouseClick(b, Qt::LeftButton);
            break;
        }
        }
        for (int r = 1; r <= Lane::Count; ++r)
            deepest = std::max(deepest, d.problem(r));
        endings += d.platform.ended;
        d.platform.ended = false;

        // Invariants.
        const Module1 &m = d.state();
        const bool menu = f.Picture7->isVisible(), panel = f.Picture1[0]->isVisible();
        QVERIFY2(menu != panel, qPrintable(QStringLiteral("action %1: panels").arg(a)));
        QVERIFY(m.Level >= 0 && m.Level <= LevelCount);
        QVERIFY(m.RowIndex >= 1 && m.RowIndex <= 3);
        QCOMPARE(m.RowTable.rejectedWrites(), 0);
        for (int r = 1; r <= Lane::Count; ++r) {
            const int n = d.problem(r);
            QVERIFY2(n >= 0 && n <= RowTable::MaxProblems, qPrintable(QString::number(n)));
            const bool started = d.cell(r, Col::RowActive) != 0;
            const bool stopped = n == RowTable::MaxProblems && d.cell(r, Col::ResultMark(n)) != 0;
            const bool shown = f.Text1[r - 1]->isVisibleTo(&f);
            QCOMPARE(f.Text2[r - 1]->isVisibleTo(&f), shown);
            QCOMPARE(f.Command5[r - 1]->isVisibleTo(&f), shown);
            QCOMPARE(f.Picture6[r - 1]->isVisibleTo(&f), shown);
            QVERIFY2(shown == (started && !stopped && n > 0),
                     qPrintable(QStringLiteral("action %1 lane %2: controls").arg(a).arg(r)));
            for (int k = 1; k <= n; ++k) {
                if (writtenBy[r][k] == 0)
                    writtenBy[r][k] = m.Level;
                const int tries = d.cell(r, Col::TryCount(k)), mark = d.cell(r, Col::ResultMark(k));
                QVERIFY(tries >= 0 && tries <= 3);
                QVERIFY(mark >= 0 && mark <= 3);
                // ○ at the first try, △ at the second or third, × after three.
                QVERIFY(mark == 0 || (mark == 1 && tries == 1) || (mark == 2 && tries >= 2) || (mark == 3 && tries == 3));
                QVERIFY2(plausibleForLevel(writtenBy[r][k], d.block(r, k)),
                         qPrintable(QStringLiteral("action %1 lane %2 problem %3 level %4")
                                        .arg(a).arg(r).arg(k).arg(writtenBy[r][k])));
                ++checks;
            }
            for (int k = n + 1; k <= RowTable::MaxProblems && writtenBy[r][k]; ++k)
                writtenBy[r][k] = 0; // the lane was cleared
        }
        checks += 8;
    }
    qInfo("soak: %d actions, %ld invariant checks, %d exits confirmed, deepest lane at problem %d", actions, checks,
          endings, deepest);
}

QUILMO_TEST(TestSoak)
#include "soak_test.moc"
