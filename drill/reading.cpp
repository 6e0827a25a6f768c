#include "drill/reading.h"

#include "drill/composite.h"
#include "drill/levels.h"
#include "drill/mixedunits.h"
#include "drill/wordproblem.h"
#include "drill/transformed.h"

namespace {

const char *const Ones[] = {"", "いち", "に", "さん", "よん", "ご", "ろく", "なな", "はち", "きゅう"};
const char *const Tens[] = {"", "じゅう", "にじゅう", "さんじゅう", "よんじゅう", "ごじゅう", "ろくじゅう", "ななじゅう",
                            "はちじゅう", "きゅうじゅう"};
const char *const Hundreds[] = {"", "ひゃく", "にひゃく", "さんびゃく", "よんひゃく", "ごひゃく", "ろっぴゃく",
                                "ななひゃく", "はっぴゃく", "きゅうひゃく"};
const char *const Thousands[] = {"", "せん", "にせん", "さんぜん", "よんせん", "ごせん", "ろくせん", "ななせん",
                                 "はっせん", "きゅうせん"};
const char *const Myriads[] = {"", "まん", "おく", "ちょう", "けい"};

// 1 to 9999.
QString groupReading(int g)
{
    return QString::fromUtf8(Thousands[g / 1000]) + QString::fromUtf8(Hundreds[g / 100 % 10]) +
           QString::fromUtf8(Tens[g / 10 % 10]) + QString::fromUtf8(Ones[g % 10]);
}

// Before ちょう and けい the last sound of いち, はち and じゅう is clipped.
QString clipped(QString g)
{
    for (const auto &[whole, cut] : {std::pair{"いち", "いっ"}, {"はち", "はっ"}, {"じゅう", "じゅっ"}})
        if (g.endsWith(QString::fromUtf8(whole)))
            return g.chopped(QString::fromUtf8(whole).size()) + QString::fromUtf8(cut);
    return g;
}

QString lengthSaid(const SideLength &s)
{
    return NumberReading(s.n) + lengthReading(s.unit);
}

const QString Find = QStringLiteral("めんせきを　もとめましょう。");
const QString FindWhole = QStringLiteral("ぜんたいの　めんせきを　もとめましょう。");
const QString And = QStringLiteral("と　");
const QString Comma = QStringLiteral("、");

// Unit squares and transformed figures: the legend square's side, and the
// level's own unit.
QString squaresReading(int level)
{
    const bool transformed = levelFacts(level).family == Family::Transformed;
    const LevelFacts &facts = levelFacts(transformed ? TransformedLegendLevel : level);
    const QString legend = QString::fromUtf8(facts.legend);
    int split = 0;
    while (split < legend.size() && legend[split].isDigit())
        ++split;
    const std::optional<LengthUnit> unit = lengthUnitOfText(legend.mid(split));
    const QString side =
        unit ? lengthSaid({legend.left(split).toInt(), *unit}) : QString();
    return QStringLiteral("ひとますの　いっぺんは　") + side + QStringLiteral("です。いろを　ぬった　ぶぶんの　めんせきは、なん") +
           unitReading(levelFacts(level).units[0].unit) + QStringLiteral("ですか。");
}

QString rectangleReading(const SideLength &tate, const SideLength &yoko)
{
    return QStringLiteral("たて　") + lengthSaid(tate) + Comma + QStringLiteral("よこ　") + lengthSaid(yoko) +
           QStringLiteral("の　ちょうほうけい。") + Find;
}

QString sidesReading(const WordProblem &p)
{
    const QString shape = p.square ? QStringLiteral("いっぺんの　ながさが　") + lengthSaid(p.squareSide) +
                                         QStringLiteral("の　せいほうけいの　めんせき")
                                   : QStringLiteral("たて　") + lengthSaid(p.first) + Comma + QStringLiteral("よこ　") +
                                         lengthSaid(p.second) + QStringLiteral("の　ちょうほうけいの　めんせき");
    if (p.askedIn)
        return shape + QStringLiteral("は、なん") + unitReading(*p.askedIn) + QStringLiteral("ですか。");
    return shape + QStringLiteral("を　もとめましょう。");
}

QString compositeReading(int level, const std::array<int32_t, 4> &b, const FigureParts &parts, int32_t asked)
{
    ProblemKind kind = static_cast<ProblemKind>(asked);
    if (asked < 1 || asked > 4)
        kind = levelFacts(level).mix == CompositeMix::Stepped ? ProblemKind::Stepped : ProblemKind::EqualHeight;
    const auto cm = [](int n) { return lengthSaid({n, LengthUnit::Centimetre}); };
    const auto m = [](int n) { return lengthSaid({n, LengthUnit::Metre}); };
    switch (kind) {
    case ProblemKind::OneUnit: return sidesReading(oneUnitProblem(b[0], b[1], b[2]));
    case ProblemKind::TwoUnits:
        return sidesReading(twoUnitProblem(b[0], b[1], b[2] == unitCode(AreaUnit::SquareMetre) ? 0 : 2));
    case ProblemKind::EqualHeight:
        return QStringLiteral("よこ　") + cm(parts[0]) + And + cm(parts[1]) + Comma + QStringLiteral("たて　") + cm(b[1]) +
               QStringLiteral("の　ずけい。") + FindWhole;
    case ProblemKind::Stepped: break;
    }
    const int W = b[0], H = b[1], W2 = parts[0], H2 = parts[1];
    return QStringLiteral("うえの　よこ　") + m(W + W2) + Comma + QStringLiteral("したの　よこ　") + m(W) + And + m(W2) +
           Comma + QStringLiteral("ひだりの　たて　") + m(H) + Comma + QStringLiteral("みぎの　たて　") + m(H2) + And +
           m(H - H2) + QStringLiteral("の　ずけい。") + FindWhole;
}

} // namespace

QString NumberReading(qint64 n)
{
    if (n == 0)
        return QStringLiteral("ぜろ");
    if (n < 0)
        return QStringLiteral("マイナス") + NumberReading(-n);
    QString said;
    for (int myriad = 0; n > 0 && myriad < 5; ++myriad, n /= 10000) {
        const int g = static_cast<int>(n % 10000);
        if (g == 0)
            continue;
        const QString group = myriad >= 3 ? clipped(groupReading(g)) : groupReading(g);
        said.prepend(group + QString::fromUtf8(Myriads[myriad]));
    }
    return said;
}

QString ProblemReading(int level, const RowTable &table, int row, int k)
{
    if (!isLevel(level) || k < 1 || k > RowTable::MaxProblems || k > table.at(row, Col::ProblemCount))
        return {};
    const std::array<int32_t, 4> b = storedBlock(table, row, k);
    switch (levelFacts(level).family) {
    case Family::UnitSquares:
    case Family::Transformed: return squaresReading(level);
    case Family::Rectangles: {
        const LengthUnit u = sideUnit(b[2]);
        if (b[0] == b[1])
            return QStringLiteral("いっぺんが　") + lengthSaid({b[0], u}) + QStringLiteral("の　せいほうけい。") + Find;
        return rectangleReading({b[1], u}, {b[0], u});
    }
    case Family::MixedUnits: {
        const auto [tate, yoko] = mixedUnitsSides({b[0], b[1], b[2]});
        return rectangleReading(tate, yoko);
    }
    case Family::Composite: break;
    }
    return compositeReading(level, b, storedParts(table, row, k), table.at(row, Col::Asked(k)));
}

QString MarkReading(bool right)
{
    return right ? QStringLiteral("まる。せいかいです。") : QStringLiteral("ばつ。ちがいます。");
}

QString AnswerReading(const ExpectedAnswer &answer)
{
    return QStringLiteral("こたえは　") + NumberReading(answer.number) + unitReading(answer.unit) + QStringLiteral("です。");
}
