#include "support/formdriver.h"
#include "drill/levels.h"
#include "drill/worksheet.h"
#include "support/sheetreader.h"
#include "support/testregistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSysInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace SheetReader;

// The sheet's pages, its number and the button, read back with Poppler's
// tools. QUILMO_SHEETS_DIR keeps the sheets.
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
    bool poppler_ = true;
    QString write(const QByteArray &pdf, const QString &name);
    QTemporaryDir tmp_;
    QString dir_;
};

void TestWorksheet::initTestCase()
{
    poppler_ = available();
    // Under Wine the Debian run reads the same sheets back.
    if (!poppler_ && QSysInfo::productType() != QLatin1String("windows"))
        QFAIL("Poppler's tools are missing: bash scripts/setup --tests");
    dir_ = qEnvironmentVariable("QUILMO_SHEETS_DIR", tmp_.path());
    QDir().mkpath(dir_);
}

QString TestWorksheet::write(const QByteArray &pdf, const QString &name)
{
    return saved(pdf, QDir(dir_).filePath(name));
}

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

    const Pages read = pages(pdf);
    const QString caption = QStringLiteral("L%1 ").arg(level, 2, 10, QLatin1Char('0'));
    const QRegularExpression numbered(QStringLiteral("番号\\s+%1\\n").arg(sheet));
    for (const QString &page : {read.questions, read.key}) {
        QVERIFY(page.contains(caption));
        QVERIFY(page.contains(numbered));
    }
    QVERIFY(read.questions.contains(QStringLiteral("なまえ")));
    // Every problem is numbered on both pages.
    const int count = static_cast<int>(read.problems.size()) - 1;
    QVERIFY2(count >= 4 && count <= SheetProblemsMax, qPrintable(QString::number(count)));
    QVERIFY(read.key.contains(QStringLiteral("(%1)").arg(count)));
    QVERIFY(!read.key.contains(QStringLiteral("(%1)").arg(count + 1)));
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
