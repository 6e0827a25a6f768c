#pragma once

// What the composite-figure tests share: scripted draws, range checks and
// readers of what the panel shows.
#include "drill/composite.h"
#include "support/pixels.h"
#include "drill/judge.h"
#include "drill/newproblem.h"
#include "support/scriptedrandom.h"
#include "drill/wordproblem.h"

#include <QRegularExpression>
#include <QImage>

#include <set>

using Pair = std::pair<int, int>;
using Blocks = QList<QList<int>>;

namespace compositecheck {

inline const QRgb Yellow = qRgb(255, 255, 0), Blue = qRgb(0, 0, 255), Black = qRgb(0, 0, 0);

// Scripted draws, each given as the integer it must produce.
inline QList<double> cand(int W, int H, int U)
{
    return {ScriptedRandom::pick(W, 4, 9), ScriptedRandom::pick(H, 2, 9), ScriptedRandom::pick(U, 0, 4)};
}
inline QList<double> kind(int K) { return {ScriptedRandom::pick(K, 1, 4)}; }
inline QList<double> rightPart(int W2, int H2) { return {ScriptedRandom::pick(W2, 0, 8), ScriptedRandom::pick(H2, 0, 8)}; }
inline QList<double> times(int n, const QList<double> &draws)
{
    QList<double> all;
    while (n-- > 0)
        all += draws;
    return all;
}

// The pairs (W, H) each kind accepts, kinds 1 to 4, from the levels' tables.
struct PairRanges {
    int wFrom, wTo, hFrom, hTo;
};
inline const PairRanges accepted[] = {{4, 9, 2, 9}, {4, 9, 2, 9}, {4, 8, 2, 5}, {5, 9, 5, 9}};

inline bool admissible(ProblemKind k, int W, int H)
{
    const PairRanges &r = accepted[int(k) - 1];
    return W >= r.wFrom && W <= r.wTo && H >= r.hFrom && H <= r.hTo;
}

inline bool inRanges(const CompositeProblem &c)
{
    return c.U >= 0 && c.U <= 4 && c.W2 >= 4 && c.W2 <= 8 && c.H2 >= 4 && c.H2 <= 8 &&
           (c.kind != ProblemKind::Stepped || c.H2 < c.H) && admissible(c.kind, c.W, c.H);
}

// What each kind stores in the first three columns, from the levels'
// tables: a text problem, the equal-height figure (its whole width), the
// stepped one. The levels that make each kind, as bits 10, 11 and 12.
struct StoredRanges {
    int levels;
    PairRanges pair;
    int unitFrom, unitTo;
    bool stepped; // the area adds a right part W2 x H2 with H2 below H
};
inline const StoredRanges storedBy[] = {
    {1 << 12, {4, 9, 2, 9}, 0, 4, false},
    {1 << 10 | 1 << 12, {8, 16, 2, 5}, 0, 0, false},
    {1 << 11 | 1 << 12, {5, 9, 5, 9}, 1, 1, true},
};

// Whether the stored block is exactly what some kind that the level uses
// would store for some candidate: the area too is recomputed.
inline bool madeByLevelKind(int level, const std::array<int32_t, 4> &b)
{
    for (const StoredRanges &k : storedBy) {
        const PairRanges &p = k.pair;
        if (!(k.levels & 1 << level) || b[0] < p.wFrom || b[0] > p.wTo || b[1] < p.hFrom || b[1] > p.hTo ||
            b[2] < k.unitFrom || b[2] > k.unitTo)
            continue;
        if (!k.stepped && b[3] == b[0] * b[1])
            return true;
        for (int W2 = 4; k.stepped && W2 <= 8; ++W2)
            for (int H2 = 4; H2 < b[1]; ++H2)
                if (b[3] == b[0] * b[1] + W2 * H2)
                    return true;
    }
    return false;
}

inline std::set<Pair> storedPairs(const RowTable &t, int row, int N)
{
    std::set<Pair> s;
    for (int k = 1; k < N; ++k)
        s.emplace(t.at(row, Col::block(k, 1)), t.at(row, Col::block(k, 2)));
    return s;
}

inline void store(RowTable &t, int row, int k, const std::array<int32_t, 4> &b)
{
    for (int j = 0; j < 4; ++j)
        t.set(row, Col::block(k, j + 1), b[j]);
}

inline RowTable tableOf(const Blocks &earlier, int row)
{
    RowTable t;
    for (int k = 1; k <= earlier.size(); ++k)
        store(t, row, k, {earlier[k - 1][0], earlier[k - 1][1], earlier[k - 1][2], earlier[k - 1][3]});
    return t;
}

// Consecutive pixels of colour c from (x, y) in steps of (dx, dy).
inline int run(const QImage &img, int x, int y, int dx, int dy, QRgb c)
{
    int n = 0;
    for (; img.valid(x, y) && (img.pixel(x, y) & 0xffffff) == (c & 0xffffff); x += dx, y += dy)
        ++n;
    return n;
}

// s printed alone at (x, y) in pt points, compared with img above maxY:
// exactly, or (over a figure) only its fully black pixels.
inline bool textShown(const QImage &img, int x, int y, double pt, const QString &s, int maxY = 1 << 20, bool exact = false)
{
    Canvas ref(img.size(), Rgb::white());
    ref.setFontSizePt(pt);
    printAt(ref, x, y, s);
    const QRect r = ref.textRect(s) & img.rect() & QRect(0, 0, img.width(), maxY);
    int ink = 0;
    for (int py = r.top(); py <= r.bottom(); ++py)
        for (int px = r.left(); px <= r.right(); ++px) {
            const QRgb want = ref.image().pixel(px, py), got = img.pixel(px, py);
            ink += (want & 0xffffff) == 0;
            if (exact ? want != got : (want & 0xffffff) == 0 && (got & 0xffffff) != 0)
                return false;
        }
    return ink > 0;
}

// What a pupil reads from a text problem: the area in square metres and the
// unit the answer is asked in (empty when the line makes no sense).
struct Reading {
    bool square = false;
    double squareMetres = 0;
    QString unit;
};

inline Reading readLine(const QString &line)
{
    static const QRegularExpression shape(QStringLiteral(
        "^(?:たて(\\d+)(cm|m|km), 横(\\d+)(cm|m|km)の長方形|１辺の長さが(\\d+)(cm|m|km)の正方形)の面積(.*)$"));
    const auto m = shape.match(line);
    if (!m.hasMatch())
        return {};
    Reading r;
    r.square = m.hasCaptured(5);
    const int a = r.square ? 5 : 1, b = r.square ? 5 : 3; // groups of the two sides
    auto metres = [&](int g) {
        const QString u = m.captured(g + 1);
        return m.captured(g).toDouble() * (u == "cm" ? 0.01 : u == "km" ? 1000 : 1);
    };
    r.squareMetres = metres(a) * metres(b);
    const QString tail = m.captured(7);
    static const QRegularExpression asked(QStringLiteral("^は、何(.+)ですか。$"));
    if (const auto q = asked.match(tail); q.hasMatch())
        r.unit = q.captured(1);
    else if (tail == "を求めましょう。" && m.captured(a + 1) == m.captured(b + 1))
        r.unit = m.captured(a + 1) == "cm" ? "ｃ㎡" : m.captured(a + 1) == "m" ? "㎡" : "";
    return r;
}

inline CompositeProblem problem(ProblemKind k, int W, int H, int U, int W2 = 4, int H2 = 4)
{
    CompositeProblem c;
    c.kind = k, c.W = W, c.H = H, c.U = U, c.W2 = W2, c.H2 = H2;
    return c;
}

} // namespace compositecheck
