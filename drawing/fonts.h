#pragma once

#include <QFont>
#include <QString>

// The window's two Japanese faces. They are named as the layout names them
// and mapped to the metric-compatible IPA fonts that Debian ships.
namespace Fonts {
extern const QString Gothic;  // fixed-pitch Gothic
extern const QString PMincho; // proportional Mincho

void installSubstitutions();

// Sizes are given in points at 96 pixels per inch and set in pixels, so the
// layout does not depend on the display's DPI.
int pixels(double points);
QFont make(const QString &face, double points, bool bold);
} // namespace Fonts
