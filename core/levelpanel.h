#pragma once

#include <QRect>

// The level panel's layout inside its border: a row per level, and the
// switches below them, on a wide screen and on an 800-pixel one.
namespace LevelPanel {
struct Layout {
    int left, top, width;
    int rowHeight, pitch; // as designed, where the rows fit
    int switchesTop, switchesHeight;
};
constexpr Layout Wide{37, 65, 805, 37, 50, 670, 37};
constexpr Layout Narrow{37, 65, 700, 28, 37, 500, 26};
constexpr const Layout &layout(bool wide) { return wide ? Wide : Narrow; }

// Choice index (from 0) of count: at the designed pitch where the rows fit
// above the switches, closer where they do not, and in two columns where
// rows of the caption's height would not fit in one.
QRect choice(int index, int count, bool wide);
} // namespace LevelPanel
