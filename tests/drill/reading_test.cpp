// What the lanes read aloud, written out by hand as a teacher would say it.
#include "drill/mistake.h"
#include "drill/reading.h"
#include "support/testregistry.h"

#include <QTest>

using Block = std::array<int32_t, 4>;
Q_DECLARE_METATYPE(Block)
Q_DECLARE_METATYPE(FigureParts)
Q_DECLARE_METATYPE(Mistake)

class TestReading : public QObject {
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void problems_data();
    void problems();
    void afterACheck_data();
    void afterACheck();
};

void TestReading::numbers_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("said");
    const std::pair<qint64, const char *> rows[] = {
        {0, "ぜろ"}, {7, "なな"}, {8, "はち"}, {9, "きゅう"}, {10, "じゅう"}, {12, "じゅうに"}, {100, "ひゃく"},
        {300, "さんびゃく"}, {600, "ろっぴゃく"}, {800, "はっぴゃく"}, {1000, "せん"}, {3000, "さんぜん"},
        {8000, "はっせん"}, {9000, "きゅうせん"}, {10000, "いちまん"}, {10010, "いちまんじゅう"},
        {1000000, "ひゃくまん"}, {10000000, "せんまん"}, {100000000, "いちおく"},
        {123456789, "いちおくにせんさんびゃくよんじゅうごまんろくせんななひゃくはちじゅうきゅう"},
        {1000000000000, "いっちょう"}, {10000000000000, "じゅっちょう"},
    };
    for (const auto &[n, said] : rows)
        QTest::newRow(QByteArray::number(n)) << n << QString::fromUtf8(said);
}

void TestReading::numbers()
{
    QFETCH(qint64, n);
    QFETCH(QString, said);
    QCOMPARE(NumberReading(n), said);
}

void TestReading::problems_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<Block>("block");
    QTest::addColumn<FigureParts>("parts");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("said");
    const FigureParts none{};
    const QString squares = QStringLiteral("です。いろを　ぬった　ぶぶんの　めんせきは、なん");
    const auto row = [](const char *name, int level, Block b, FigureParts p, int asked, const QString &said) {
        QTest::newRow(name) << level << b << p << asked << said;
    };
    row("L1", 1, {2, 3, 0, 0}, none, 0, "ひとますの　いっぺんは　いちセンチメートル" + squares + "へいほうセンチメートルですか。");
    row("L2", 2, {4, 1, 2, 3}, none, 0, "ひとますの　いっぺんは　いちセンチメートル" + squares + "へいほうセンチメートルですか。");
    row("L3", 3, {1, 1, 1, 0}, none, 0, "ひとますの　いっぺんは　いちメートル" + squares + "へいほうメートルですか。");
    row("L4", 4, {2, 3, 4, 1}, none, 0, "ひとますの　いっぺんは　じゅうメートル" + squares + "アールですか。");
    row("L5", 5, {1, 2, 0, 0}, none, 0, "ひとますの　いっぺんは　ひゃくメートル" + squares + "ヘクタールですか。");
    row("L6", 6, {3, 3, 1, 0}, none, 0, "ひとますの　いっぺんは　いちキロメートル" + squares + "へいほうキロメートルですか。");
    row("L7", 7, {8, 2, 0, 5}, none, 0, "ひとますの　いっぺんは　いちセンチメートル" + squares + "へいほうセンチメートルですか。");
    row("L8 cm", 8, {8, 3, 0, 24}, none, 0, "たて　さんセンチメートル、よこ　はちセンチメートルの　ちょうほうけい。めんせきを　もとめましょう。");
    row("L8 km", 8, {2, 7, 2, 14}, none, 0, "たて　ななキロメートル、よこ　にキロメートルの　ちょうほうけい。めんせきを　もとめましょう。");
    row("L8 square m", 8, {5, 5, 1, 25}, none, 0, "いっぺんが　ごメートルの　せいほうけい。めんせきを　もとめましょう。");
    row("L9 mm across", 9, {2, 3, 0, 6}, none, 0, "たて　さんセンチメートル、よこ　にじゅうミリメートルの　ちょうほうけい。めんせきを　もとめましょう。");
    row("L9 mm down", 9, {4, 6, 1, 24}, none, 0, "たて　ろくじゅうミリメートル、よこ　よんセンチメートルの　ちょうほうけい。めんせきを　もとめましょう。");
    row("L10", 10, {9, 3, 0, 27}, {5, 4}, 3, "よこ　ごセンチメートルと　よんセンチメートル、たて　さんセンチメートルの　ずけい。ぜんたいの　めんせきを　もとめましょう。");
    row("L11", 11, {9, 8, 1, 92}, {4, 5}, 4, "うえの　よこ　じゅうさんメートル、したの　よこ　きゅうメートルと　よんメートル、ひだりの　たて　はちメートル、みぎの　たて　ごメートルと　さんメートルの　ずけい。ぜんたいの　めんせきを　もとめましょう。");
    row("L12 cm", 12, {7, 5, 0, 35}, none, 1, "たて　ななセンチメートル、よこ　ごセンチメートルの　ちょうほうけいの　めんせきを　もとめましょう。");
    row("L12 m square", 12, {4, 4, 1, 16}, none, 1, "いっぺんの　ながさが　よんメートルの　せいほうけいの　めんせきを　もとめましょう。");
    row("L12 a square", 12, {6, 6, 2, 36}, none, 1, "いっぺんの　ながさが　ろくじゅうメートルの　せいほうけいの　めんせきは、なんアールですか。");
    row("L12 ha", 12, {4, 9, 3, 36}, none, 1, "たて　よんひゃくメートル、よこ　きゅうひゃくメートルの　ちょうほうけいの　めんせきは、なんヘクタールですか。");
    row("L12 km2", 12, {5, 8, 4, 40}, none, 1, "たて　ごキロメートル、よこ　はちキロメートルの　ちょうほうけいの　めんせきは、なんへいほうキロメートルですか。");
    row("L12 cm and m", 12, {6, 4, 1, 24}, none, 2, "たて　ろっぴゃくセンチメートル、よこ　よんメートルの　ちょうほうけいの　めんせきは、なんへいほうメートルですか。");
    row("L12 cm square", 12, {9, 9, 1, 81}, none, 2, "いっぺんの　ながさが　きゅうひゃくセンチメートルの　せいほうけいの　めんせきは、なんへいほうメートルですか。");
    row("L12 km and m", 12, {4, 9, 4, 36}, none, 2, "たて　よんキロメートル、よこ　きゅうせんメートルの　ちょうほうけいの　めんせきは、なんへいほうキロメートルですか。");
    row("L12 m square in km2", 12, {7, 7, 4, 49}, none, 2, "いっぺんの　ながさが　ななせんメートルの　せいほうけいの　めんせきは、なんへいほうキロメートルですか。");
    row("L12 figure", 12, {8, 2, 0, 16}, {4, 4}, 3, "よこ　よんセンチメートルと　よんセンチメートル、たて　にセンチメートルの　ずけい。ぜんたいの　めんせきを　もとめましょう。");
}

void TestReading::problems()
{
    QFETCH(int, level);
    QFETCH(Block, block);
    QFETCH(FigureParts, parts);
    QFETCH(int, asked);
    QFETCH(QString, said);
    RowTable table;
    const int row = 2, k = 3;
    table.set(row, Col::ProblemCount, k);
    for (int j = 0; j < 4; ++j)
        table.set(row, Col::block(k, j + 1), block[j]);
    table.set(row, Col::FigurePart(k, 0), parts[0]);
    table.set(row, Col::FigurePart(k, 1), parts[1]);
    table.set(row, Col::Asked(k), asked);
    QCOMPARE(ProblemReading(level, table, row, k), said);
    // A problem the lane has not reached reads as nothing.
    QCOMPARE(ProblemReading(level, table, row, k + 1), QString());
}

void TestReading::afterACheck_data()
{
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("expected");
    using M = Mistake;
    QTest::newRow("right") << MarkReading(true) << "まる。せいかいです。";
    QTest::newRow("wrong") << MarkReading(false) << "ばつ。ちがいます。";
    QTest::newRow("answer cm2") << AnswerReading({24, AreaUnit::SquareCentimetre}) << "こたえは　にじゅうよんへいほうセンチメートルです。";
    QTest::newRow("answer m2") << AnswerReading({10000, AreaUnit::SquareMetre}) << "こたえは　いちまんへいほうメートルです。";
    QTest::newRow("answer a") << AnswerReading({1000000, AreaUnit::Are}) << "こたえは　ひゃくまんアールです。";
    QTest::newRow("answer ha") << AnswerReading({7, AreaUnit::Hectare}) << "こたえは　ななヘクタールです。";
    QTest::newRow("answer km2") << AnswerReading({12, AreaUnit::SquareKilometre}) << "こたえは　じゅうにへいほうキロメートルです。";
    QTest::newRow("hint zeros") << HintReading(M::Zeros, 4) << "ぜろの　かずを　たしかめよう";
    QTest::newRow("hint mm") << HintReading(M::Millimetres, 9) << "ミリメートルを　センチメートルに　なおそう";
    QTest::newRow("hint two parts") << HintReading(M::OnePart, 10) << "ふたつの　めんせきを　あわせよう";
    QTest::newRow("hint added") << HintReading(M::SidesAdded, 8) << "たしざんではなく　かけざんだよ";
    QTest::newRow("hint perimeter") << HintReading(M::Perimeter, 8) << "それは　まわりの　ながさだよ";
    QTest::newRow("hint think") << HintReading(M::Other, 12) << "もういちど　かんがえよう";
    QTest::newRow("hint count") << HintReading(M::Other, 7) << "もういちど　かぞえよう";
}

void TestReading::afterACheck()
{
    QFETCH(QString, said);
    QFETCH(QString, expected);
    QCOMPARE(said, expected);
}

QUILMO_TEST(TestReading)
#include "reading_test.moc"
