// Naming the mistake in a wrong answer, from the stored problem alone. Each
// row's answer is worked out by hand from the problem it names.
#include "drill/mistake.h"
#include "drill/numberreader.h"
#include "support/testregistry.h"

#include <QTest>

#include <algorithm>

using Block = std::array<int32_t, 4>;
Q_DECLARE_METATYPE(Block)
Q_DECLARE_METATYPE(FigureParts)
Q_DECLARE_METATYPE(Mistake)

class TestMistake : public QObject {
    Q_OBJECT
private slots:
    void classifyDrawnFigure_data();
    void classifyDrawnFigure();
    void classify_data();
    void classify();
    void commonestNamed_data();
    void commonestNamed();
};

void TestMistake::classify_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<Block>("block");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<Mistake>("mistake");
    const QString cm2 = QStringLiteral("ｃ㎡"), m2 = QStringLiteral("㎡"), a = QStringLiteral("ａ"),
                  ha = QStringLiteral("ｈａ"), km2 = QStringLiteral("ｋ㎡"), mm2 = QStringLiteral("ｍ㎡"),
                  cm = QStringLiteral("ｃｍ");
    using M = Mistake;

    // Level 1: 3 + 2 squares of 1 ｃ㎡.
    QTest::newRow("L1 5 m2") << 1 << Block{3, 2, 0, 0} << "5" << m2 << M::Unit;
    QTest::newRow("L1 5, no unit") << 1 << Block{3, 2, 0, 0} << "5" << "" << M::Unit;
    QTest::newRow("L1 5 in ascii cm2") << 1 << Block{3, 2, 0, 0} << "5" << "cm2" << M::Unit;
    QTest::newRow("L1 0.0005 m2 is right but not taken") << 1 << Block{3, 2, 0, 0} << "0.0005" << m2 << M::Unit;
    QTest::newRow("L1 500 m2: off by 100 in the wrong unit") << 1 << Block{3, 2, 0, 0} << "500" << m2 << M::Other;
    QTest::newRow("L1 50: counting has no zeros") << 1 << Block{3, 2, 0, 0} << "50" << cm2 << M::Other;
    QTest::newRow("L1 6 miscounted") << 1 << Block{3, 2, 0, 0} << "6" << cm2 << M::Other;
    QTest::newRow("L1 right") << 1 << Block{3, 2, 0, 0} << "5" << cm2 << M::Other;
    // Level 3: 3 squares of 1 ㎡, taken as 3 ㎡ or 30000 ｃ㎡.
    QTest::newRow("L3 3 cm2: the unit, or four zeros lost") << 3 << Block{1, 1, 1, 0} << "3" << cm2 << M::Other;
    QTest::newRow("L3 3 a") << 3 << Block{1, 1, 1, 0} << "3" << a << M::Unit;
    QTest::newRow("L3 300 m2") << 3 << Block{1, 1, 1, 0} << "300" << m2 << M::Zeros;
    QTest::newRow("L3 3000 cm2") << 3 << Block{1, 1, 1, 0} << "3000" << cm2 << M::Zeros;
    QTest::newRow("L3 300 a: off by 100 in a unit not taken") << 3 << Block{1, 1, 1, 0} << "300" << a << M::Other;
    QTest::newRow("L3 0.03 a: right, not taken") << 3 << Block{1, 1, 1, 0} << "0.03" << a << M::Unit;
    // Level 4: 10 squares of 1 ａ, taken as 10 ａ or 1000 ㎡.
    QTest::newRow("L4 10 m2: the unit, or zeros lost") << 4 << Block{2, 3, 4, 1} << "10" << m2 << M::Other;
    QTest::newRow("L4 1000 a: the unit, or zeros added") << 4 << Block{2, 3, 4, 1} << "1000" << a << M::Other;
    QTest::newRow("L4 1000 ha") << 4 << Block{2, 3, 4, 1} << "1000" << ha << M::Unit;
    QTest::newRow("L4 10 ha") << 4 << Block{2, 3, 4, 1} << "10" << ha << M::Unit;
    QTest::newRow("L4 0.1 ha: right, not taken") << 4 << Block{2, 3, 4, 1} << "0.1" << ha << M::Unit;
    QTest::newRow("L4 10000000 cm2: right, not taken") << 4 << Block{2, 3, 4, 1} << "10000000" << cm2 << M::Unit;
    QTest::newRow("L4 100 m2") << 4 << Block{2, 3, 4, 1} << "100" << m2 << M::Zeros;
    QTest::newRow("L4 10000 m2") << 4 << Block{2, 3, 4, 1} << "10000" << m2 << M::Zeros;
    QTest::newRow("L4 100 a") << 4 << Block{2, 3, 4, 1} << "100" << a << M::Zeros;
    QTest::newRow("L4 1 a") << 4 << Block{2, 3, 4, 1} << "1" << a << M::Zeros;
    QTest::newRow("L4 100000 cm2: off by 100 in a unit not taken") << 4 << Block{2, 3, 4, 1} << "100000" << cm2 << M::Other;
    QTest::newRow("L4 11 a") << 4 << Block{2, 3, 4, 1} << "11" << a << M::Other;
    QTest::newRow("L4 1100 m2") << 4 << Block{2, 3, 4, 1} << "1100" << m2 << M::Other;
    // Level 6: 2 squares of 1 ｋ㎡ = 200 ｈａ = 20000 ａ = 2000000 ㎡.
    QTest::newRow("L6 2000 m2") << 6 << Block{1, 1, 0, 0} << "2000" << m2 << M::Zeros;
    QTest::newRow("L6 200 a: the number for ha, or zeros") << 6 << Block{1, 1, 0, 0} << "200" << a << M::Other;
    QTest::newRow("L6 2000 a") << 6 << Block{1, 1, 0, 0} << "2000" << a << M::Zeros;
    QTest::newRow("L6 20 ha") << 6 << Block{1, 1, 0, 0} << "20" << ha << M::Zeros;
    QTest::newRow("L6 200 km2: the number for ha, or zeros") << 6 << Block{1, 1, 0, 0} << "200" << km2 << M::Other;
    QTest::newRow("L6 200, no unit") << 6 << Block{1, 1, 0, 0} << "200" << "" << M::Unit;
    QTest::newRow("L6 20000000000 cm2") << 6 << Block{1, 1, 0, 0} << "20000000000" << cm2 << M::Unit;
    // Level 7: shape 4 with one square, 2 ｃ㎡.
    QTest::newRow("L7 2 m2") << 7 << Block{4, 1, 0, 2} << "2" << m2 << M::Unit;
    QTest::newRow("L7 20: counting has no zeros") << 7 << Block{4, 1, 0, 2} << "20" << cm2 << M::Other;
    QTest::newRow("L7 3, triangles counted whole") << 7 << Block{4, 1, 0, 2} << "3" << cm2 << M::Other;

    // Level 8: たて3cm, 横5cm, 15 ｃ㎡, 16 cm around.
    QTest::newRow("L8 perimeter") << 8 << Block{5, 3, 0, 15} << "16" << cm2 << M::Perimeter;
    QTest::newRow("L8 sides added") << 8 << Block{5, 3, 0, 15} << "8" << cm2 << M::SidesAdded;
    QTest::newRow("L8 15 m2") << 8 << Block{5, 3, 0, 15} << "15" << m2 << M::Unit;
    QTest::newRow("L8 150 cm2") << 8 << Block{5, 3, 0, 15} << "150" << cm2 << M::Zeros;
    QTest::newRow("L8 1500 m2: off by 100 in the wrong unit") << 8 << Block{5, 3, 0, 15} << "1500" << m2 << M::Other;
    QTest::newRow("L8 perimeter in the wrong unit") << 8 << Block{5, 3, 0, 15} << "16" << m2 << M::Other;
    QTest::newRow("L8 perimeter in cm") << 8 << Block{5, 3, 0, 15} << "16" << cm << M::Perimeter;
    QTest::newRow("L8 1500 mm2") << 8 << Block{5, 3, 0, 15} << "1500" << mm2 << M::Unit;
    QTest::newRow("L8 14") << 8 << Block{5, 3, 0, 15} << "14" << cm2 << M::Other;
    // 一辺が4cmの正方形: 16 cm around and 16 ｃ㎡.
    QTest::newRow("L8 4x4: 16 is right, not the perimeter") << 8 << Block{4, 4, 0, 16} << "16" << cm2 << M::Other;
    QTest::newRow("L8 4x4: 16 m2 is the unit") << 8 << Block{4, 4, 0, 16} << "16" << m2 << M::Unit;
    QTest::newRow("L8 4x4: 8 added") << 8 << Block{4, 4, 0, 16} << "8" << cm2 << M::SidesAdded;
    // たて3cm, 横6cm: 18 cm around and 18 ｃ㎡.
    QTest::newRow("L8 3x6: 18 is right") << 8 << Block{6, 3, 0, 18} << "18" << cm2 << M::Other;
    QTest::newRow("L8 3x6: 18 a is the unit") << 8 << Block{6, 3, 0, 18} << "18" << a << M::Unit;
    // たて3km, 横5km: 15 ｋ㎡ = 15000000 ㎡, 16 km around.
    QTest::newRow("L8 km2 in m2") << 8 << Block{5, 3, 2, 15} << "15000000" << m2 << M::Unit;
    QTest::newRow("L8 15000 km2") << 8 << Block{5, 3, 2, 15} << "15000" << km2 << M::Zeros;
    QTest::newRow("L8 km perimeter") << 8 << Block{5, 3, 2, 15} << "16" << km2 << M::Perimeter;

    // Level 9: たて2cm, 横60mm: 12 ｃ㎡.
    QTest::newRow("L9 60 mm kept") << 9 << Block{6, 2, 0, 12} << "120" << cm2 << M::Millimetres;
    QTest::newRow("L9 both in mm") << 9 << Block{6, 2, 0, 12} << "1200" << cm2 << M::Millimetres;
    QTest::newRow("L9 perimeter") << 9 << Block{6, 2, 0, 12} << "16" << cm2 << M::Perimeter;
    QTest::newRow("L9 added") << 9 << Block{6, 2, 0, 12} << "8" << cm2 << M::SidesAdded;
    QTest::newRow("L9 12 m2") << 9 << Block{6, 2, 0, 12} << "12" << m2 << M::Unit;
    QTest::newRow("L9 1.2: no zeros here") << 9 << Block{6, 2, 0, 12} << "1.2" << cm2 << M::Other;
    QTest::newRow("L9 mm kept and the wrong unit") << 9 << Block{6, 2, 0, 12} << "120" << m2 << M::Other;
    // たて30mm,横5cm: 15 ｃ㎡.
    QTest::newRow("L9 1200 mm2") << 9 << Block{6, 2, 0, 12} << "1200" << mm2 << M::Unit;
    // たて8cm, 横10mm: 8 + 10 is no perimeter, 2 × (8 + 1).
    QTest::newRow("L9 8 + 10") << 9 << Block{1, 8, 0, 8} << "18" << cm2 << M::Other;
    QTest::newRow("L9 30 mm kept") << 9 << Block{5, 3, 1, 15} << "150" << cm2 << M::Millimetres;

    // Level 10: 9 cm wide in all, 3 cm high, so 4 cm and 5 cm: 27 ｃ㎡.
    QTest::newRow("L10 15: the 5 cm part, or 7 + 8") << 10 << Block{9, 3, 0, 27} << "15" << cm2 << M::Other;
    QTest::newRow("L10 12 is the 4 cm part and 9 + 3") << 10 << Block{9, 3, 0, 27} << "12" << cm2 << M::Other;
    QTest::newRow("L10 perimeter") << 10 << Block{9, 3, 0, 27} << "24" << cm2 << M::Perimeter;
    QTest::newRow("L10 270") << 10 << Block{9, 3, 0, 27} << "270" << cm2 << M::Zeros;
    QTest::newRow("L10 27 a") << 10 << Block{9, 3, 0, 27} << "27" << a << M::Unit;
    // 10 cm wide: 4 + 6, 5 + 5 or 6 + 4, so no part is sure.
    QTest::newRow("L10 15 may not be a part") << 10 << Block{10, 3, 0, 30} << "15" << cm2 << M::Other;
    QTest::newRow("L10 12 may not be a part") << 10 << Block{10, 3, 0, 30} << "12" << cm2 << M::Other;
    QTest::newRow("L10 26 around") << 10 << Block{10, 3, 0, 30} << "26" << cm2 << M::Perimeter;
    QTest::newRow("L10 13 added") << 10 << Block{10, 3, 0, 30} << "13" << cm2 << M::SidesAdded;
    // 12 cm wide, 4 high: 32 around, and the 8 cm part if there is one.
    QTest::newRow("L10 32 around or a part") << 10 << Block{12, 4, 0, 48} << "32" << cm2 << M::Other;
    // 16 cm wide: 8 + 8.
    QTest::newRow("L10 half of 8 + 8") << 10 << Block{16, 5, 0, 80} << "40" << cm2 << M::OnePart;

    // Level 11: left 6 m by 7 m, the rest 20 ㎡ (4 by 5 or 5 by 4): 62 ㎡.
    QTest::newRow("L11 left part") << 11 << Block{6, 7, 1, 62} << "42" << m2 << M::OnePart;
    QTest::newRow("L11 right part") << 11 << Block{6, 7, 1, 62} << "20" << m2 << M::OnePart;
    QTest::newRow("L11 outer 11 x 7, if 5 wide") << 11 << Block{6, 7, 1, 62} << "77" << m2 << M::Other;
    QTest::newRow("L11 outer 10 x 7, if 4 wide") << 11 << Block{6, 7, 1, 62} << "70" << m2 << M::Other;
    QTest::newRow("L11 62 a") << 11 << Block{6, 7, 1, 62} << "62" << a << M::Unit;
    QTest::newRow("L11 620") << 11 << Block{6, 7, 1, 62} << "620" << m2 << M::Zeros;
    QTest::newRow("L11 42 in a: part and unit") << 11 << Block{6, 7, 1, 62} << "42" << a << M::Other;
    // Left 7 by 8, right 8 by 7 (56 ㎡ has no other right part): 112 ㎡.
    QTest::newRow("L11 outer 15 x 8") << 11 << Block{7, 8, 1, 112} << "120" << m2 << M::WholeRectangle;
    QTest::newRow("L11 perimeter") << 11 << Block{7, 8, 1, 112} << "46" << m2 << M::Perimeter;
    QTest::newRow("L11 either part") << 11 << Block{7, 8, 1, 112} << "56" << m2 << M::OnePart;
    // Left 5 by 6, right 4 by 4: 30 is both the left part and the perimeter.
    QTest::newRow("L11 outer 9 x 6") << 11 << Block{5, 6, 1, 46} << "54" << m2 << M::WholeRectangle;
    QTest::newRow("L11 30 around or a part") << 11 << Block{5, 6, 1, 46} << "30" << m2 << M::Other;

    // Level 12: たて60m, 横30mの長方形, 何ａ: 18 ａ = 1800 ㎡, 180 m around.
    QTest::newRow("L12 in m2") << 12 << Block{6, 3, 2, 18} << "1800" << m2 << M::Unit;
    QTest::newRow("L12 18 m2") << 12 << Block{6, 3, 2, 18} << "18" << m2 << M::Unit;
    QTest::newRow("L12 1800 a") << 12 << Block{6, 3, 2, 18} << "1800" << a << M::Zeros;
    QTest::newRow("L12 180 a: around or zeros") << 12 << Block{6, 3, 2, 18} << "180" << a << M::Other;
    QTest::newRow("L12 90 a added") << 12 << Block{6, 3, 2, 18} << "90" << a << M::SidesAdded;
    // たて5km, 横7000m (or 横7km): 35 ｋ㎡, 24 km around.
    QTest::newRow("L12 km perimeter") << 12 << Block{5, 7, 4, 35} << "24" << km2 << M::Perimeter;
    QTest::newRow("L12 km added") << 12 << Block{5, 7, 4, 35} << "12" << km2 << M::SidesAdded;
    QTest::newRow("L12 35 m2") << 12 << Block{5, 7, 4, 35} << "35" << m2 << M::Unit;
    // たて8cm, 横3cm, or a composite 4 + 4 by 3: 12 is a part of the one only.
    QTest::newRow("L12 8 x 3 or 4 + 4") << 12 << Block{8, 3, 0, 24} << "12" << cm2 << M::Other;
    QTest::newRow("L12 8 x 3 around") << 12 << Block{8, 3, 0, 24} << "22" << cm2 << M::Perimeter;
    QTest::newRow("L12 composite 4 + 5") << 12 << Block{9, 3, 0, 27} << "15" << cm2 << M::Other;
    QTest::newRow("L12 composite 10 wide") << 12 << Block{16, 5, 0, 80} << "40" << cm2 << M::OnePart;
    QTest::newRow("L12 stepped left part") << 12 << Block{6, 7, 1, 62} << "42" << m2 << M::OnePart;
    QTest::newRow("L12 stepped outer") << 12 << Block{7, 8, 1, 112} << "120" << m2 << M::WholeRectangle;
    QTest::newRow("L12 bad unit code") << 12 << Block{3, 2, 9, 6} << "12" << cm2 << M::Other;
    QTest::newRow("level 0") << 0 << Block{3, 2, 0, 0} << "5" << m2 << M::Other;
}

// With the parts stored beside the block, the figure drawn is known: what
// the block alone leaves open can be named.
void TestMistake::classifyDrawnFigure_data()
{
    using M = Mistake;
    QTest::addColumn<int>("level");
    QTest::addColumn<Block>("block");
    QTest::addColumn<FigureParts>("parts");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<Mistake>("mistake");
    const QString cm2 = QStringLiteral("ｃ㎡"), m2 = QStringLiteral("㎡");
    // 10 cm wide of 3 cm, drawn as 4 + 6: 12 and 18 are its parts, 15 no part.
    QTest::newRow("L10 4 + 6, left part") << 10 << Block{10, 3, 0, 30} << FigureParts{4, 6} << "12" << cm2 << M::OnePart;
    QTest::newRow("L10 4 + 6, right part") << 10 << Block{10, 3, 0, 30} << FigureParts{4, 6} << "18" << cm2 << M::OnePart;
    QTest::newRow("L10 4 + 6, 15 is nothing") << 10 << Block{10, 3, 0, 30} << FigureParts{4, 6} << "15" << cm2 << M::Other;
    QTest::newRow("L10 4 + 6, each part's sides added") << 10 << Block{10, 3, 0, 30} << FigureParts{4, 6} << "16" << cm2 << M::SidesAdded;
    // 4 + 5 by 3: 15 is the right part, and (4 + 3) + (5 + 3).
    QTest::newRow("L10 4 + 5, 15") << 10 << Block{9, 3, 0, 27} << FigureParts{4, 5} << "15" << cm2 << M::Other;
    // Left 5 by 7, right 4 by 4: 16 is the right part, and 9 + 7 on top and left.
    QTest::newRow("L11 16 added or a part") << 11 << Block{5, 7, 1, 51} << FigureParts{4, 4} << "16" << m2 << M::Other;
    QTest::newRow("L11 left part 5 x 7") << 11 << Block{5, 7, 1, 51} << FigureParts{4, 4} << "35" << m2 << M::OnePart;
    // Left 5 by 5, right 5 by 4: 50 outer less 20, the right part, is no perimeter.
    QTest::newRow("L11 outer less the part") << 11 << Block{5, 5, 1, 45} << FigureParts{5, 4} << "30" << m2 << M::Other;
    // Left 5 by 8, right 5 by 4: 80 outer less 10 by 4 is no part.
    QTest::newRow("L11 outer less a strip") << 11 << Block{5, 8, 1, 60} << FigureParts{5, 4} << "40" << m2 << M::Other;
    QTest::newRow("L10 4 + 6, still around") << 10 << Block{10, 3, 0, 30} << FigureParts{4, 6} << "26" << cm2 << M::Perimeter;
    // Left 6 by 7, right 5 wide and 4 high: 20 ㎡ right, 11 × 7 = 77 outer.
    QTest::newRow("L11 outer 11 x 7") << 11 << Block{6, 7, 1, 62} << FigureParts{5, 4} << "77" << m2 << M::WholeRectangle;
    QTest::newRow("L11 70 is no outer") << 11 << Block{6, 7, 1, 62} << FigureParts{5, 4} << "70" << m2 << M::Other;
    // A text problem of level 12 stores no parts: 8 × 3 cm has no half.
    QTest::newRow("L12 text 8 x 3") << 12 << Block{8, 3, 0, 24} << FigureParts{0, 0} << "12" << cm2 << M::Other;
    QTest::newRow("L12 drawn 4 + 4") << 12 << Block{8, 3, 0, 24} << FigureParts{4, 4} << "12" << cm2 << M::OnePart;
    // Parts no figure of the block has: nothing is named from the figure.
    QTest::newRow("L10 parts of another") << 10 << Block{10, 3, 0, 30} << FigureParts{3, 3} << "26" << cm2 << M::Other;
}

void TestMistake::classifyDrawnFigure()
{
    QFETCH(int, level);
    QFETCH(Block, block);
    QFETCH(FigureParts, parts);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    QFETCH(Mistake, mistake);
    QCOMPARE(ClassifyMistake(level, block, ReadNumber(number), unit, parts), mistake);
}

void TestMistake::classify()
{
    QFETCH(int, level);
    QFETCH(Block, block);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    QFETCH(Mistake, mistake);
    QCOMPARE(ClassifyMistake(level, block, ReadNumber(number), unit), mistake);
}

// The first answer of the list that the drill names: what the commonest
// mistake it can name gives for the problem.
void TestMistake::commonestNamed_data()
{
    using M = Mistake;
    QTest::addColumn<int>("level");
    QTest::addColumn<Block>("block");
    QTest::addColumn<FigureParts>("parts");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<Mistake>("mistake");
    const QString cm2 = QStringLiteral("ｃ㎡"), m2 = QStringLiteral("㎡");
    const FigureParts none{0, 0};
    // たて3cm, 横5cm: 16 around.
    QTest::newRow("L8 3 x 5") << 8 << Block{5, 3, 0, 15} << none << 16.0 << cm2 << M::Perimeter;
    // 一辺が4cm: 16 around is the area, 16 cm the number; 4 + 4 is left.
    QTest::newRow("L8 4 x 4") << 8 << Block{4, 4, 0, 16} << none << 8.0 << cm2 << M::SidesAdded;
    // 4 + 5 by 3: the parts 12 and 15 are also 4 + 5 + 3 and 7 + 8.
    QTest::newRow("L10 4 + 5") << 10 << Block{9, 3, 0, 27} << FigureParts{4, 5} << 24.0 << cm2 << M::Perimeter;
    QTest::newRow("L10 4 + 6") << 10 << Block{10, 3, 0, 30} << FigureParts{4, 6} << 12.0 << cm2 << M::OnePart;
    QTest::newRow("L11 6 x 7 and 5 x 4") << 11 << Block{6, 7, 1, 62} << FigureParts{5, 4} << 42.0 << m2 << M::OnePart;
    // 10 squares of 1 ａ: a zero added in the unit asked for.
    QTest::newRow("L4 10 a") << 4 << Block{2, 3, 4, 1} << none << 100.0 << QStringLiteral("ａ") << M::Zeros;
    // Two squares counted: only the unit can be named.
    QTest::newRow("L7 2 squares") << 7 << Block{4, 1, 0, 2} << none << 2.0 << m2 << M::Unit;
    QTest::newRow("L12 bad unit code") << 12 << Block{3, 2, 9, 6} << none << 0.0 << QString() << M::Other;
    QTest::newRow("level 0") << 0 << Block{3, 2, 0, 0} << none << 0.0 << QString() << M::Other;
}

void TestMistake::commonestNamed()
{
    QFETCH(int, level);
    QFETCH(Block, block);
    QFETCH(FigureParts, parts);
    QFETCH(double, number);
    QFETCH(QString, unit);
    QFETCH(Mistake, mistake);
    const std::vector<MistakenAnswer> answers = MistakenAnswers(level, block, parts);
    const auto named = std::find_if(answers.begin(), answers.end(),
                                    [](const MistakenAnswer &a) { return a.named != Mistake::Other; });
    if (mistake == Mistake::Other) {
        QVERIFY(named == answers.end());
        return;
    }
    QVERIFY(named != answers.end());
    QCOMPARE(named->number, number);
    QCOMPARE(named->unit, unit);
    QCOMPARE(named->named, mistake);
    QCOMPARE(named->kind, mistake);
}

QUILMO_TEST(TestMistake)
#include "mistake_test.moc"
