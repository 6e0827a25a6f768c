// The number box reads "." as the decimal point under a locale whose decimal
// point is a comma: Qt sets the C library's locale from the environment, and
// a school's machine may well have such a locale.
#include "drill/numberreader.h"
#include "support/testregistry.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

class TestNumberLocale : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void readsPointUnderCommaLocale_data();
    void readsPointUnderCommaLocale();

private:
    QTemporaryDir dir_;
    std::string before_;
    bool made_ = false;
};

void TestNumberLocale::initTestCase()
{
    const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
    if (localedef.isEmpty())
        return; // skipped function by function: a skip here would skip the classes after this one too
    // Only the numbers' category: a full locale takes seconds to compile.
    const QString source = dir_.filePath(QStringLiteral("comma"));
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3;3\nEND LC_NUMERIC\n");
    file.close();
    // It warns of every category missing, and says so in its status.
    QProcess make;
    make.setStandardOutputFile(QProcess::nullDevice());
    make.setStandardErrorFile(QProcess::nullDevice());
    make.start(localedef, {QStringLiteral("-c"), QStringLiteral("-i"), source, QStringLiteral("-f"), QStringLiteral("UTF-8"),
                           dir_.filePath(QStringLiteral("xx_XX.UTF-8"))});
    QVERIFY(make.waitForFinished(60000));
    before_ = std::setlocale(LC_NUMERIC, nullptr);
    qputenv("LOCPATH", QFile::encodeName(dir_.path()));
    QVERIFY2(std::setlocale(LC_NUMERIC, "xx_XX.UTF-8"), "the comma locale was not made");
    QCOMPARE(std::localeconv()->decimal_point, ",");
    // The trap is set: the C library now reads the comma.
    QCOMPARE(std::strtod("2,5", nullptr), 2.5);
    made_ = true;
}

void TestNumberLocale::init()
{
    if (!made_)
        QSKIP("localedef is missing (Debian's libc-bin); it makes the comma locale");
}

void TestNumberLocale::cleanupTestCase()
{
    if (!before_.empty())
        std::setlocale(LC_NUMERIC, before_.c_str());
    qunsetenv("LOCPATH");
}

void TestNumberLocale::readsPointUnderCommaLocale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("point") << "2.5" << 2.5;
    QTest::newRow("full-width point") << "２．５" << 2.5;
    QTest::newRow("comma ends the number") << "2,5" << 2.0;
    QTest::newRow("exponent") << "1.5e2" << 150.0;
}

void TestNumberLocale::readsPointUnderCommaLocale()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ReadNumber(text), value);
}

QUILMO_TEST(TestNumberLocale)
#include "numberlocale_test.moc"
