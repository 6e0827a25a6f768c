// Every problem each level can make and every answer a mistake gives for
// it: the hint names the one mistake that explains the answer, or none.
// What explains an answer is this file's own table, worked out from the
// numbers the pupil sees, never from the classifier.
#include "drill/mistake.h"
#include "support/testregistry.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <set>

namespace {

using M = Mistake;
using Block = std::array<int32_t, 4>;

struct Guess {
    Mistake hint;
    double number;
    QString unit;
};

// The area units by their power of ten in ｃ㎡, and the other units a pupil builds.
const QString Area[] = {"ｍ㎡", "ｃ㎡", "㎡", "ａ", "ｈａ", "ｋ㎡"};
constexpr int Power[] = {-2, 0, 4, 6, 8, 10};
const QString NoArea[] = {"ｃｍ", "ｍ", "ｋｍ", ""};

// n × 10^p with one rounding, as a typed decimal is read.
double tens(double n, int p)
{
    double t = 1;
    for (int i = 0; i < std::abs(p); ++i)
        t *= 10;
    return p < 0 ? n / t : n * t;
}

struct Problem {
    Block block;
    FigureParts parts;
    qint64 area;            // in the unit asked for
    int power;              // of that unit
    std::vector<int> taken; // powers of the units the answer may be in
    std::vector<Guess> figure;
};

// The two sides added, and taken around, in the area's unit and in a length.
std::vector<Guess> sides(qint64 a, qint64 b, int power, const QString &length)
{
    const QString area = Area[std::find(std::begin(Power), std::end(Power), power) - std::begin(Power)];
    return {{M::Perimeter, 2.0 * (a + b), area}, {M::Perimeter, 2.0 * (a + b), length},
            {M::SidesAdded, double(a + b), area}, {M::SidesAdded, double(a + b), length}};
}

Problem equalHeight(int W, int W2, int H)
{
    Problem p{{W + W2, H, 0, H * (W + W2)}, {W, W2}, H * (W + W2), 0, {0}, sides(W + W2, H, 0, "ｃｍ")};
    p.figure.insert(p.figure.end(), {{M::SidesAdded, double(W + W2 + 2 * H), "ｃ㎡"},
                                     {M::OnePart, double(W * H), "ｃ㎡"}, {M::OnePart, double(W2 * H), "ｃ㎡"}});
    return p;
}

Problem stepped(int W, int H, int W2, int H2)
{
    Problem p{{W, H, 1, W * H + W2 * H2}, {W2, H2}, W * H + W2 * H2, 4, {4}, sides(W + W2, H, 4, "ｍ")};
    const double outer = (W + W2) * H;
    p.figure.insert(p.figure.end(), {{M::SidesAdded, double(W + H + W2 + H2), "㎡"}, {M::OnePart, double(W * H), "㎡"},
                                     {M::OnePart, double(W2 * H2), "㎡"}, {M::WholeRectangle, outer, "㎡"},
                                     {M::Other, outer - W2 * H2, "㎡"}, {M::Other, outer - W * (H - H2), "㎡"},
                                     {M::Other, outer - (W + W2) * (H - H2), "㎡"}});
    return p;
}

std::vector<Problem> problems(int level)
{
    std::vector<Problem> all;
    if (level <= 6) {
        const int own[] = {0, 0, 4, 6, 8, 10};
        const std::vector<int> taken[] = {{0}, {0}, {4, 0}, {6, 4}, {8, 6, 4}, {10, 8, 6, 4}};
        const int top = level == 1 ? 0 : 4;
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 4; ++b)
                for (int c = 0; c <= top; ++c)
                    for (int d = 0; d <= (c ? top : 0); ++d)
                        all.push_back({{a, b, c, d}, {0, 0}, a + b + c + d, own[level - 1], taken[level - 1], {}});
    }
    if (level == 7)
        for (int s = 1; s <= 10; ++s)
            for (int b = 1; b <= (s >= 7 ? 3 : 2); ++b)
                all.push_back({{s, b, 0, s <= 6 ? b + 1 : 2 * b + 1}, {0, 0}, s <= 6 ? b + 1 : 2 * b + 1, 0, {0}, {}});
    for (int W = 1; W <= 8; ++W)
        for (int H = 1; H <= 8; ++H) {
            for (int u = 0; u <= 2 && level == 8; ++u) {
                const int power = (u == 0 ? 0 : u == 1 ? 4 : 10);
                all.push_back({{W, H, u, W * H}, {0, 0}, W * H, power, {power}, sides(W, H, power, NoArea[u])});
            }
            for (int u = 0; u <= 1 && level == 9 && W != H; ++u) {
                Problem p{{W, H, u, W * H}, {0, 0}, W * H, 0, {0}, sides(W, H, 0, "ｃｍ")};
                const double printed = u == 0 ? H + 10 * W : 10 * H + W; // たて H cm, 横 10W mm, or the other way
                p.figure.insert(p.figure.end(), {{M::Millimetres, 10.0 * W * H, "ｃ㎡"}, {M::Millimetres, 100.0 * W * H, "ｃ㎡"},
                                                 {M::Other, printed, "ｃ㎡"}, {M::Other, 2 * printed, "ｃ㎡"}});
                all.push_back(p);
            }
        }
    for (int W = 4; W <= 9; ++W)
        for (int H = 2; H <= 9; ++H)
            for (int R = 4; R <= 8; ++R) {
                if ((level == 10 || level == 12) && W <= 8 && H <= 5)
                    all.push_back(equalHeight(W, R, H));
                for (int H2 = 4; H2 < H && (level == 11 || level == 12) && W >= 5; ++H2)
                    all.push_back(stepped(W, H, R, H2));
            }
    for (int W = 4; W <= 9 && level == 12; ++W)
        for (int H = 2; H <= 9; ++H)
            for (int U = 0; U <= 4; ++U) {
                const int scale[] = {1, 1, 10, 100, 1}, power[] = {0, 4, 6, 8, 10};
                all.push_back({{W, H, U, W * H}, {0, 0}, W * H, power[U], {power[U]},
                               sides(scale[U] * W, scale[U] * H, power[U], NoArea[U == 0 ? 0 : U == 4 ? 2 : 1])});
                // 100W cm by H m in ㎡, or W km by 1000H m in ｋ㎡.
                const int km = U >= 2 ? 1 : 0;
                all.push_back({{W, H, km ? 4 : 1, W * H}, {0, 0}, W * H, km ? 10 : 4, {km ? 10 : 4},
                               sides(W, H, km ? 10 : 4, NoArea[km ? 2 : 1])});
            }
    return all;
}

// The figure's mistakes, and any problem's: the number of a unit the level
// takes with another unit or a power of ten off, the right area in a unit
// it does not take. At level 9 ten and a hundred times are sides kept in mm.
std::vector<Guess> guesses(const Problem &p, bool mixedUnits)
{
    std::vector<Guess> g = p.figure;
    for (int i = 0; i < 6; ++i) {
        const double n = tens(p.area, p.power - Power[i]);
        if (std::count(p.taken.begin(), p.taken.end(), Power[i]) == 0) {
            g.push_back({M::Unit, n, Area[i]});
            continue;
        }
        for (const QString &u : Area)
            if (u != Area[i])
                g.push_back({M::Unit, n, u});
        for (const QString &u : NoArea)
            g.push_back({M::Unit, n, u});
        for (int k = -9; k <= 9; ++k)
            if (k != 0 && !(mixedUnits && (k == 1 || k == 2)))
                g.push_back({M::Zeros, tens(p.area, p.power - Power[i] + k), Area[i]});
    }
    return g;
}

bool isRight(const Problem &p, double number, const QString &unit)
{
    for (int i = 0; i < 6; ++i)
        if (unit == Area[i] && std::count(p.taken.begin(), p.taken.end(), Power[i]) &&
            number == tens(p.area, p.power - Power[i]))
            return true;
    return false;
}

// The hints of the mistakes that give each answer.
using Explained = std::map<std::pair<double, QString>, std::set<Mistake>>;

// The hint an answer deserves: the one mistake that gives it, where the
// level names that mistake.
Mistake deserved(const std::set<Mistake> &hints, const std::vector<Mistake> &named)
{
    if (hints.size() != 1 || std::count(named.begin(), named.end(), *hints.begin()) == 0)
        return M::Other;
    return *hints.begin();
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Mistake>)

class TestMistakeWalk : public QObject {
    Q_OBJECT
private slots:
    void walk_data();
    void walk();
};

void TestMistakeWalk::walk_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<std::vector<Mistake>>("named");
    const std::vector<Mistake> unit{M::Unit}, zeros{M::Unit, M::Zeros},
        all{M::Unit, M::Zeros, M::Perimeter, M::SidesAdded, M::OnePart, M::WholeRectangle};
    for (int level : {1, 2, 7})
        QTest::addRow("L%d", level) << level << unit;
    for (int level = 3; level <= 6; ++level)
        QTest::addRow("L%d", level) << level << zeros;
    QTest::newRow("L8") << 8 << std::vector<Mistake>{M::Unit, M::Zeros, M::Perimeter, M::SidesAdded};
    QTest::newRow("L9") << 9 << std::vector<Mistake>{M::Unit, M::Millimetres, M::Perimeter, M::SidesAdded};
    QTest::newRow("L10") << 10 << std::vector<Mistake>{M::Unit, M::Zeros, M::Perimeter, M::SidesAdded, M::OnePart};
    QTest::newRow("L11") << 11 << all;
    QTest::newRow("L12") << 12 << all;
}

void TestMistakeWalk::walk()
{
    QFETCH(int, level);
    QFETCH(std::vector<Mistake>, named);
    std::set<std::pair<Block, FigureParts>> seen;
    int count = 0, answers = 0, hinted = 0;
    QStringList wrong;
    for (const Problem &p : problems(level)) {
        if (!seen.insert({p.block, p.parts}).second)
            continue; // level 12's text problems: one block from several wordings
        ++count;
        Explained explained;
        for (const Guess &x : guesses(p, level == 9))
            explained[{x.number, x.unit}].insert(x.hint);
        const std::vector<MistakenAnswer> model = MistakenAnswers(level, p.block, p.parts);
        for (const MistakenAnswer &x : model)
            explained[{x.number, x.unit}]; // known to the model alone: deserves no hint
        std::map<std::pair<double, QString>, Mistake> got;
        for (const auto &[answer, hints] : explained) {
            if (isRight(p, answer.first, answer.second))
                continue;
            ++answers;
            const Mistake hint = ClassifyMistake(level, p.block, answer.first, answer.second, p.parts);
            got[answer] = hint;
            hinted += hint != M::Other;
            if (hint != deserved(hints, named) && wrong.size() < 5)
                wrong << QStringLiteral("{%1 %2 %3 %4} %5 %6: %7")
                             .arg(p.block[0]).arg(p.block[1]).arg(p.block[2]).arg(p.block[3])
                             .arg(answer.first).arg(answer.second).arg(int(hint));
        }
        for (const MistakenAnswer &x : model)
            if (x.named != got[{x.number, x.unit}] && wrong.size() < 5)
                wrong << QStringLiteral("listed as %1: %2 %3").arg(int(x.named)).arg(x.number).arg(x.unit);
    }
    qInfo("level %d: %d problems, %d wrong answers, %d named", level, count, answers, hinted);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

QUILMO_TEST(TestMistakeWalk)
#include "mistake_walk_test.moc"
