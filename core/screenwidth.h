#pragma once

// Layout thresholds on the screen width in pixels.
inline bool isWideLayout(int screenWidthPx) { return screenWidthPx >= 1000; }
