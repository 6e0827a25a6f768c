// The line after a wrong try: where it stands, what it says, that it
// changes nothing else in the band and goes at the next try or problem.
#include "support/formdriver.h"
#include "drill/levels.h"
#include "core/lanes.h"
#include "drill/mistake.h"
#include "support/testregistry.h"

#include <QTest>

#include <functional>

using Block = std::array<int32_t, 4>;
using Recipe = std::function<Answer(const Block &)>;
Q_DECLARE_METATYPE(Recipe)

class TestHint : public QObject {
    Q_OBJECT
private slots:
    void placeIsFreeAtEveryLevel();
    void hintShownAndErased_data();
    void hintShownAndErased();
    void otherLanesKeepTheirDrawing();
};

namespace {
const QString cm2 = QStringLiteral("ｃ㎡"), m2 = QStringLiteral("㎡"), a = QStringLiteral("ａ"),
              ha = QStringLiteral("ｈａ"), km2 = QStringLiteral("ｋ㎡");

// Where a line in the hint's size and place may paint.
QRect lineRect(int lane, const QString &text)
{
    Canvas c(QSize(1, 1), Qt::white);
    c.setFontSizePt(Lane::HintPt);
    c.CurrentX = Lane::hintAt(lane).x();
    c.CurrentY = Lane::hintAt(lane).y();
    return c.textRect(text);
}

// The longest of the lines, as they read.
const char *const Lines[] = {
    "たんいを　たしかめよう", "0の　数を　たしかめよう", "それは　まわりの　長さだよ", "たし算ではなく　かけ算だよ",
    "mmを　cmに　なおそう", "2つの　面積を　合わせよう", "へこんだ　ところを　ひこう", "もういちど　かぞえよう",
    "もういちど　考えよう",
};
QRect anyLine(int lane)
{
    QRect r;
    for (const char *line : Lines)
        r |= lineRect(lane, QString::fromUtf8(line));
    return r;
}

// The line drawn alone on white at its place.
QImage alone(int lane, const QString &text)
{
    Canvas c(QSize(1009, 741), Qt::white);
    c.setFontSizePt(Lane::HintPt);
    c.ForeColor = QColor(0, 0, 160);
    c.CurrentX = Lane::hintAt(lane).x();
    c.CurrentY = Lane::hintAt(lane).y();
    c.print(text);
    return c.image().copy(lineRect(lane, text));
}

// The band's pixels with one rectangle painted over in a colour no drawing uses.
QImage bandWithout(const QImage &panel, int lane, const QRect &hole)
{
    QImage band = panel.copy(LaneBand::rect(lane));
    for (int y = 0; y < band.height(); ++y)
        for (int x = 0; x < band.width(); ++x)
            if (hole.contains(x + LaneBand::Left, y + LaneBand::top(lane)))
                band.setPixel(x, y, qRgb(1, 2, 3));
    return band;
}
} // namespace

// No family, score line or box ever draws where a hint goes, in any lane.
void TestHint::placeIsFreeAtEveryLevel()
{
    for (int lane = 1; lane <= Lane::Count; ++lane) {
        const QRect place = anyLine(lane);
        QVERIFY(LaneBand::rect(lane).contains(place));
        QVERIFY(place.right() < Lane::HintRight);
        for (const QPoint box : {Lane::numberBoxAt(lane), Lane::unitBoxAt(lane)})
            QVERIFY(place.bottom() < box.y());
        QVERIFY(place.bottom() < Lane::keypadTop(lane));
    }
    for (int level = 1; level <= LevelCount; ++level) {
        FormDriver d;
        d.start(level);
        for (int lane = 1; lane <= Lane::Count; ++lane) {
            d.startRow(lane);
            const QRect place = anyLine(lane);
            for (int k = 2; k <= 30; ++k) {
                // Nine marks make the longest score line.
                d.state().RowTable.set(lane, Col::ResultMark(k - 1), 3);
                d.newProblem(lane);
                QVERIFY2(countColour(d.image(), place, rgb(255, 255, 255)) == place.width() * place.height(),
                         qPrintable(QStringLiteral("level %1 lane %2 problem %3").arg(level).arg(lane).arg(k)));
            }
        }
    }
}

void TestHint::hintShownAndErased_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<Recipe>("answer");
    QTest::addColumn<QString>("line");
    // Levels 1 to 6 store the columns' heights, the area in the level's unit.
    const auto sum = [](const Block &b) { return b[0] + b[1] + b[2] + b[3]; };
    const auto area = [](const Block &b) { return b[3]; };
    const auto n = [](qint64 x) { return QString::number(x); };
    const QString sideUnits[] = {cm2, m2, km2}; // level 8's unit code
    QTest::newRow("L4 unit") << 4 << Recipe([=](const Block &b) { return Answer{n(sum(b)), ha}; })
                             << QStringLiteral("たんいを　たしかめよう");
    QTest::newRow("L4 zeros") << 4 << Recipe([=](const Block &b) { return Answer{n(sum(b) * 1000), m2}; })
                              << QStringLiteral("0の　数を　たしかめよう");
    QTest::newRow("L4 count again") << 4 << Recipe([=](const Block &b) { return Answer{n(sum(b) + 1), a}; })
                                    << QStringLiteral("もういちど　かぞえよう");
    QTest::newRow("L8 perimeter")
        << 8 << Recipe([=](const Block &b) { return Answer{n(2 * (b[0] + b[1])), sideUnits[b[2]]}; })
        << QStringLiteral("それは　まわりの　長さだよ");
    QTest::newRow("L8 added") << 8 << Recipe([=](const Block &b) { return Answer{n(b[0] + b[1]), sideUnits[b[2]]}; })
                              << QStringLiteral("たし算ではなく　かけ算だよ");
    QTest::newRow("L8 unit") << 8 << Recipe([=](const Block &b) { return Answer{n(area(b)), a}; })
                             << QStringLiteral("たんいを　たしかめよう");
    QTest::newRow("L8 zeros") << 8 << Recipe([=](const Block &b) { return Answer{n(area(b) * 100), sideUnits[b[2]]}; })
                              << QStringLiteral("0の　数を　たしかめよう");
    QTest::newRow("L9 mm") << 9 << Recipe([=](const Block &b) { return Answer{n(area(b) * 10), cm2}; })
                           << QStringLiteral("mmを　cmに　なおそう");
    QTest::newRow("L9 perimeter") << 9 << Recipe([=](const Block &b) { return Answer{n(2 * (b[0] + b[1])), cm2}; })
                                  << QStringLiteral("それは　まわりの　長さだよ");
    QTest::newRow("L9 added") << 9 << Recipe([=](const Block &b) { return Answer{n(b[0] + b[1]), cm2}; })
                              << QStringLiteral("たし算ではなく　かけ算だよ");
    QTest::newRow("L9 unit") << 9 << Recipe([=](const Block &b) { return Answer{n(area(b)), m2}; })
                             << QStringLiteral("たんいを　たしかめよう");
    QTest::newRow("L9 think again") << 9 << Recipe([=](const Block &b) { return Answer{n(area(b) + 1000), cm2}; })
                                    << QStringLiteral("もういちど　考えよう");
    // Level 11 stores the left part's sides: its area alone is one part.
    QTest::newRow("L11 one part") << 11 << Recipe([=](const Block &b) { return Answer{n(b[0] * b[1]), m2}; })
                                  << QStringLiteral("2つの　面積を　合わせよう");
    QTest::newRow("L11 unit") << 11 << Recipe([=](const Block &b) { return Answer{n(area(b)), a}; })
                              << QStringLiteral("たんいを　たしかめよう");
    QTest::newRow("L11 zeros") << 11 << Recipe([=](const Block &b) { return Answer{n(area(b) * 10), m2}; })
                               << QStringLiteral("0の　数を　たしかめよう");
    QTest::newRow("L10 unit") << 10 << Recipe([=](const Block &b) { return Answer{n(area(b)), m2}; })
                              << QStringLiteral("たんいを　たしかめよう");
    QTest::newRow("L12 unit") << 12 << Recipe([=](const Block &b) { return Answer{n(area(b)), QString()}; })
                              << QStringLiteral("たんいを　たしかめよう");
}

// Two misses show the line, each next try takes it away again before its
// mark; the third miss shows none.
void TestHint::hintShownAndErased()
{
    QFETCH(int, level);
    QFETCH(Recipe, answer);
    QFETCH(QString, line);
    FormDriver d;
    d.start(level);
    const int lane = 2;
    d.startRow(lane);
    const int k = d.problem(lane);
    const Answer wrong = answer(d.block(lane, k));
    const QRect place = lineRect(lane, line);
    const QImage before = d.image().copy();

    QImage duringPause;
    d.platform.onPauseStep = [&] { duringPause = d.image().copy(); };
    for (int t = 1; t <= 2; ++t) {
        d.type(lane, wrong.number, wrong.unit);
        d.check(lane);
        // The line is back to white while the next mark shows.
        if (t == 2)
            QCOMPARE(duringPause.copy(place), before.copy(place));
        QCOMPARE(d.problem(lane), k);
        QCOMPARE(d.image().copy(place), alone(lane, line));
        QCOMPARE(bandWithout(d.image(), lane, place), bandWithout(before, lane, place));
    }
    d.type(lane, wrong.number, wrong.unit);
    d.check(lane);
    QCOMPARE(duringPause.copy(place), before.copy(place));
    QCOMPARE(d.problem(lane), k + 1);
    // A new problem's band carries no line.
    QCOMPARE(countColour(d.image(), place, rgb(0, 0, 160)), 0);
}

// A lane's hint goes without taking what other lanes drew meanwhile, at
// every scale.
void TestHint::otherLanesKeepTheirDrawing()
{
    FormDriver d;
    d.start(8);
    d.startRow(1);
    d.startRow(2);
    const Block b = d.block(2, 1);
    d.type(2, QString::number(b[3] + 1), QStringLiteral("ｃ㎡"));
    d.check(2); // lane 2 shows its hint
    d.newProblem(1);
    const Canvas &c = d.form->Picture1[0]->canvas();
    const QImage lane1 = c.rendering(2, LaneBand::rect(1));
    d.type(2, QString::number(b[3] + 1), QStringLiteral("ｃ㎡"));
    d.check(2); // and takes it away
    QCOMPARE(c.rendering(2, LaneBand::rect(1)), lane1);
    QCOMPARE(c.rendering(1), c.image().convertToFormat(c.rendering(1).format()));
}

QUILMO_TEST(TestHint)
#include "hint_test.moc"
