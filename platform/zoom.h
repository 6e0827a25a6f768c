#pragma once

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
