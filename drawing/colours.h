#pragma once

#include <QColor>

// Every colour the drill shows, named once.
namespace Rgb {
inline QColor black() { return QColor(0, 0, 0); }
inline QColor white() { return QColor(255, 255, 255); }
inline QColor red() { return QColor(255, 0, 0); }       // marks, and the answer after the last miss
inline QColor yellow() { return QColor(255, 255, 0); }  // figures
inline QColor blue() { return QColor(0, 0, 255); }
inline QColor grid() { return QColor(200, 200, 200); }  // the unit-square grid
inline QColor panel() { return QColor(255, 255, 192); } // the drawing panel's light yellow
inline QColor numberBox() { return QColor(255, 200, 200); }   // pink
inline QColor unitBox() { return QColor(200, 200, 255); }     // light blue
inline QColor lightGreen() { return QColor(192, 255, 192); }  // the window, most buttons and the margins
inline QColor lavender() { return QColor(239, 239, 255); }    // the level panel
inline QColor decidePink() { return QColor(255, 192, 192); }  // the decide button, a deeper pink than the number box
inline QColor teal() { return QColor(0, 192, 192); }          // the exit button
inline QColor hint() { return QColor(0, 0, 160); }         // the line after a wrong try, apart from the red marks
inline QColor lightCyan() { return QColor(192, 255, 255); }   // the panel's heading

// The grey a colour of the figures takes on a school's monochrome printer:
// the yellow parts light, the second (blue) rectangle clearly darker, the
// grid dark enough to print; anything else by its lightness.
inline QRgb onPaper(QRgb screen)
{
    const QRgb c = screen & 0xffffff;
    auto grey = [](int v) { return qRgb(v, v, v); };
    if (c == (yellow().rgb() & 0xffffff))
        return grey(220);
    if (c == (blue().rgb() & 0xffffff))
        return grey(150);
    if (c == (grid().rgb() & 0xffffff))
        return grey(170);
    return grey(qGray(screen));
}
} // namespace Rgb
