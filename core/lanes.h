#pragma once

#include <QRect>

// Where a lane lives on the drawing panel. Lane r (1 to 3) owns a white band
// with rounded corners, 220 pixels below the one before it.
namespace LaneBand {
constexpr int Left = 20;
constexpr int Right = 770;   // excluded, as the rounded rectangle's right edge
constexpr int Corner = 30;   // width and height of the corners' ellipse

constexpr int offset(int row) { return 220 * (row - 1); }
constexpr int top(int row) { return offset(row) + 70; }
constexpr int bottom(int row) { return offset(row) + 280; } // excluded

// The pixels the band covers.
inline QRect rect(int row) { return QRect(QPoint(Left, top(row)), QPoint(Right - 1, bottom(row) - 1)); }
} // namespace LaneBand
