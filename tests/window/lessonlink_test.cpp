// A lesson's link: the window opens at the level the address names, decided,
// and at the level panel for any level that does not exist.
#include "support/formdriver.h"
#include "drill/levels.h"
#include "support/testregistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestLessonLinkWindow : public QObject {
    Q_OBJECT
private slots:
    void opensAtTheLinkedLevel_data();
    void opensAtTheLinkedLevel();
    void sheetLinkWaitsForPrint();
};

void TestLessonLinkWindow::opensAtTheLinkedLevel_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("afterFirstFrame");
    QTest::newRow("8") << 8 << true << false;
    QTest::newRow("8, panel built after the first frame") << 8 << true << true;
    QTest::newRow("1") << 1 << true << true;
    QTest::newRow("the last") << LevelCount << true << true;
    QTest::newRow("none") << 0 << false << true;
    QTest::newRow("past the last") << LevelCount + 1 << false << true;
    QTest::newRow("-1") << -1 << false << false;
}

void TestLessonLinkWindow::opensAtTheLinkedLevel()
{
    QFETCH(int, asked);
    QFETCH(bool, opens);
    QFETCH(bool, afterFirstFrame);
    ScriptedPlatform platform;
    platform.level = asked;
    Form1 f(platform, nullptr, afterFirstFrame ? Form1::Build::AfterFirstFrame : Form1::Build::Now);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.Picture7->isVisible(), !opens);
    QCOMPARE(f.state().Level, opens ? asked : 0);
    for (int i = 0; i < LevelCount; ++i)
        QCOMPARE(f.Option2[i]->isChecked(), opens && i == asked - 1);
    if (!opens) {
        QTRY_VERIFY(f.Picture1[0]);
        QVERIFY(!f.Picture1[0]->isVisible());
        return;
    }
    // The drawing panel with its invitations, as after けってい; a lane then
    // starts at the linked level, and no question was asked.
    QVERIFY(f.Picture1[0]->isVisible());
    QCOMPARE(f.Picture1[0]->pos(), QPoint(8, 8));
    const QImage &img = f.Picture1[0]->canvas().image();
    QVERIFY(countColour(img, QRect(40, 155, 420, 34), rgb(0, 0, 0)) > 200);
    f.Picture1_MouseDown(0, Qt::LeftButton, {}, 400, 175);
    QCOMPARE(f.state().RowTable.at(1, Col::ProblemCount), 1);
    QVERIFY(platform.messages.isEmpty());
    // 終わる and はい bring the level panel back, as always.
    platform.answers.push_back(MsgAnswer::Yes);
    f.Command8_Click(0);
    QVERIFY(f.Picture7->isVisible());
}

// A worksheet's link chooses its level and types its number, and waits on
// the level panel for プリント: a browser opens a tab only from a press.
void TestLessonLinkWindow::sheetLinkWaitsForPrint()
{
    ScriptedPlatform platform;
    platform.level = 8;
    platform.sheet = QStringLiteral("4821");
    Form1 f(platform);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QVERIFY(f.Picture7->isVisible());
    QVERIFY(f.Option2[7]->isChecked());
    QCOMPARE(f.Text3->text(), QStringLiteral("4821"));
    QVERIFY(platform.printed.isEmpty());
    QTest::mouseClick(f.Command12, Qt::LeftButton);
    QCOMPARE(platform.printed.size(), 1);
    QCOMPARE(platform.printed[0].fileName, QStringLiteral("quilmo-L08-4821.pdf"));
}

QUILMO_TEST(TestLessonLinkWindow)
#include "lessonlink_test.moc"
