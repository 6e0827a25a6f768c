#pragma once

// The screen widths, in pixels, at which the drill's layout changes.
namespace ScreenWidth {
constexpr int WideLayoutFrom = 1000; // below it, the layout for 800-pixel screens
constexpr int ThreeBandsFrom = 900;  // the decide button blanks three lanes' bands, not two
constexpr int ThirdLaneAbove = 1000; // the third lane answers clicks only above it
} // namespace ScreenWidth

inline bool isWideLayout(int screenWidthPx) { return screenWidthPx >= ScreenWidth::WideLayoutFrom; }
inline int bandsBlanked(int screenWidthPx) { return screenWidthPx >= ScreenWidth::ThreeBandsFrom ? 3 : 2; }
inline bool thirdLaneClickable(int screenWidthPx) { return screenWidthPx > ScreenWidth::ThirdLaneAbove; }
