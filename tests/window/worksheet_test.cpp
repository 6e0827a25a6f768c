#include "support/formdriver.h"
#include "drill/levels.h"
#include "drill/worksheet.h"
#include "support/testregistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QSysInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <optional>

// Sheets are read back as a teacher's printer would see them: with
// Poppler's tools, never from the generator. QUILMO_SHEETS_DIR keeps them.
class TestWorksheet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sheetOfEveryLevel_data();
    void sheetOfEveryLevel();
    void unitSquareIsOneCentimetre_data();
    void unitSquareIsOneCentimetre();
    void sameNumberSameBytes();
    void sheetNumbers_data();
    void sheetNumbers();
    void printButton_data();
    void printButton();

private:
    QString run(const QString &tool, const QStringList &args);
    bool poppler_ = true;
    QString write(const QByteArray &pdf, const QString &name);
    QImage render(const QString &pdf, int dpi);
    QTemporaryDir tmp_;
    QString dir_;
};

void TestWorksheet::initTestCase()
{
    for (const char *tool : {"pdfinfo", "pdftotext", "pdftoppm"})
        poppler_ = poppler_ && !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
    // Under Wine the Debian run reads the same sheets back.
    if (!poppler_ && QSysInfo::productType() != QLatin1String("windows"))
        QFAIL("Poppler's tools are missing: bash scripts/setup --tests");
    dir_ = qEnvironmentVariable("QUILMO_SHEETS_DIR", tmp_.path());
    QDir().mkpath(dir_);
}

QString TestWorksheet::run(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString TestWorksheet::write(const QByteArray &pdf, const QString &name)
{
    const QString path = QDir(dir_).filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size())
        return {};
    return path;
}

QImage TestWorksheet::render(const QString &pdf, int dpi)
{
    const QString base = pdf + QStringLiteral("-page");
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                                      QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".pgm"));
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

// The parts of the figures filled in grey (the printed yellow), each edged
// in black: a unit square or a half of one.
struct Filled {
    QRect box;
    int pixels = 0;
};
QList<Filled> filledSquares(const QImage &page, QRect band)
{
    QImage seen(page.size(), QImage::Format_Mono);
    seen.fill(0);
    QList<Filled> found;
    auto fill = [&](int x, int y) { return qAbs(qGray(page.pixel(x, y)) - 220) <= 6; };
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            if (!fill(x, y) || seen.pixelIndex(x, y))
                continue;
            QRect box(x, y, 1, 1);
            int pixels = 0;
            QList<QPoint> todo{{x, y}};
            seen.setPixel(x, y, 1);
            while (!todo.isEmpty()) {
                const QPoint p = todo.takeLast();
                box |= QRect(p, QSize(1, 1));
                ++pixels;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + d;
                    if (page.rect().contains(n) && !seen.pixelIndex(n.x(), n.y()) && fill(n.x(), n.y())) {
                        seen.setPixel(n.x(), n.y(), 1);
                        todo.append(n);
                    }
                }
            }
            if (box.width() > 5 && box.height() > 5)
                found.append({box, pixels});
        }
    return found;
}

} // namespace

void TestWorksheet::sheetOfEveryLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("sheet");
    for (int level = 1; level <= LevelCount; ++level)
        QTest::addRow("L%02d", level) << level << 4821;
    QTest::newRow("L12 another") << 12 << 7;
    QTest::newRow("L03 last number") << 3 << 9999;
}

void TestWorksheet::sheetOfEveryLevel()
{
    if (!poppler_)
        QSKIP("no Poppler here");
    QFETCH(int, level);
    QFETCH(int, sheet);
    QElapsedTimer made;
    made.start();
    const QByteArray bytes = worksheetPdf(makeWorksheet(level, sheet));
    const qint64 ms = made.elapsed();
    qInfo("L%02d: %lld ms, %lld bytes", level, static_cast<long long>(ms), static_cast<long long>(bytes.size()));
    QVERIFY2(ms < 1000, "a sheet takes longer than a second");
    const QString pdf = write(bytes, QStringLiteral("L%1-%2.pdf").arg(level, 2, 10, QLatin1Char('0')).arg(sheet));
    QVERIFY(!pdf.isEmpty());

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595[.\\d]* x 84[12][.\\d]* pts \\(A4\\)"))),
             qPrintable(info));

    const QStringList pages = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}).split(QLatin1Char('\f'));
    QVERIFY(pages.size() >= 2);
    const QString &questions = pages[0], &key = pages[1];
    const QString caption = QStringLiteral("L%1 ").arg(level, 2, 10, QLatin1Char('0'));
    const QRegularExpression numbered(QStringLiteral("番号\\s+%1\\n").arg(sheet));
    for (const QString &page : {questions, key}) {
        QVERIFY(page.contains(caption));
        QVERIFY(page.contains(numbered));
    }
    QVERIFY(questions.contains(QStringLiteral("なまえ")));

    // Every problem is numbered on both pages, and the key answers each.
    int count = 0;
    while (questions.contains(QStringLiteral("(%1)").arg(count + 1)))
        ++count;
    QVERIFY2(count >= 4 && count <= SheetProblemsMax, qPrintable(QString::number(count)));
    static const QRegularExpression keyLine(
        QStringLiteral("\\((\\d+)\\)\\s+(\\d+ (?:ｃ㎡|㎡|ａ|ｈａ|ｋ㎡))(?:\\s+(\\d+) \\S+\\s+(\\S.*))?\\n"));
    QStringList answers, mistaken, hints;
    for (auto it = keyLine.globalMatch(key); it.hasNext();) {
        const auto m = it.next();
        answers << m.captured(2);
        mistaken << m.captured(3);
        hints << QString(m.captured(4)).remove(QRegularExpression(QStringLiteral("\\s")));
    }
    QCOMPARE(answers.size(), count);

    // Where the sheet prints sides, the key's answer follows from them.
    const QStringList problems = questions.split(QRegularExpression(QStringLiteral("\\(\\d+\\)")));
    int fromSides = 0;
    for (int k = 1; k <= count && k < problems.size(); ++k) {
        const QString area = areaFromSides(QString(problems[k]).remove(QLatin1Char('\n')));
        if (!area.isEmpty()) {
            QCOMPARE(answers[k - 1], area);
            ++fromSides;
        }
    }
    if (level == 8 || level == 9) {
        QCOMPARE(fromSides, count);
        // The key's commonest mistake is the length around or the sides
        // added, and its answer follows from the sides printed.
        for (int k = 1; k <= count; ++k) {
            const auto sides = printedSides(QString(problems[k]).remove(QLatin1Char('\n')));
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

    // Where it prints unit squares, the key counts them: the grey filled on
    // the page between a problem's number and the next, measured by the
    // legend's square, which is left out.
    if (level <= 7) {
        const QImage page = render(pdf, 100);
        QVERIFY(!page.isNull());
        const QString boxes = run(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                   QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
        QList<int> tops;
        static const QRegularExpression word(QStringLiteral("yMin=\"([\\d.]+)\"[^>]*>\\((\\d+)\\)<"));
        for (auto it = word.globalMatch(boxes); it.hasNext();)
            tops << static_cast<int>(it.next().captured(1).toDouble() * 100 / 72);
        QCOMPARE(tops.size(), count);
        tops << page.height();
        // The sheet's figures lie left of the answer column, which starts
        // past the middle of the page.
        for (int k = 0; k < count; ++k) {
            const QRect band(0, tops[k] - 5, page.width() * 6 / 10, tops[k + 1] - tops[k]);
            const QList<Filled> parts = filledSquares(page, band);
            QVERIFY(!parts.isEmpty());
            const Filled legend = *std::min_element(parts.begin(), parts.end(), [](const Filled &a, const Filled &b) {
                return a.box.left() < b.box.left();
            });
            // Half squares come in pairs, and a triangle cut by the grid in
            // parts: the sum is whole, less what the outlines take.
            double sum = -1;
            for (const Filled &part : parts)
                sum += static_cast<double>(part.pixels) / legend.pixels;
            QVERIFY2(qAbs(sum - std::round(sum)) < 0.3, qPrintable(QString::number(sum)));
            const QString squares = QString::number(std::lround(sum));
            QVERIFY2(answers[k].startsWith(squares + QLatin1Char(' ')),
                     qPrintable(QStringLiteral("(%1) %2 counted, key %3").arg(k + 1).arg(squares).arg(answers[k])));
        }
    }
}

void TestWorksheet::unitSquareIsOneCentimetre_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("L01") << 1;
    QTest::newRow("L02") << 2;
    QTest::newRow("L07") << 7;
}

void TestWorksheet::unitSquareIsOneCentimetre()
{
    if (!poppler_)
        QSKIP("no Poppler here");
    QFETCH(int, level);
    constexpr int dpi = 300;
    const QString pdf = write(worksheetPdf(makeWorksheet(level, 31)), QStringLiteral("cm-%1.pdf").arg(level));
    const QImage page = render(pdf, dpi);
    QVERIFY(!page.isNull());
    // The first filled square from the left is the legend's: from the
    // middle of its left outline to the middle of its right one.
    const QList<Filled> squares = filledSquares(page, page.rect());
    QVERIFY(!squares.isEmpty());
    const QRect legend = std::min_element(squares.begin(), squares.end(), [](const Filled &a, const Filled &b) {
                             return a.box.left() < b.box.left();
                         })->box;
    const int y = legend.center().y();
    int left = legend.left() - 1, right = legend.right() + 1;
    int leftLine = 0, rightLine = 0;
    while (qGray(page.pixel(left - leftLine, y)) < 128)
        ++leftLine;
    while (qGray(page.pixel(right + rightLine, y)) < 128)
        ++rightLine;
    const double mm = (right + rightLine / 2.0 - (left - leftLine / 2.0)) * 25.4 / dpi;
    qInfo("L%02d: the legend's unit square is %.2f mm", level, mm);
    QVERIFY2(qAbs(mm - 10) <= 0.2, qPrintable(QString::number(mm)));
}

void TestWorksheet::sameNumberSameBytes()
{
    const QByteArray first = worksheetPdf(makeWorksheet(7, 4821));
    QThread::msleep(1100); // the writer dates its files to the second
    QCOMPARE(worksheetPdf(makeWorksheet(7, 4821)), first);
    QVERIFY(worksheetPdf(makeWorksheet(7, 4822)) != first);
}

void TestWorksheet::sheetNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("number"); // 0: none
    QTest::newRow("plain") << "4821" << 4821;
    QTest::newRow("full-width") << "４８２１" << 4821;
    QTest::newRow("spaces") << " 12 " << 12;
    QTest::newRow("first") << "1" << 1;
    QTest::newRow("last") << "9999" << 9999;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("too long") << "10000" << 0;
    QTest::newRow("sign") << "-5" << 0;
    QTest::newRow("letters") << "12a" << 0;
    QTest::newRow("point") << "1.5" << 0;
}

void TestWorksheet::sheetNumbers()
{
    QFETCH(QString, typed);
    QFETCH(int, number);
    QCOMPARE(sheetNumberFromText(typed).value_or(0), number);
}

void TestWorksheet::printButton_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: a sheet is handed over
    QTest::addColumn<QString>("file");
    const QString noLevel = QStringLiteral("レベルをきめてから、けっていボタンをおしてください。");
    const QString badNumber = QStringLiteral("プリントの　番号は　1から9999までの　数字で　入れてください。");
    QTest::newRow("numbered") << 8 << "4821" << "" << "quilmo-L08-4821.pdf";
    QTest::newRow("no level") << 0 << "4821" << noLevel << "";
    QTest::newRow("not a number") << 8 << "abc" << badNumber << "";
    QTest::newRow("out of range") << 8 << "0" << badNumber << "";
}

void TestWorksheet::printButton()
{
    QFETCH(int, level);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, file);
    FormDriver d;
    if (level)
        d.chooseLevel(level);
    d.find<QLineEdit>(QStringLiteral("Text3"))->setText(typed);
    d.click(QStringLiteral("Command12"));
    QCOMPARE(d.platform.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(d.platform.messages[0].text, message);
    QCOMPARE(d.platform.printed.size(), file.isEmpty() ? 0 : 1);
    if (!file.isEmpty()) {
        QCOMPARE(d.platform.printed[0].fileName, file);
        QVERIFY(d.platform.printed[0].pdf().startsWith("%PDF"));
    }
    // The level panel stays as it was.
    QVERIFY(!d.form->Picture7->isHidden());
}

#include "worksheet_test.moc"
QUILMO_TEST(TestWorksheet)
