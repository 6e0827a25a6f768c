// Furigana and the readable face, switched on as a pupil would: every kanji
// the window can show has its reading, and with the readings nothing of a
// lane overlaps anything else.
#include "support/formdriver.h"
#include "core/furigana.h"
#include "core/lanes.h"
#include "drill/levels.h"
#include "drill/mistake.h"
#include "support/testregistry.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRawFont>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestFurigana : public QObject {
    Q_OBJECT
private slots:
    void everyKanjiHasItsReading();
    void nothingOverlaps_data();
    void nothingOverlaps();
    void readableFaceEverywhere();
};

namespace {

// The pixels a text inks, drawn alone on white.
QRect inked(const Draw::Text &text)
{
    const QRect area = boundsOf(text);
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    paintShape(DevicePart{image, area.topLeft(), DeviceGrid{1.0}}, text);
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != 0xffffff)
                ink |= QRect(x, y, 1, 1);
    return ink.translated(area.topLeft());
}

// Sets a switch of the level panel as a pupil would.
void setSwitch(FormDriver &d, int index, bool on)
{
    QCheckBox *s = d.form->Check1[index];
    if (s->isChecked() != on)
        d.click(s->objectName());
}

// Wrong, whatever the problem: the hint shows and the problem stays.
void tryWrong(FormDriver &d, int lane)
{
    d.type(lane, QStringLiteral("987654"), QStringLiteral("ｍ"));
    d.check(lane);
}

} // namespace

void TestFurigana::everyKanjiHasItsReading()
{
    QStringList texts;
    for (int level = 1; level <= LevelCount; ++level)
        for (int m = 0; m <= static_cast<int>(Mistake::WholeRectangle); ++m)
            texts << HintText(static_cast<Mistake>(m), level);
    FormDriver d;
    setSwitch(d, 1, true);
    d.click(QStringLiteral("Command10")); // no level yet: the message box
    d.chooseLevel(1);
    d.form->Text3->setText(QStringLiteral("x"));
    d.click(QStringLiteral("Command12")); // a worksheet's number that is none
    texts << d.form->Text3->placeholderText();
    for (int level = 1; level <= LevelCount; ++level) {
        d.start(level);
        for (int lane = 1; lane <= Lane::Count; ++lane)
            d.startRow(lane);
        for (int k = 0; k < 40; ++k)
            for (int lane = 1; lane <= Lane::Count; ++lane) {
                tryWrong(d, lane);
                for (const DrawOp &op : d.form->panel().operations())
                    if (const auto *t = std::get_if<Draw::Text>(&op.shape))
                        texts << t->text;
                d.newProblem(lane);
            }
        d.platform.answers.push_back(MsgAnswer::Yes);
        d.click(QStringLiteral("Command8(0)")); // the tally
        d.click(QStringLiteral("TallyBack"));
    }
    d.platform.answers.push_back(MsgAnswer::No);
    d.click(QStringLiteral("Command2"));
    for (const QLabel *l : d.form->findChildren<QLabel *>())
        texts << l->text();
    for (const QAbstractButton *b : d.form->findChildren<QAbstractButton *>())
        texts << b->text();
    for (const ScriptedPlatform::Message &m : d.platform.messages)
        texts << m.text;
    texts.removeDuplicates();
    QVERIFY(texts.size() > 100);
    for (const QString &text : texts)
        QVERIFY2(Furigana::unread(text).isEmpty(), qPrintable(text));
}

void TestFurigana::nothingOverlaps_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("furigana");
    QTest::addColumn<bool>("readable");
    for (int level = 1; level <= LevelCount; ++level) {
        QTest::addRow("L%02d plain", level) << level << false << false;
        QTest::addRow("L%02d furigana", level) << level << true << false;
        QTest::addRow("L%02d furigana, readable face", level) << level << true << true;
    }
}

// The hint, the score line, each text with kanji, the figure with its labels
// and the answer boxes keep apart in every lane, problem after problem.
void TestFurigana::nothingOverlaps()
{
    QFETCH(int, level);
    QFETCH(bool, furigana);
    QFETCH(bool, readable);
    FormDriver d;
    setSwitch(d, 1, furigana);
    setSwitch(d, 2, readable);
    d.start(level);
    for (int lane = 1; lane <= Lane::Count; ++lane)
        d.startRow(lane);
    for (int k = 2; k <= 12; ++k)
        for (int lane = 1; lane <= Lane::Count; ++lane) {
            // Nine marks make the longest score line.
            d.state().RowTable.set(lane, Col::ResultMark(k - 1), 3);
            d.newProblem(lane);
            tryWrong(d, lane);
            std::vector<std::pair<QString, QRect>> items; // what, and its ink
            QRect figure;
            const QRect band = LaneBand::rect(lane);
            for (const DrawOp &op : d.form->panel().operations()) {
                if (!band.contains(op.bounds.center()))
                    continue;
                if (const auto *t = std::get_if<Draw::Text>(&op.shape)) {
                    // The score line, the hint and each text with kanji stand alone.
                    if (t->at == Lane::scoreLineAt(lane) || t->text.contains(QChar(u'う')) || !Furigana::spans(t->text).empty())
                        items.emplace_back(t->text, inked(*t));
                    else
                        figure |= inked(*t);
                } else if (std::holds_alternative<Draw::Line>(op.shape) || std::holds_alternative<Draw::Box>(op.shape)) {
                    figure |= op.bounds.adjusted(1, 1, -1, -1);
                }
            }
            items.emplace_back(QStringLiteral("figure"), figure);
            items.emplace_back(QStringLiteral("boxes"), d.form->Text1[lane - 1]->geometry() | d.form->Text2[lane - 1]->geometry());
            for (size_t i = 0; i < items.size(); ++i)
                for (size_t j = i + 1; j < items.size(); ++j)
                    QVERIFY2(!items[i].second.intersects(items[j].second),
                             qPrintable(QStringLiteral("lane %1 problem %2: %3 and %4").arg(lane).arg(k).arg(items[i].first, items[j].first)));
        }
}

// The face each text is drawn in, as the font engine found it.
QString faceOf(const QFont &font)
{
    return QRawFont::fromFont(font).familyName();
}

// Switched on, the level panel, the lanes and the tally made later all draw
// in the readable face; switched off, in the program's own again.
void TestFurigana::readableFaceEverywhere()
{
    FormDriver d;
    const QString readable = QStringLiteral("Quilmo UDGothic");
    const QStringList widgets{QStringLiteral("Label2"), QStringLiteral("Label1(0)"), QStringLiteral("Option2(11)"),
                              QStringLiteral("Command8(0)"), QStringLiteral("Command6(0)")};
    for (bool on : {true, false, true}) {
        setSwitch(d, 2, on);
        for (const QString &name : widgets) {
            const auto *w = d.find<QWidget>(name);
            QCOMPARE(faceOf(w->font()) == readable, on);
            // Its one line still fits the control.
            const QString text = w->property("text").toString();
            QVERIFY2(QFontMetrics(w->font()).horizontalAdvance(text) <= w->width(), qPrintable(name));
        }
        d.start(12);
        d.startRow(1);
        const auto *question = std::get_if<Draw::Text>(&d.form->panel().operations().back().shape);
        QVERIFY(question);
        QCOMPARE(faceOf(question->font) == readable, on);
        d.platform.answers.push_back(MsgAnswer::Yes);
        d.click(QStringLiteral("Command8(0)"));
        QCOMPARE(faceOf(d.find<QWidget>(QStringLiteral("TallyCounts(0)"))->font()) == readable, on);
        d.click(QStringLiteral("TallyBack"));
    }
}

QUILMO_TEST(TestFurigana)
#include "furigana_test.moc"
