#pragma once

#include "core/lanes.h"
#include "drill/answerboxes.h"
#include "drill/judge.h"
#include "drill/levels.h"
#include "drill/mistake.h"
#include "window/borderbox.h"
#include "window/drawingpanel.h"
#include "core/module1.h"
#include "platform/platform.h"
#include "platform/translations.h"

#include <QWidget>

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RubyWidgets;
class TallyPanel;

// The drill's window, laid out in design pixels; MainWindow shows it at the
// screen's size. Its controls exist for the life of the program. The handlers
// live in form1_*.cpp, one file for each group of controls.
class Form1 : public QWidget, public AnswerBoxes {
    Q_OBJECT
public:
    static constexpr QSize WideClient{1018, 743};
    static constexpr QSize NarrowClient{800, 542};

    // The drawing panel can wait until the level panel has first been
    // painted, which brings the level panel up sooner at start-up.
    enum class Build { Now, AfterFirstFrame };

    explicit Form1(Platform &platform, QWidget *parent = nullptr, Build build = Build::Now);

    // Builds the drawing panel, its lanes and their controls, once.
    void ensureDrawingPanel();

    Module1 &state() { return m_; }
    Platform &platform() { return platform_; }
    Canvas &panel() { return Picture1[m_.PanelIndex]->canvas(); }

    // The controls keep their designed names; an array's index is the
    // control's index, and its objectName is e.g. "Command5(1)".
    //
    // Level panel
    BorderBox *Picture7 = nullptr;                // the panel holding the level choices
    QLabel *Label2 = nullptr;                     // its heading
    std::vector<QRadioButton *> Option2;          // one per level
    QPushButton *Command10 = nullptr;             // けってい: decide
    QPushButton *Command2 = nullptr;              // おわり: exit
    std::array<QCheckBox *, 3> Check1{};          // よみあげ, ふりがな, よみやすい　もじ
    QPushButton *Command12 = nullptr;             // プリント: a worksheet of the level
    QLineEdit *Text3 = nullptr;                   // the worksheet's number, where one is wanted

    // Drawing panel
    std::array<DrawingPanel *, 1> Picture1{};     // the panel the problems are drawn on
    std::array<QLabel *, 1> Label1{};             // its heading
    std::array<QPushButton *, 1> Command8{};      // 終わる: finish, back to the levels
    std::array<QLabel *, 1> Picture3{};           // the boy
    std::array<QLabel *, 1> Picture2{};           // the girl
    std::array<QLabel *, 1> Picture4{};           // the children

    // Answer lanes, index = lane - 1, but for the keypad's own index maps
    std::array<BorderBox *, Lane::Count> Picture6{};        // a lane's keypad strip
    std::array<QPushButton *, Lane::Count> Command5{};      // ﾁｪｯｸ: check
    std::array<QLineEdit *, Lane::Count> Text1{};           // the number box
    std::array<QLineEdit *, Lane::Count> Text2{};           // the unit box
    std::array<QPushButton *, Lane::DigitKeys * Lane::Count> Command6{};     // digits, see digitIndex()
    std::array<QPushButton *, Lane::UnitKeys * Lane::Count> Command1{};     // unit letters, see unitIndex()
    std::array<QPushButton *, Lane::Count> Command7{};      // けす: erase both boxes
    std::array<QPushButton *, Lane::Count> Command11{};     // the speaker: reads the lane aloud

    // How each lane did, shown over the level panel after the finish; made
    // at the first finish.
    TallyPanel *Tally = nullptr;

    // Handlers
    void Form_Load();
    // The level choices, one per caption: the program's levels, or a
    // test's table of another length.
    void setLevelChoices(const QStringList &captions);
    // A lesson's link that names a level opens at it, decided; any other
    // start shows the level panel.
    void openLinkedLevel();
    void Option2_Click(int index);
    void Command10_Click();
    void Command2_Click();
    void Command12_Click();
    void Picture1_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Command8_Click(int index);
    void Command6_Click(int index);
    void Command1_Click(int index);
    void Command7_Click(int index);
    void Command11_Click(int index);
    void Command5_Click(int index);

    // The switches' reading aids on the whole window, for every text from
    // now on (form1_readable.cpp).
    void showFurigana();
    void useReadableFace();

    // AnswerBoxes
    void placeBoxes(int row, QPoint numberBox, QPoint unitBox) override;
    void resetBoxes(int row) override;
    void stopRow(int row) override;

private:
    void buildLevelPanel();
    void layOutLevelChoices();
    QButtonGroup *levelGroup_ = nullptr;
    // The reading aids' switches below the level choices.
    void buildSwitches();
    void layOutSwitches();
    // The level panel's heading, smaller where a system's face is too wide
    // for its row.
    void fitHeading();
    void buildDrawingPanel();
    void buildLane(int r);
    void layOutDrawingPanel();
    bool eventFilter(QObject *watched, QEvent *event) override;
    void ResetPanel();
    void ShowMarkPause(const Canvas::Saved &under);
    // The right number and unit in red in a lane's boxes, which cannot be
    // typed into until they are reset; false when the problem has none.
    bool showRightAnswer(int row, const std::optional<ExpectedAnswer> &answer);
    void waitUntil(qint64 clockMs);
    // Gives a lane's number box the focus for its new problem.
    void focusNumberBox(int row);
    // NewProblem for the current lane, timed where timing is on.
    void makeProblem();
    // A lane's hint after a wrong try, drawn on its band; erased at its next
    // try, forgotten when the band is blanked.
    void showHint(int row, Mistake mistake);
    // One line where the hint goes, in the hint's colour, erased as a hint is.
    void showLaneLine(int row, const QString &text);
    void eraseHint(int row);
    void forgetHint(int row);

    Platform &platform_;
    Module1 m_;
    std::array<std::optional<Canvas::Saved>, Lane::Count> hintUnder_;
    RubyWidgets *ruby_ = nullptr; // made when furigana is first shown
    std::array<int, 2> grownBy_{}; // the heading's and the finish button's room for readings
    // What the lane's speaker reads: the newest text the lane shows.
    void setReading(int row, const QString &kana);
    std::array<QString, Lane::Count> reading_;
};

// Style, fonts and Qt's Japanese texts shared by the program and its tests.
void prepareApplication();
