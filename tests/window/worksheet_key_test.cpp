#include "drill/levels.h"
#include "drill/worksheet.h"
#include "support/sheetreader.h"
#include "support/testregistry.h"

#include <QDir>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <optional>

using namespace SheetReader;

// The key's answers worked out again from what the sheet shows: the sides a
// sentence gives, the labels beside a figure, the squares counted on the page.
class TestWorksheetKey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void keyFromSheet_data();
    void keyFromSheet();

private:
    QTemporaryDir tmp_;
    bool poppler_ = false;
};

void TestWorksheetKey::initTestCase()
{
    // Under Wine the Debian run reads the same sheets back.
    poppler_ = available();
    QVERIFY2(poppler_ || QSysInfo::productType() == QLatin1String("windows"),
             "Poppler's tools are missing: bash scripts/setup --tests");
}

namespace {

int number(const QRegularExpressionMatch &m, int i)
{
    return m.captured(i).toInt();
}

// The area asked for, from the sides the sheet prints and the unit it asks
// in (levels 8, 9 and the review's sentences); empty where the sheet shows a
// figure instead.
QString areaFromSides(const QString &problem)
{
    static const QRegularExpression square(QStringLiteral("一辺が(\\d+)(cm|m|km)の"));
    static const QRegularExpression sides(QStringLiteral("たて(\\d+)(cm|mm|m|km), ?横(\\d+)(cm|mm|m|km)"));
    static const QRegularExpression asked(QStringLiteral("何(ｃ㎡|㎡|ａ|ｈａ|ｋ㎡)ですか"));
    const QHash<QString, double> metres{{QStringLiteral("mm"), 0.001}, {QStringLiteral("cm"), 0.01},
                                        {QStringLiteral("m"), 1}, {QStringLiteral("km"), 1000}};
    const QHash<QString, double> squareMetres{{QStringLiteral("ｃ㎡"), 1e-4}, {QStringLiteral("㎡"), 1},
                                              {QStringLiteral("ａ"), 100}, {QStringLiteral("ｈａ"), 1e4},
                                              {QStringLiteral("ｋ㎡"), 1e6}};
    double a = 0;
    QString unit;
    if (const auto m = square.match(problem); m.hasMatch()) {
        a = std::pow(number(m, 1) * metres[m.captured(2)], 2);
        unit = m.captured(2);
    } else if (const auto m = sides.match(problem); m.hasMatch()) {
        a = number(m, 1) * metres[m.captured(2)] * number(m, 3) * metres[m.captured(4)];
        unit = m.captured(2) == QStringLiteral("mm") ? m.captured(4) : m.captured(2);
    } else {
        return {};
    }
    // Asked in a unit, or else in the square of the sides' (cm with mm).
    const auto ask = asked.match(problem);
    const QString in = ask.hasMatch() ? ask.captured(1)
                       : unit == QStringLiteral("cm") ? QStringLiteral("ｃ㎡")
                       : unit == QStringLiteral("km") ? QStringLiteral("ｋ㎡")
                                                      : QStringLiteral("㎡");
    return QString::number(std::llround(a / squareMetres[in])) + QStringLiteral(" ") + in;
}

// The two sides of a level 8 or 9 problem as printed, in its larger unit
// (millimetres as centimetres); none where it prints no sides.
std::optional<std::pair<int, int>> printedSides(const QString &problem)
{
    static const QRegularExpression square(QStringLiteral("一辺が(\\d+)(?:cm|m|km)の"));
    static const QRegularExpression sides(QStringLiteral("たて(\\d+)(cm|mm|m|km), ?横(\\d+)(cm|mm|m|km)"));
    if (const auto m = square.match(problem); m.hasMatch())
        return std::pair{number(m, 1), number(m, 1)};
    const auto m = sides.match(problem);
    if (!m.hasMatch())
        return std::nullopt;
    auto inLarger = [&](int i) { return m.captured(i + 1) == QStringLiteral("mm") ? number(m, i) / 10 : number(m, i); };
    return std::pair{inLarger(1), inLarger(3)};
}

struct Label {
    int value = 0;
    QRectF box;
};

// The area of a composite figure from the lengths printed round it, as a
// pupil reads them. Two boxes of one height: the height on the left, the
// widths above. A stepped shape: its height on the left, its whole width on
// top, the lower part's height on the right; inside, the left part's width
// and, by the step, the right part's width and the step's height.
std::optional<int> areaFromLabels(QList<Label> labels)
{
    auto take = [&labels](auto first) {
        const auto it = std::min_element(labels.begin(), labels.end(), first);
        const Label l = *it;
        labels.erase(it);
        return l.value;
    };
    auto leftmost = [](const Label &a, const Label &b) { return a.box.left() < b.box.left(); };
    if (labels.size() == 3) {
        const int height = take(leftmost);
        return height * (labels[0].value + labels[1].value);
    }
    if (labels.size() != 6)
        return std::nullopt;
    const int height = take(leftmost);
    const int whole = take([](const Label &a, const Label &b) { return a.box.top() < b.box.top(); });
    const int right = take([](const Label &a, const Label &b) { return a.box.right() > b.box.right(); });
    const int left = take(leftmost);
    if (labels[0].value != height - right)
        std::swap(labels[0], labels[1]);
    if (labels[0].value != height - right || left + labels[1].value != whole)
        return std::nullopt; // the labels disagree
    return left * height + labels[1].value * right;
}

} // namespace

void TestWorksheetKey::keyFromSheet_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("sheet");
    for (int level = 1; level <= LevelCount; ++level)
        QTest::addRow("L%02d", level) << level << 4821;
    QTest::newRow("L11 another") << 11 << 26;
    QTest::newRow("L12 another") << 12 << 7;
}

void TestWorksheetKey::keyFromSheet()
{
    if (!poppler_)
        QSKIP("no Poppler here");
    QFETCH(int, level);
    QFETCH(int, sheet);
    const QString pdf = saved(worksheetPdf(makeWorksheet(level, sheet)),
                              QDir(tmp_.path()).filePath(QStringLiteral("key-%1-%2.pdf").arg(level).arg(sheet)));
    QVERIFY(!pdf.isEmpty());
    const Pages read = pages(pdf);
    const int count = static_cast<int>(read.problems.size()) - 1;
    QVERIFY(count >= 4);
    static const QRegularExpression keyLine(
        QStringLiteral("\\((\\d+)\\)\\s+(\\d+ (?:ｃ㎡|㎡|ａ|ｈａ|ｋ㎡))(?:\\s+(\\d+) \\S+\\s+(\\S.*))?\\n"));
    QStringList answers, mistaken, hints;
    for (auto it = keyLine.globalMatch(read.key); it.hasNext();) {
        const auto m = it.next();
        answers << m.captured(2);
        mistaken << m.captured(3);
        hints << QString(m.captured(4)).remove(QRegularExpression(QStringLiteral("\\s")));
    }
    QCOMPARE(answers.size(), count);

    // Each problem's place on the page, from its number's top to the next's;
    // its figure lies left of the answer column, past the page's middle.
    const QList<Word> all = words(pdf);
    QList<double> tops(count + 1, 842);
    static const QRegularExpression numbered(QStringLiteral("^\\((\\d+)\\)$")), length(QStringLiteral("^(\\d+)(cm|m)$"));
    for (const Word &w : all)
        if (const auto m = numbered.match(w.text); m.hasMatch() && number(m, 1) <= count)
            tops[number(m, 1) - 1] = w.box.top();
    const QImage page = level <= 7 ? render(pdf, 100) : QImage();
    const QHash<QString, QString> squared{{QStringLiteral("cm"), QStringLiteral("ｃ㎡")}, {QStringLiteral("m"), QStringLiteral("㎡")}};
    for (int k = 1; k <= count; ++k) {
        const QString &answer = answers[k - 1];
        if (const QString area = areaFromSides(read.problems[k]); !area.isEmpty()) {
            QCOMPARE(answer, area);
            continue;
        }
        if (level <= 7) {
            // The grey squares between this number and the next, measured by
            // the legend's, which is left out. Half squares come in pairs, and
            // a triangle cut by the grid in parts: the sum is whole, less what
            // the outlines take.
            const int top = static_cast<int>(tops[k - 1] * 100 / 72) - 5, bottom = static_cast<int>(tops[k] * 100 / 72) - 5;
            const QList<Filled> parts = filledSquares(page, QRect(0, top, page.width() * 6 / 10, bottom - top));
            QVERIFY(!parts.isEmpty());
            const Filled legend = *std::min_element(parts.begin(), parts.end(), [](const Filled &a, const Filled &b) {
                return a.box.left() < b.box.left();
            });
            double sum = -1;
            for (const Filled &part : parts)
                sum += static_cast<double>(part.pixels) / legend.pixels;
            QVERIFY2(qAbs(sum - std::round(sum)) < 0.3, qPrintable(QString::number(sum)));
            QCOMPARE(answer.section(QLatin1Char(' '), 0, 0), QString::number(std::lround(sum)));
            continue;
        }
        QList<Label> labels;
        QString unit;
        for (const Word &w : all)
            if (const auto m = length.match(w.text);
                m.hasMatch() && w.box.top() >= tops[k - 1] - 4 && w.box.top() < tops[k] - 4 && w.box.left() < 340) {
                labels.append({number(m, 1), w.box});
                unit = m.captured(2);
            }
        const auto area = areaFromLabels(labels);
        QVERIFY2(area, qPrintable(QStringLiteral("(%1): %2 labels that do not make a figure").arg(k).arg(labels.size())));
        QCOMPARE(answer, QString::number(*area) + QStringLiteral(" ") + squared[unit]);
    }

    // At levels 8 and 9 the commonest mistake is the length around or the
    // sides added, and its answer follows from the sides printed.
    if (level != 8 && level != 9)
        return;
    for (int k = 1; k <= count; ++k) {
        const auto sides = printedSides(read.problems[k]);
        QVERIFY(sides);
        const int around = 2 * (sides->first + sides->second), added = sides->first + sides->second;
        if (hints[k - 1] == QStringLiteral("それはまわりの長さだよ"))
            QCOMPARE(mistaken[k - 1].toInt(), around);
        else if (hints[k - 1] == QStringLiteral("たし算ではなくかけ算だよ"))
            QCOMPARE(mistaken[k - 1].toInt(), added);
        else
            QFAIL(qPrintable(QStringLiteral("(%1): %2").arg(k).arg(hints[k - 1])));
    }
}

#include "worksheet_key_test.moc"
QUILMO_TEST(TestWorksheetKey)
