// Reading the number box, judging answers, the keypad's index maps and the
// lanes' click areas: the pure parts of answering, row by row.
#include "drill/judge.h"
#include "drill/keymap.h"
#include "drill/rowat.h"
#include "support/testregistry.h"

#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>

using Block = std::array<int32_t, 4>;
Q_DECLARE_METATYPE(Block)

class TestJudge : public QObject {
    Q_OBJECT
private slots:
    void judge_data();
    void judge();
    void readNumber_data();
    void readNumber();
    void keypadMaps_data();
    void keypadMaps();
    void rowAt_data();
    void rowAt();
};

void TestJudge::judge_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<Block>("block");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("right");
    const QString cm2 = QStringLiteral("ｃ㎡"), m2 = QStringLiteral("㎡"), a = QStringLiteral("ａ"),
                  ha = QStringLiteral("ｈａ"), km2 = QStringLiteral("ｋ㎡");
    QTest::newRow("L1 cm2") << 1 << Block{3, 2, 0, 0} << "5" << cm2 << true;
    QTest::newRow("L1 m2 is wrong") << 1 << Block{3, 2, 0, 0} << "5" << m2 << false;
    QTest::newRow("L1 wrong number") << 1 << Block{3, 2, 0, 0} << "6" << cm2 << false;
    QTest::newRow("L2 ascii c") << 2 << Block{1, 1, 1, 0} << "3" << "c㎡" << false;
    QTest::newRow("L2 ascii cm2") << 2 << Block{1, 1, 1, 0} << "3" << "cm2" << false;
    QTest::newRow("L2 empty unit") << 2 << Block{1, 1, 1, 0} << "3" << "" << false;
    QTest::newRow("L2 2.5") << 2 << Block{1, 1, 0, 0} << "2.5" << cm2 << false;
    QTest::newRow("L2 12c") << 2 << Block{4, 4, 4, 0} << "12ｃ" << cm2 << true;
    QTest::newRow("L2 full-width digits") << 2 << Block{4, 4, 4, 0} << "１２" << cm2 << true;
    QTest::newRow("L3 m2") << 3 << Block{1, 1, 1, 0} << "3" << m2 << true;
    QTest::newRow("L3 cm2") << 3 << Block{1, 1, 1, 0} << "30000" << cm2 << true;
    QTest::newRow("L3 3 cm2") << 3 << Block{1, 1, 1, 0} << "3" << cm2 << false;
    QTest::newRow("L3 are not taken") << 3 << Block{1, 1, 1, 0} << "300" << a << false;
    QTest::newRow("L4 a") << 4 << Block{2, 3, 4, 1} << "10" << a << true;
    QTest::newRow("L4 m2") << 4 << Block{2, 3, 4, 1} << "1000" << m2 << true;
    QTest::newRow("L4 ha wrong") << 4 << Block{2, 3, 4, 1} << "0.1" << ha << false;
    QTest::newRow("L5 ha") << 5 << Block{1, 2, 0, 0} << "3" << ha << true;
    QTest::newRow("L5 a") << 5 << Block{1, 2, 0, 0} << "300" << a << true;
    QTest::newRow("L5 m2") << 5 << Block{1, 2, 0, 0} << "30000" << m2 << true;
    QTest::newRow("L5 km2 wrong") << 5 << Block{1, 2, 0, 0} << "0.03" << km2 << false;
    QTest::newRow("L6 km2") << 6 << Block{1, 1, 0, 0} << "2" << km2 << true;
    QTest::newRow("L6 ha") << 6 << Block{1, 1, 0, 0} << "200" << ha << true;
    QTest::newRow("L6 a") << 6 << Block{1, 1, 0, 0} << "20000" << a << true;
    QTest::newRow("L6 m2") << 6 << Block{1, 1, 0, 0} << "2000000" << m2 << true;
    QTest::newRow("L6 m2 off by one") << 6 << Block{1, 1, 0, 0} << "2000001" << m2 << false;
    QTest::newRow("L7") << 7 << Block{9, 3, 0, 7} << "7" << cm2 << true;
    QTest::newRow("L7 no conversion") << 7 << Block{9, 3, 0, 7} << "0.0007" << m2 << false;
    QTest::newRow("L8 code 0") << 8 << Block{5, 3, 0, 15} << "15" << cm2 << true;
    QTest::newRow("L8 code 1") << 8 << Block{5, 3, 1, 15} << "15" << m2 << true;
    QTest::newRow("L8 code 2 is km2") << 8 << Block{4, 4, 2, 16} << "16" << km2 << true;
    QTest::newRow("L8 code 2 is not a") << 8 << Block{4, 4, 2, 16} << "16" << a << false;
    QTest::newRow("L9") << 9 << Block{6, 2, 1, 12} << "12" << cm2 << true;
    QTest::newRow("L9 code not a unit") << 9 << Block{6, 2, 1, 12} << "12" << m2 << false;
    QTest::newRow("L10 code 0") << 10 << Block{9, 3, 0, 27} << "27" << cm2 << true;
    QTest::newRow("L11 code 1") << 11 << Block{6, 7, 1, 62} << "62" << m2 << true;
    QTest::newRow("L12 code 2 is a") << 12 << Block{6, 3, 2, 18} << "18" << a << true;
    QTest::newRow("L12 code 2 is not km2") << 12 << Block{6, 3, 2, 18} << "18" << km2 << false;
    QTest::newRow("L12 code 3") << 12 << Block{9, 9, 3, 81} << "81" << ha << true;
    QTest::newRow("L12 code 4") << 12 << Block{5, 7, 4, 35} << "35" << km2 << true;
    QTest::newRow("L12 bad code") << 12 << Block{5, 7, 9, 35} << "35" << "" << false;
    QTest::newRow("huge number") << 12 << Block{5, 7, 4, 35} << "1e999" << km2 << false;
}

void TestJudge::judge()
{
    QFETCH(int, level);
    QFETCH(Block, block);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    QFETCH(bool, right);
    QCOMPARE(IsRightAnswer(level, block, ReadNumber(number), unit), right);
}

void TestJudge::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "12" << 12.0;
    QTest::newRow("spaces inside") << " 1 2 " << 12.0;
    QTest::newRow("full-width space") << "1\u30002" << 12.0;
    QTest::newRow("trailing letter") << "12ｃ" << 12.0;
    QTest::newRow("no number") << "ｃ12" << 0.0;
    QTest::newRow("decimal") << "2.5" << 2.5;
    QTest::newRow("full-width decimal") << "２．５" << 2.5;
    QTest::newRow("leading zero") << "007" << 7.0;
    QTest::newRow("sign") << "-3" << -3.0;
    QTest::newRow("lone sign") << "+" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent without digits") << "3e" << 3.0;
    QTest::newRow("two points") << "1.2.3" << 1.2;
    QTest::newRow("emoji") << "😀5" << 0.0;
    QTest::newRow("tiny") << "1e-999" << 0.0;
    QTest::newRow("long") << QString(10000, QLatin1Char('9')) << std::numeric_limits<double>::infinity();
    QTest::newRow("negative overflow") << "-1e999" << -std::numeric_limits<double>::infinity();
    QTest::newRow("just above the largest") << "1.7976931348623159e308" << std::numeric_limits<double>::infinity();
    QTest::newRow("largest") << "1.7976931348623157e308" << std::numeric_limits<double>::max();
    QTest::newRow("negative underflow") << "-1e-999" << -0.0;
    QTest::newRow("minus zero") << "-0" << -0.0;
    QTest::newRow("zero, huge exponent") << "0e99999999999999999999" << 0.0;
    QTest::newRow("subnormal") << "4.9e-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("rounded to nearest") << "0.1" << 0.1;
    // Halfway between 1 and the next double: to even, unless any later digit is nonzero.
    QTest::newRow("halfway") << "1.00000000000000011102230246251565404236316680908203125" << 1.0;
    QTest::newRow("past halfway") << "1.00000000000000011102230246251565404236316680908203125" + QString(400, QLatin1Char('0')) + "1"
                                  << std::nextafter(1.0, 2.0);
    QTest::newRow("point then exponent") << "1.e2" << 100.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("d exponent") << "2d3" << 2000.0;
    QTest::newRow("comma ends the number") << "2,5" << 2.0;
}

void TestJudge::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    // Bit for bit: the sign of a zero and the last digit count.
    auto bits = [](double d) {
        quint64 b = 0;
        std::memcpy(&b, &d, sizeof d);
        return b;
    };
    const double read = ReadNumber(text);
    QVERIFY2(bits(read) == bits(value), qPrintable(QStringLiteral("read %1, want %2").arg(read, 0, 'g', 17).arg(value, 0, 'g', 17)));
}

void TestJudge::keypadMaps_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("digit");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("appends");
    QTest::newRow("digit 0") << 0 << true << 1 << "0";
    QTest::newRow("digit 7") << 7 << true << 1 << "7";
    QTest::newRow("digit 12") << 12 << true << 2 << "7";
    QTest::newRow("digit 19") << 19 << true << 2 << "0";
    QTest::newRow("digit 10") << 10 << true << 2 << "9";
    QTest::newRow("digit 22") << 22 << true << 3 << "7";
    QTest::newRow("digit 29") << 29 << true << 3 << "0";
    QTest::newRow("digit 30") << 30 << true << 0 << "";
    QTest::newRow("digit -1") << -1 << true << 0 << "";
    QTest::newRow("unit 0") << 0 << false << 1 << "ｃ";
    QTest::newRow("unit 3") << 3 << false << 1 << "ｈ";
    QTest::newRow("unit 5") << 5 << false << 1 << "㎡";
    QTest::newRow("unit 6") << 6 << false << 2 << "㎡";
    QTest::newRow("unit 8") << 8 << false << 2 << "ｈ";
    QTest::newRow("unit 11") << 11 << false << 2 << "ｃ";
    QTest::newRow("unit 12") << 12 << false << 3 << "㎡";
    QTest::newRow("unit 14") << 14 << false << 3 << "ｈ";
    QTest::newRow("unit 16") << 16 << false << 3 << "ｋ";
    QTest::newRow("unit 17") << 17 << false << 3 << "ｃ";
    QTest::newRow("unit 18") << 18 << false << 0 << "";
}

void TestJudge::keypadMaps()
{
    QFETCH(int, index);
    QFETCH(bool, digit);
    QFETCH(int, row);
    QFETCH(QString, appends);
    const auto key = digit ? DigitKey(index) : UnitKey(index);
    QCOMPARE(key.has_value(), row != 0);
    if (!key)
        return;
    QCOMPARE(key->row, row);
    QCOMPARE(QString(key->ch), appends);
}

void TestJudge::rowAt_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("row");
    QTest::newRow("left edge") << 20 << 100 << 1280 << 0;
    QTest::newRow("just inside left") << 21 << 100 << 1280 << 1;
    QTest::newRow("right edge") << 770 << 100 << 1280 << 0;
    QTest::newRow("just inside right") << 769 << 100 << 1280 << 1;
    QTest::newRow("top of 1") << 400 << 70 << 1280 << 0;
    QTest::newRow("inside top of 1") << 400 << 71 << 1280 << 1;
    QTest::newRow("bottom of 1") << 400 << 280 << 1280 << 0;
    QTest::newRow("gap") << 400 << 285 << 1280 << 0;
    QTest::newRow("top of 2") << 400 << 290 << 1280 << 0;
    QTest::newRow("inside 2") << 400 << 291 << 1280 << 2;
    QTest::newRow("bottom of 2") << 400 << 500 << 1280 << 0;
    QTest::newRow("top of 3") << 400 << 510 << 1280 << 0;
    QTest::newRow("inside 3") << 400 << 600 << 1280 << 3;
    QTest::newRow("below the frame of 3") << 400 << 730 << 1280 << 3;
    QTest::newRow("bottom of 3") << 400 << 770 << 1280 << 0;
    QTest::newRow("3 at 1024") << 400 << 600 << 1024 << 3;
    QTest::newRow("3 at 1001") << 400 << 600 << 1001 << 3;
    QTest::newRow("3 at 1000") << 400 << 600 << 1000 << 0;
    QTest::newRow("3 at 800") << 400 << 600 << 800 << 0;
    QTest::newRow("2 at 800") << 400 << 400 << 800 << 2;
}

void TestJudge::rowAt()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, screen);
    QFETCH(int, row);
    QCOMPARE(RowAt(x, y, screen), row);
}

QUILMO_TEST(TestJudge)
#include "judge_test.moc"
