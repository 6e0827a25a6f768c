#include "drill/levels.h"

namespace {

constexpr AreaUnit cm2 = AreaUnit::SquareCentimetre, m2 = AreaUnit::SquareMetre, a = AreaUnit::Are,
                   ha = AreaUnit::Hectare, km2 = AreaUnit::SquareKilometre;

constexpr Mistake Unit = Mistake::Unit, Zeros = Mistake::Zeros, Perimeter = Mistake::Perimeter,
                  Added = Mistake::SidesAdded, Millimetres = Mistake::Millimetres, OnePart = Mistake::OnePart,
                  Whole = Mistake::WholeRectangle;

// A level of unit squares: a wrong count in a unit it takes is a wrong
// unit, or zeros lost where it takes smaller units.
constexpr LevelFacts squares(const char *caption, const char *description, int columns, const char *legend, int legendX,
                             std::array<UnitFactor, 4> units, int unitCount)
{
    return {caption,    description, Family::UnitSquares, AnswerUnit::Listed,
            units,      unitCount, columns, legend, legendX, CompositeMix::None,
            unitCount > 1 ? mistakes(Unit, Zeros) : mistakes(Unit)};
}

constexpr LevelFacts asked(const char *caption, const char *description, Family family, AnswerUnit answer,
                           MistakeSet named, CompositeMix mix = CompositeMix::None)
{
    return {caption, description, family, answer, {{{cm2, 1}}}, answer == AnswerUnit::Listed ? 1 : 0, 0, "", 0, mix,
            named};
}

const LevelFacts Levels[] = {
    squares("L01 色をぬった部分の面積は何ｃ㎡？（８ｃ㎡以下）", "count unit squares of 1 cm², up to 8 cm²", 2, "1cm", 115,
            {{{cm2, 1}}}, 1),
    squares("L02 色をぬった部分の面積は何ｃ㎡？", "count unit squares of 1 cm²", 4, "1cm", 115, {{{cm2, 1}}}, 1),
    squares("L03 色をぬった部分の面積は何㎡,ｃ㎡？", "count squares of 1 m², answered in m² or cm²", 4, "1m", 120,
            {{{m2, 1}, {cm2, 10000}}}, 2),
    squares("L04 色をぬった部分の面積は何ａ,㎡？", "count squares of 1 a, answered in a or m²", 4, "10m", 115,
            {{{a, 1}, {m2, 100}}}, 2),
    squares("L05 色をぬった部分の面積は何ｈａ,ａ,㎡？", "count squares of 1 ha, answered in ha, a or m²", 4, "100m", 105,
            {{{ha, 1}, {a, 100}, {m2, 10000}}}, 3),
    squares("L06 色をぬった部分の面積は何ｋｍ,ｈａ,ａ,㎡？", "count squares of 1 km², answered in km², ha, a or m²", 4,
            "1km", 115, {{{km2, 1}, {ha, 100}, {a, 10000}, {m2, 1000000}}}, 4),
    asked("L07 色をぬった部分の面積は何ｃ㎡？（変形）", "figures with half-square triangles, in cm²", Family::Transformed,
          AnswerUnit::Listed, mistakes(Unit)),
    asked("L08 次の面積は？", "rectangles and squares from their sides in cm, m or km", Family::Rectangles,
          AnswerUnit::LengthCode, mistakes(Unit, Zeros, Perimeter, Added)),
    asked("L09 次の面積を求めましょう。（ことなる単位）", "rectangles with one side in cm and the other in mm, in cm²",
          Family::MixedUnits, AnswerUnit::Listed, mistakes(Unit, Millimetres, Perimeter, Added)),
    asked("L10 次の面積を求めましょう。（同じはばの複合図形問題）", "composite figures of two rectangles of one height",
          Family::Composite, AnswerUnit::AreaCode, mistakes(Unit, Zeros, Perimeter, Added, OnePart),
          CompositeMix::EqualHeight),
    asked("L11 次の面積を求めましょう。（複合図形問題）", "composite figures of two rectangles, one shorter",
          Family::Composite, AnswerUnit::AreaCode, mistakes(Unit, Zeros, Perimeter, Added, OnePart, Whole),
          CompositeMix::Stepped),
    asked("L12 まとめ　次の面積を求めましょう。（いろいろな問題）",
          "a review mix, text problems in cm², m², a, ha and km² included", Family::Composite, AnswerUnit::AreaCode,
          mistakes(Unit, Zeros, Perimeter, Added, OnePart, Whole), CompositeMix::Review),
};
// A count raised without its row would leave a level with no caption.
static_assert(sizeof(Levels) / sizeof(Levels[0]) == LevelCount, "one row per level");

} // namespace

const LevelFacts &levelFacts(int level)
{
    return Levels[isLevel(level) ? level - 1 : 0];
}
