// The level a lesson's link asks for, read from its address's query.
#include "platform/lessonlink.h"
#include "support/testregistry.h"

#include <QTest>

class TestLessonLink : public QObject {
    Q_OBJECT
private slots:
    void levelFromQuery_data();
    void levelFromQuery();
};

void TestLessonLink::levelFromQuery_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("level");
    QTest::newRow("level=8") << "level=8" << 8;
    QTest::newRow("with the question mark") << "?level=10" << 10;
    QTest::newRow("beside timing") << "timing&level=3" << 3;
    QTest::newRow("before timing") << "level=1&timing" << 1;
    QTest::newRow("leading zero") << "level=08" << 8;
    QTest::newRow("escaped digit") << "level=%38" << 8;
    QTest::newRow("the first of two") << "level=5&level=6" << 5;
    QTest::newRow("no query") << "" << 0;
    QTest::newRow("no level") << "timing" << 0;
    QTest::newRow("empty value") << "level=" << 0;
    QTest::newRow("bare name") << "level" << 0;
    QTest::newRow("words") << "level=eight" << 0;
    QTest::newRow("full-width digit") << "level=８" << 0;
    QTest::newRow("negative") << "level=-8" << 0;
    QTest::newRow("plus sign") << "level=+8" << 0;
    QTest::newRow("fraction") << "level=8.0" << 0;
    QTest::newRow("trailing text") << "level=8x" << 0;
    QTest::newRow("space") << "level=%208" << 0;
    QTest::newRow("huge") << "level=99999999999999999999" << 0;
    QTest::newRow("other name") << "levels=8" << 0;
    // Whether the level exists is the level panel's to say.
    QTest::newRow("any number, as given") << "level=99" << 99;
}

void TestLessonLink::levelFromQuery()
{
    QFETCH(QString, query);
    QFETCH(int, level);
    QCOMPARE(::levelFromQuery(query), level);
}

QUILMO_TEST(TestLessonLink)
#include "lessonlink_test.moc"
