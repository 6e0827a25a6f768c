#include "drill/mistake.h"

#include "core/areaunit.h"
#include "drill/composite.h"
#include "drill/judge.h"
#include "drill/levels.h"
#include "drill/wordproblem.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

namespace {

// The catalogue: every hint a wrong answer can show, the commonest mistake
// first, with its line and how the line is read aloud. Which levels name each is a column of the levels.
struct CatalogueRow {
    Mistake kind;
    const char *line;    // UTF-8
    const char *reading; // the line in kana, as it is read aloud
};
constexpr CatalogueRow Catalogue[] = {
    {Mistake::OnePart, "2つの　面積を　合わせよう", "ふたつの　めんせきを　あわせよう"},
    {Mistake::WholeRectangle, "へこんだ　ところを　ひこう", "へこんだ　ところを　ひこう"},
    {Mistake::Perimeter, "それは　まわりの　長さだよ", "それは　まわりの　ながさだよ"},
    {Mistake::SidesAdded, "たし算ではなく　かけ算だよ", "たしざんではなく　かけざんだよ"},
    {Mistake::Millimetres, "mmを　cmに　なおそう", "ミリメートルを　センチメートルに　なおそう"},
    {Mistake::Zeros, "0の　数を　たしかめよう", "ぜろの　かずを　たしかめよう"},
    {Mistake::Unit, "たんいを　たしかめよう", "たんいを　たしかめよう"},
};

// The place in the catalogue; Other comes after every row.
int rank(Mistake m)
{
    const auto row = std::find_if(std::begin(Catalogue), std::end(Catalogue),
                                  [m](const CatalogueRow &r) { return r.kind == m; });
    return static_cast<int>(row - std::begin(Catalogue));
}

const char *lineOf(Mistake m)
{
    const int i = rank(m);
    return i < static_cast<int>(std::size(Catalogue)) ? Catalogue[i].line : nullptr;
}

// Units no problem takes, spelt as the unit buttons build them.
QString squareMillimetres()
{
    return QStringLiteral("ｍ㎡");
}

// A length in the unit of the sides: ａ and ｈａ have their sides in m.
QString lengthText(AreaUnit area)
{
    switch (area) {
    case AreaUnit::SquareCentimetre: return QStringLiteral("ｃｍ");
    case AreaUnit::SquareKilometre: return QStringLiteral("ｋｍ");
    default: return QStringLiteral("ｍ");
    }
}

// Every unit a mistake can give; any other text typed counts as the empty one.
const std::vector<QString> &modelledUnits()
{
    static const std::vector<QString> units = [] {
        std::vector<QString> u;
        for (int code = unitCode(AreaUnit::SquareCentimetre); code <= unitCode(AreaUnit::SquareKilometre); ++code)
            u.push_back(unitText(static_cast<AreaUnit>(code)));
        for (AreaUnit length : {AreaUnit::SquareCentimetre, AreaUnit::SquareMetre, AreaUnit::SquareKilometre})
            u.push_back(lengthText(length));
        u.push_back(squareMillimetres());
        u.push_back(QString());
        return u;
    }();
    return units;
}

// n × 10^p, rounded once, as the number reader rounds the decimal a pupil types.
double scaled(qint64 n, int p)
{
    double ten = 1;
    for (int i = 0; i < std::abs(p); ++i)
        ten *= 10;
    return p >= 0 ? static_cast<double>(n) * ten : static_cast<double>(n) / ten;
}

// What one figure the block may stand for gives by each mistake; with an
// answer sought, only the mistakes that give it.
struct Answers {
    const MistakenAnswer *sought = nullptr;
    std::vector<MistakenAnswer> list;

    void add(Mistake kind, double number, const QString &unit)
    {
        if (!sought || (number == sought->number && unit == sought->unit))
            list.push_back({Mistake::Other, number, unit, kind});
    }
};

// The units a figure's answers come in: the area asked for, and its sides'.
struct Units {
    QString area;
    QString length;
};

// The two sides added, and the length around, in either unit.
void addLengths(Answers &v, qint64 a, qint64 b, const Units &u)
{
    for (const QString &unit : {u.area, u.length}) {
        v.add(Mistake::Perimeter, static_cast<double>(2 * (a + b)), unit);
        v.add(Mistake::SidesAdded, static_cast<double>(a + b), unit);
    }
}

Answers compositeAnswers(const CompositeProblem &c, const Units &u, const MistakenAnswer *sought)
{
    Answers v{sought, {}};
    const qint64 W = c.W, H = c.H, W2 = c.W2, H2 = c.H2;
    switch (c.kind) {
    case ProblemKind::OneUnit: addLengths(v, oneUnitScale(c.U) * W, oneUnitScale(c.U) * H, u); break;
    // In the length whose square is asked for: 100W cm are W m, 1000H m are H km.
    case ProblemKind::TwoUnits: addLengths(v, W, H, u); break;
    case ProblemKind::EqualHeight:
        addLengths(v, W + W2, H, u);
        v.add(Mistake::SidesAdded, static_cast<double>((W + H) + (W2 + H)), u.area);
        v.add(Mistake::OnePart, static_cast<double>(W * H), u.area);
        v.add(Mistake::OnePart, static_cast<double>(W2 * H), u.area);
        break;
    case ProblemKind::Stepped: {
        // As long around as its outer rectangle, whose top and left labels
        // a pupil may add.
        addLengths(v, W + W2, H, u);
        v.add(Mistake::SidesAdded, static_cast<double>((W + H) + (W2 + H2)), u.area);
        v.add(Mistake::OnePart, static_cast<double>(W * H), u.area);
        v.add(Mistake::OnePart, static_cast<double>(W2 * H2), u.area);
        const qint64 outer = (W + W2) * H;
        v.add(Mistake::WholeRectangle, static_cast<double>(outer), u.area);
        // The outer rectangle less the wrong piece: the right part itself
        // (or the right part as high as the notch), the notch as wide as the
        // left part, or a strip the whole width.
        for (qint64 piece : {W2 * H2, W * (H - H2), (W + W2) * (H - H2)})
            v.add(Mistake::Other, static_cast<double>(outer - piece), u.area);
        break;
    }
    }
    return v;
}

// The figures a stored block can stand for, each with what its mistakes give.
std::vector<Answers> figuresOf(int level, const std::array<int32_t, 4> &block, const std::optional<FigureParts> &parts,
                               const Units &u, const MistakenAnswer *sought)
{
    std::vector<Answers> figures;
    const Family family = levelFacts(level).family;
    if (family == Family::Rectangles || family == Family::MixedUnits) {
        Answers v{sought, {}};
        addLengths(v, block[0], block[1], u); // in cm with mixed units, the mm side turned
        if (family == Family::MixedUnits) {
            const qint64 area = block[3];
            // One side, or both, taken in mm: ten or a hundred times the area.
            v.add(Mistake::Millimetres, static_cast<double>(10 * area), u.area);
            v.add(Mistake::Millimetres, static_cast<double>(100 * area), u.area);
            // The sides as printed, mm and cm added, neither turned nor multiplied.
            const qint64 shown = block[2] == 0 ? block[1] + 10 * qint64(block[0]) : 10 * qint64(block[1]) + block[0];
            v.add(Mistake::Other, static_cast<double>(shown), u.area);
            v.add(Mistake::Other, static_cast<double>(2 * shown), u.area);
        }
        figures.push_back(v);
    }
    for (const CompositeProblem &c : possibleComposites(level))
        if (compositeBlock(c) == block && (!parts || compositeParts(c) == *parts))
            figures.push_back(compositeAnswers(c, u, sought));
    if (figures.empty())
        figures.push_back({sought, {}});
    return figures;
}

// What any figure gives: the number of a unit the problem takes with another
// unit, or a power of ten off in it; the right area in a unit it does not take.
void addUnitAnswers(Answers &v, int level, const std::array<int32_t, 4> &block, const ExpectedAnswer &e)
{
    const bool mixed = levelFacts(level).family == Family::MixedUnits;
    // The unit asked for first, and the nearer powers of ten first: commoner.
    std::vector<AreaUnit> units{e.unit};
    for (int code = unitCode(AreaUnit::SquareCentimetre); code <= unitCode(AreaUnit::SquareKilometre); ++code)
        if (code != unitCode(e.unit))
            units.push_back(static_cast<AreaUnit>(code));
    for (const AreaUnit unit : units) {
        const int p = tenPowerInSquareCentimetres(e.unit) - tenPowerInSquareCentimetres(unit);
        const double right = scaled(e.number, p);
        const QString text = unitText(unit);
        if (!IsRightAnswer(level, block, right, text)) {
            v.add(Mistake::Unit, right, text);
            continue;
        }
        for (const QString &other : modelledUnits())
            if (other != text)
                v.add(Mistake::Unit, right, other);
        // With mixed units, ten and a hundred times are the sides left in mm.
        for (int zeros = 1; zeros <= 9; ++zeros) {
            if (!(mixed && zeros <= 2))
                v.add(Mistake::Zeros, scaled(e.number, p + zeros), text);
            v.add(Mistake::Zeros, scaled(e.number, p - zeros), text);
        }
    }
    v.add(Mistake::Unit, scaled(e.number, tenPowerInSquareCentimetres(e.unit) + 2), squareMillimetres());
}

std::vector<Answers> model(int level, const std::array<int32_t, 4> &block, const std::optional<FigureParts> &parts,
                           const ExpectedAnswer &e, const MistakenAnswer *sought = nullptr)
{
    std::vector<Answers> figures = figuresOf(level, block, parts, {unitText(e.unit), lengthText(e.unit)}, sought);
    Answers common{sought, {}};
    addUnitAnswers(common, level, block, e);
    for (Answers &figure : figures)
        figure.list.insert(figure.list.end(), common.list.begin(), common.list.end());
    return figures;
}

// The hint an answer gets: every figure gives it, all by mistakes of one
// line, and the level names that mistake.
Mistake nameOf(const std::vector<Answers> &figures, double number, const QString &unit, MistakeSet named)
{
    Mistake found = Mistake::Other;
    const char *foundLine = nullptr;
    for (const Answers &figure : figures) {
        bool explained = false;
        for (const MistakenAnswer &a : figure.list) {
            if (a.number != number || a.unit != unit)
                continue;
            const char *line = lineOf(a.kind);
            if (!line || (foundLine && std::strcmp(line, foundLine) != 0))
                return Mistake::Other;
            foundLine = line;
            if ((named & mistakeBit(a.kind)) && (found == Mistake::Other || rank(a.kind) < rank(found)))
                found = a.kind;
            explained = true;
        }
        if (!explained)
            return Mistake::Other;
    }
    return found;
}

} // namespace

std::vector<MistakenAnswer> MistakenAnswers(int level, const std::array<int32_t, 4> &block,
                                            const std::optional<FigureParts> &parts)
{
    const std::optional<ExpectedAnswer> expected = isLevel(level) ? expectedAnswer(level, block) : std::nullopt;
    if (!expected)
        return {};
    const std::vector<Answers> figures = model(level, block, parts, *expected);
    const MistakeSet named = levelFacts(level).mistakes;
    std::vector<MistakenAnswer> all;
    for (const Answers &figure : figures)
        for (MistakenAnswer a : figure.list) {
            const auto same = [&](const MistakenAnswer &b) {
                return b.kind == a.kind && b.number == a.number && b.unit == a.unit;
            };
            if (IsRightAnswer(level, block, a.number, a.unit) || std::any_of(all.begin(), all.end(), same))
                continue;
            a.named = nameOf(figures, a.number, a.unit, named);
            all.push_back(a);
        }
    std::stable_sort(all.begin(), all.end(),
                     [](const MistakenAnswer &x, const MistakenAnswer &y) { return rank(x.kind) < rank(y.kind); });
    return all;
}

Mistake ClassifyMistake(int level, const std::array<int32_t, 4> &block, double number, const QString &unit,
                        const std::optional<FigureParts> &parts)
{
    if (!isLevel(level))
        return Mistake::Other;
    const std::optional<ExpectedAnswer> expected = expectedAnswer(level, block);
    if (!expected || IsRightAnswer(level, block, number, unit))
        return Mistake::Other;
    const std::vector<QString> &units = modelledUnits();
    const MistakenAnswer sought{Mistake::Other, number,
                                std::find(units.begin(), units.end(), unit) != units.end() ? unit : QString()};
    return nameOf(model(level, block, parts, *expected, &sought), number, sought.unit, levelFacts(level).mistakes);
}

namespace {

// The line of a hint that names no mistake, and its reading.
std::pair<const char *, const char *> tryAgain(int level)
{
    const Family family = levelFacts(level).family;
    if (family == Family::UnitSquares || family == Family::Transformed)
        return {"もういちど　かぞえよう", "もういちど　かぞえよう"};
    return {"もういちど　考えよう", "もういちど　かんがえよう"};
}

} // namespace

QString HintText(Mistake mistake, int level)
{
    if (const char *line = lineOf(mistake))
        return QString::fromUtf8(line);
    return QString::fromUtf8(tryAgain(level).first);
}

QString HintReading(Mistake mistake, int level)
{
    const int i = rank(mistake);
    if (i < static_cast<int>(std::size(Catalogue)))
        return QString::fromUtf8(Catalogue[i].reading);
    return QString::fromUtf8(tryAgain(level).second);
}
