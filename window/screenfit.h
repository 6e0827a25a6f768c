#pragma once

#include <QMargins>
#include <QSize>

// The smallest scale the drill is ever drawn at, however small its screen or
// window: the window cannot be made smaller than this.
constexpr double MinZoom = 0.25;

// How much smaller the whole window must be drawn so that it and its frame
// fit the screen's free area (at least MinZoom); 1 when it fits at its
// design size.
double FitScale(QSize available, QSize window, QMargins frame);

// Room taken by a typical window frame (title bar and borders), which is
// not known before the window is first shown.
inline QMargins typicalFrame() { return QMargins(6, 36, 6, 6); }

// The largest scale at which content fits into area, at least MinZoom and
// exactly 1 where it fits at its design size with less than a pixel to spare.
double ZoomFor(QSize area, QSize content);
