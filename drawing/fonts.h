#pragma once

#include <QFont>
#include <QString>

// The window's two Japanese faces. They are named as the layout names them
// and drawn with the program's own cuts of the IPA fonts (see
// assets/fonts/subset-fonts), whose glyphs and metrics match them; the
// system's IPA fonts stand in where the program's cannot be loaded.
namespace Fonts {
extern const QString Gothic;  // fixed-pitch Gothic
extern const QString PMincho; // proportional Mincho

// Makes the program's faces known to Qt. Safe to call from any thread and
// more than once; the first call reads the system's font configuration,
// which is slow, so the program makes it on a thread of its own.
bool loadEmbedded();
// Maps the layout's faces to the program's and the system's; cheap.
void installSubstitutions();
// Puts the layout's face itself first, where the system has it (Japanese
// Windows), before the program's. Before the first make() of that face.
void preferSystemFace(const QString &face);

// The readable face, the program's cut of BIZ UDGothic: while it is on,
// every font made or passed through faced() draws in it first. The first
// switch on loads it, so a start without it reads none of its bytes.
extern const QString Readable;
void setReadable(bool on);
bool readable();
// The font in the face now chosen: the readable face put first, or taken out.
QFont faced(const QFont &font);

// Sizes are given in points at 96 pixels per inch and set in pixels, so the
// layout does not depend on the display's DPI.
int pixels(double points);
QFont make(const QString &face, double points, bool bold);
} // namespace Fonts
