#pragma once

#include <QMargins>
#include <QSize>

class QFont;
class QGraphicsView;
class QMenu;
class QWidget;

// The drill may be drawn through a view at a zoom (window/mainwindow). The
// windows it opens of its own, message boxes and menus, are outside that
// view; these give them the drill's zoom, read from the view, so that pupils
// can read them from as far away as the drill.

// The view that draws w's window at a zoom; null where it is a plain window.
QGraphicsView *zoomingView(const QWidget *w);

// The zoom for a box or menu opened from w: the view's, but never below 1,
// so that on a small screen they keep their designed size.
double readingZoom(const QWidget *w);

// f made zoom times larger; f itself at zoom 1.
QFont zoomed(const QFont &f, double zoom);

// A menu opened from w, as large as w is drawn.
void zoomMenu(QMenu &menu, const QWidget *w);

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
