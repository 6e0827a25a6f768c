#include "window/form1.h"

#include "core/lanes.h"
#include "core/version.h"
#include "window/controls.h"
#include "platform/spokenname.h"
#include "window/programicon.h"
#include "window/timing.h"
#include "drawing/face.h"
#include "drawing/fonts.h"
#include "drill/keymap.h"
#include "drill/levels.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTimer>

namespace {

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, QRect place,
                    QColor face, const QFont &font)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setFont(font);
    b->setFocusPolicy(Qt::TabFocus);
    setButtonFace(b, face);
    return b;
}

// A level choice answers to a click anywhere on its row, not only on its
// text: the rows are wide and the pupils' aim is not.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

} // namespace

void prepareApplication()
{
    installQtJapanese();
    Fonts::installSubstitutions();
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
}

Form1::Form1(Platform &platform, QWidget *parent, Build build)
    : QWidget(parent)
    , platform_(platform)
{
    Fonts::installSubstitutions();
    Fonts::setReadable(m_.Aids.ReadableFace); // off: a window starts in the layout's faces
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quilmo Ver") + QLatin1String(Version::Text));
    setFont(Fonts::make(Fonts::PMincho, 26.25, true));
    setFace(this, QPalette::Window, Rgb::lightGreen());
    setAutoFillBackground(true);
    setFixedSize(WideClient);

    buildLevelPanel();
    if (build == Build::Now) {
        buildDrawingPanel();
        setProgramIcon();
    }
    Form_Load();
    openLinkedLevel();
    if (build == Build::AfterFirstFrame)
        installEventFilter(this); // the window's first paint, whichever panel it shows
}

void Form1::ensureDrawingPanel()
{
    if (Picture1[0])
        return;
    buildDrawingPanel();
    layOutDrawingPanel();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == this) {
        removeEventFilter(this);
        // Queued behind the rest of the frame, which is painted and shown first.
        QTimer::singleShot(0, this, [this] {
            Timing::firstFramePainted();
            const Timing::Stopwatch watch;
            ensureDrawingPanel();
            watch.report(Timing::drawingPanelBuilt);
            setProgramIcon();
        });
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::buildLevelPanel()
{
    Picture7 = new BorderBox(QStringLiteral("Picture7"), this);
    Picture7->setBackground(Rgb::lavender());
    Picture7->setGeometry(-224, 112, 1013, 741);
    Picture7->hide();
    QWidget *c = Picture7->client();

    Label2 = new QLabel(QStringLiteral("【Quilmo:４年生】　どれを練習しますか。えらんでください。"), c);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(12, 16, 735, 27);
    Label2->setFont(Fonts::make(Fonts::PMincho, 20.25, true));
    setFace(Label2, QPalette::WindowText, Qt::black);

    Command10 = button(c, QStringLiteral("Command10"), QStringLiteral("けってい"), QRect(820, 8, 89, 41), Rgb::decidePink(),
                       Fonts::make(Fonts::PMincho, 14.25, true));
    Command2 = button(c, QStringLiteral("Command2"), QStringLiteral("おわり"), QRect(912, 8, 89, 41), Rgb::teal(),
                      Fonts::make(Fonts::PMincho, 15.75, true));
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    // A worksheet of the chosen level; its number only where one is typed.
    Command12 = button(c, QStringLiteral("Command12"), QStringLiteral("プリント"), QRect(734, 8, 83, 41),
                       Rgb::lightGreen(), Fonts::make(Fonts::PMincho, 14.25, true));
    connect(Command12, &QPushButton::clicked, this, [this] { Command12_Click(); });
    Text3 = new QLineEdit(c);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setGeometry(676, 12, 55, 33);
    Text3->setFont(Fonts::make(Fonts::Gothic, 12, false));
    Text3->setMaxLength(4);
    Text3->setAlignment(Qt::AlignCenter);
    Text3->setPlaceholderText(QStringLiteral("番号"));
    connect(Text3, &QLineEdit::returnPressed, this, [this] { Command12_Click(); });

    levelGroup_ = new QButtonGroup(this);
    levelGroup_->setExclusive(true);
    connect(levelGroup_, &QButtonGroup::idClicked, this, [this](int i) { Option2_Click(i); });
    QStringList captions;
    for (int level = 1; level <= LevelCount; ++level)
        captions << QString::fromUtf8(levelFacts(level).caption);
    setLevelChoices(captions);
    buildSwitches();
}

void Form1::setLevelChoices(const QStringList &captions)
{
    qDeleteAll(Option2);
    Option2.clear();
    for (int i = 0; i < captions.size(); ++i) {
        QRadioButton *o = new OptionButton(captions[i], Picture7->client());
        o->setObjectName(indexed("Option2", i));
        o->setFont(Fonts::make(Fonts::Gothic, 16, true));
        setFace(o, QPalette::Window, Rgb::lavender());
        o->setBackgroundRole(QPalette::Window); // buttons fill with their face colour otherwise
        o->setAutoFillBackground(true);
        o->lower(); // the narrow layout puts the worksheet's two over the rows' right ends
        levelGroup_->addButton(o, i);
        Option2.push_back(o);
    }
    // Given their face and place before they show: a row shown unplaced
    // is first measured in the window's own larger face, for nothing.
    layOutLevelChoices();
    for (QRadioButton *o : Option2)
        o->show();
}

void Form1::buildDrawingPanel()
{
    auto *p = new DrawingPanel(QStringLiteral("Picture1(0)"), this);
    Picture1[0] = p;
    p->setGeometry(-224, 124, 1009, 741);
    p->hide();
    QWidget *c = p->client();
    connect(p->surface(), &PanelSurface::mousePressed, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers s, int x, int y) { Picture1_MouseDown(0, b, s, x, y); });

    Label1[0] = new QuietLabel(QStringLiteral("つぎのけいさんをしましょう。"), c);
    Label1[0]->setObjectName(QStringLiteral("Label1(0)"));
    Label1[0]->setGeometry(16, 8, 390, 37);
    Label1[0]->setFont(Fonts::make(Fonts::PMincho, 24, true));
    setFace(Label1[0], QPalette::Window, Rgb::lightCyan());
    setFace(Label1[0], QPalette::WindowText, Qt::black);
    Label1[0]->setAutoFillBackground(true);

    Command8[0] = button(c, QStringLiteral("Command8(0)"), QStringLiteral("終わる"), QRect(584, 12, 137, 37),
                         Rgb::lightGreen(), Fonts::make(Fonts::PMincho, 21.75, true));
    connect(Command8[0], &QPushButton::clicked, this, [this] { Command8_Click(0); });

    auto picture = [c](const char *name, const char *file, QPoint at) {
        return new Picture(c, QString::fromLatin1(name), QStringLiteral(":/assets/%1.gif").arg(QLatin1String(file)),
                           QStringLiteral(":/assets/large/%1.png").arg(QLatin1String(file)), at);
    };
    Picture3[0] = picture("Picture3(0)", "boy", {768, 44});
    Picture2[0] = picture("Picture2(0)", "girl", {800, 296});
    Picture4[0] = picture("Picture4(0)", "children", {772, 504});

    auto *digits = new QButtonGroup(this);
    auto *units = new QButtonGroup(this);
    auto *erase = new QButtonGroup(this);
    auto *check = new QButtonGroup(this);
    auto *speakers = new QButtonGroup(this);
    for (int r = 0; r < Lane::Count; ++r)
        buildLane(r);
    for (int i = 0; i < int(Command6.size()); ++i)
        digits->addButton(Command6[i], i);
    for (int i = 0; i < int(Command1.size()); ++i)
        units->addButton(Command1[i], i);
    for (int r = 0; r < Lane::Count; ++r) {
        erase->addButton(Command7[r], r);
        check->addButton(Command5[r], r);
        speakers->addButton(Command11[r], r);
    }
    connect(digits, &QButtonGroup::idClicked, this, [this](int i) { Command6_Click(i); });
    connect(units, &QButtonGroup::idClicked, this, [this](int i) { Command1_Click(i); });
    connect(erase, &QButtonGroup::idClicked, this, [this](int i) { Command7_Click(i); });
    connect(check, &QButtonGroup::idClicked, this, [this](int i) { Command5_Click(i); });
    connect(speakers, &QButtonGroup::idClicked, this, [this](int i) { Command11_Click(i); });
}

void Form1::buildLane(int r)
{
    QWidget *c = Picture1[0]->client();

    auto *strip = new BorderBox(indexed("Picture6", r), c);
    strip->setGeometry(Lane::keypadStrip(r + 1));
    strip->setBackground(QApplication::palette().color(QPalette::Button));
    strip->hide();
    Picture6[r] = strip;

    Command5[r] = button(c, indexed("Command5", r), QStringLiteral("ﾁｪｯｸ"), Lane::checkButton(r + 1), Rgb::lightGreen(),
                         Fonts::make(Fonts::PMincho, 18, true));
    Command5[r]->hide();

    Command11[r] = new SpeakerButton(c);
    Command11[r]->setObjectName(indexed("Command11", r));
    Command11[r]->setGeometry(Lane::speakerButton(r + 1));
    Command11[r]->setFocusPolicy(Qt::TabFocus);
    setSpokenName(Command11[r], QStringLiteral("よみあげ"));
    setButtonFace(Command11[r], Rgb::lightGreen());
    Command11[r]->hide();

    auto box = [&](const char *name, QSize size) {
        auto *t = new AnswerBox(c);
        t->setObjectName(indexed(name, r));
        t->resize(size);
        setFace(t, QPalette::Base, Qt::white);
        setFace(t, QPalette::Text, Qt::black);
        t->hide();
        return t;
    };
    Text1[r] = box("Text1", Lane::NumberBoxSize);
    Text2[r] = box("Text2", Lane::UnitBoxSize);
    // Enter in either box checks the answer, for pupils who use the keyboard.
    for (QLineEdit *t : {Text1[r], Text2[r]})
        connect(t, &QLineEdit::returnPressed, this, [this, r] { Command5_Click(r); });

    const QColor face = Rgb::lightGreen();
    const QFont windowFont = font();
    QWidget *k = strip->client();
    for (int d = 0; d < Lane::DigitKeys; ++d) {
        const int index = digitIndex(r + 1, d);
        Command6[index] = button(k, indexed("Command6", index), QString::number(d), Lane::digitKey(d), face, windowFont);
    }
    for (int u = 0; u < Lane::UnitKeys; ++u) {
        const int index = unitIndex(r + 1, u);
        const QFont f = u == Lane::UnitKeys - 1 ? Fonts::make(Fonts::PMincho, 24, true) : windowFont;
        Command1[index] = button(k, indexed("Command1", index), QString(unitLetter(u)), Lane::unitKey(u), face, f);
    }
    Command7[r] = button(k, indexed("Command7", r), QStringLiteral("けす"), Lane::eraseKey(), face,
                         Fonts::make(Fonts::PMincho, 14.25, true));
}

void Form1::placeBoxes(int row, QPoint numberBox, QPoint unitBox)
{
    Text1[row - 1]->move(numberBox);
    Text2[row - 1]->move(unitBox);
    Command11[row - 1]->setGeometry(Lane::speakerButton(row, panel().furigana()));
}

void Form1::resetBoxes(int row)
{
    setFace(Text1[row - 1], QPalette::Base, Rgb::numberBox());
    setFace(Text2[row - 1], QPalette::Base, Rgb::unitBox());
    for (QLineEdit *box : {Text1[row - 1], Text2[row - 1]}) {
        setFace(box, QPalette::Text, Qt::black);
        box->setReadOnly(false);
    }
    Text1[row - 1]->clear();
    Text2[row - 1]->clear();
}

void Form1::stopRow(int row)
{
    Text1[row - 1]->hide();
    Text2[row - 1]->hide();
    Command5[row - 1]->hide();
    Command11[row - 1]->hide();
    Picture6[row - 1]->hide();
}
