// The lanes' speakers and the よみあげ switch, driven as a pupil would; what
// is spoken is written out by hand.
#include "support/formdriver.h"
#include "core/lanes.h"
#include "support/testregistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestReadAloud : public QObject {
    Q_OBJECT
private slots:
    void speakerCoversNothingAtAnyLevel();
    void tapReadsTheNewestText();
    void switchReadsNewProblemsAndHints();
    void withoutAVoiceTheLaneSaysSo();
};

namespace {
// Level 4 shows squares of 10 m and asks in ａ.
const QString Level4 = QStringLiteral(
    "ひとますの　いっぺんは　じゅうメートルです。いろを　ぬった　ぶぶんの　めんせきは、なんアールですか。");
const QString Wrong = QStringLiteral("ばつ。ちがいます。");
const QString CountAgain = QStringLiteral("もういちど　かぞえよう");
// Level 4's areas: at most four columns of four squares.
const char *const Counts[] = {"", "いち", "に", "さん", "よん", "ご", "ろく", "なな", "はち",
                              "きゅう", "じゅう", "じゅういち", "じゅうに", "じゅうさん", "じゅうよん", "じゅうご", "じゅうろく"};

QPushButton *speaker(const FormDriver &d, int lane)
{
    return d.find<QPushButton>(QStringLiteral("Command11(%1)").arg(lane - 1));
}
} // namespace

// At every level, with and without furigana, with the longest score lines
// and a hint shown, nothing is drawn under a lane's speaker and it overlaps
// none of the lanes' controls.
void TestReadAloud::speakerCoversNothingAtAnyLevel()
{
    for (int level = 1; level <= 24; ++level) {
        // Levels 13 to 24: the same with furigana.
        FormDriver d;
        if (level > 12)
            d.click(QStringLiteral("Check1(1)"));
        d.start(level > 12 ? level - 12 : level);
        for (int lane = 1; lane <= Lane::Count; ++lane) {
            d.startRow(lane);
            QPushButton *s = speaker(d, lane);
            QVERIFY(s && s->isVisible());
            const QRect place = s->geometry();
            QVERIFY(place.width() >= 34 && place.height() >= 34);
            QVERIFY(LaneBand::rect(lane).contains(place));
            for (int other = 0; other < Lane::Count; ++other)
                for (QWidget *w : {static_cast<QWidget *>(d.form->Text1[other]), static_cast<QWidget *>(d.form->Text2[other]),
                                   static_cast<QWidget *>(d.form->Picture6[other]), static_cast<QWidget *>(d.form->Command5[other])})
                    QVERIFY2(!w->geometry().intersects(place), qPrintable(w->objectName()));
            const auto clear = [&](const char *when) {
                QVERIFY2(countColour(d.image(), place, rgb(255, 255, 255)) == place.width() * place.height(),
                         qPrintable(QStringLiteral("level %1 lane %2 %3").arg(level).arg(lane).arg(when)));
            };
            for (int k = 2; k <= 30; ++k) {
                // Nine marks make the longest score line.
                d.state().RowTable.set(lane, Col::ResultMark(k - 1), 3);
                d.newProblem(lane);
                clear("problem");
            }
            d.type(lane, QStringLiteral("1234567"), QString());
            d.check(lane);
            clear("hint");
        }
    }
}

void TestReadAloud::tapReadsTheNewestText()
{
    FormDriver d;
    d.start(4);
    d.startRow(2);
    QVERIFY(d.platform.voiceReadied > 0);
    QVERIFY(d.platform.spoken.isEmpty()); // the switch is off
    d.click(QStringLiteral("Command11(1)"));
    QCOMPARE(d.platform.spoken, QStringList{Level4});

    // No level 4 figure has 99 squares.
    d.type(2, QStringLiteral("99"), QStringLiteral("ａ"));
    d.check(2);
    d.click(QStringLiteral("Command11(1)"));
    QCOMPARE(d.platform.spoken.last(), Wrong + CountAgain);
    d.type(2, QStringLiteral("99"), QStringLiteral("ａ"));
    d.check(2);

    // The answer shown after the last miss, tapped while it shows.
    const int area = d.yellowCells(2);
    QVERIFY(area >= 1 && area <= 16);
    bool tapped = false;
    d.platform.onPauseStep = [&] {
        if (!tapped && d.form->Text1[1]->text() == QString::number(area)) {
            tapped = true;
            d.click(QStringLiteral("Command11(1)"));
        }
    };
    d.type(2, QStringLiteral("99"), QStringLiteral("ａ"));
    d.check(2);
    QVERIFY(tapped);
    QCOMPARE(d.platform.spoken.last(),
             Wrong + QStringLiteral("こたえは　") + QString::fromUtf8(Counts[area]) + QStringLiteral("アールです。"));

    // Then the lane's next problem.
    d.click(QStringLiteral("Command11(1)"));
    QCOMPARE(d.platform.spoken.last(), Level4);
}

void TestReadAloud::switchReadsNewProblemsAndHints()
{
    FormDriver d;
    d.click(QStringLiteral("Check1(0)"));
    d.start(4);
    QVERIFY(d.platform.voiceReadied > 0);
    d.startRow(1);
    QCOMPARE(d.platform.spoken, QStringList{Level4});
    d.type(1, QStringLiteral("99"), QStringLiteral("ａ"));
    d.check(1);
    QCOMPARE(d.platform.spoken, (QStringList{Level4, Wrong + CountAgain}));
    // A right answer brings the next problem, read as it comes.
    d.type(1, QString::number(d.yellowCells(1)), QStringLiteral("ａ"));
    d.check(1);
    QCOMPARE(d.platform.spoken, (QStringList{Level4, Wrong + CountAgain, Level4}));
}

void TestReadAloud::withoutAVoiceTheLaneSaysSo()
{
    FormDriver d;
    d.platform.japaneseVoice = false;
    d.start(4);
    d.startRow(3);
    const QRect line(Lane::hintAt(3), QSize(Lane::HintRight - Lane::hintAt(3).x(), 22));
    QCOMPARE(countColour(d.image(), line, rgb(0, 0, 160)), 0);
    d.click(QStringLiteral("Command11(2)"));
    QVERIFY(d.platform.spoken.isEmpty());
    QVERIFY(countColour(d.image(), line, rgb(0, 0, 160)) > 50);
}

QUILMO_TEST(TestReadAloud)
#include "readaloud_test.moc"
