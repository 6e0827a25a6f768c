#pragma once

#include <QPoint>
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

// What a lane shows in and beside its band, in the drawing panel's pixels.
namespace Lane {
constexpr int Count = 3;

// The last lane answers clicks below its band too, down to the panel's foot.
constexpr int ClickFoot = 770; // excluded

// Furigana sets small readings above the kanji of the band's texts. While it
// is on, the hint, the texts below it and the answer boxes stand lower, so
// that every reading has room of its own; off, all stand where they always
// have. Tops of lines, from the band's offset.
struct Rows {
    int hint;
    int sideFirst;  // a figure's sides in words, left of the figure
    int sideSecond; // and its shape below them
    int question;   // the question right of the figure, or a problem in words
    int boxes;      // the answer boxes
};
constexpr Rows PlainRows{106, 110, 150, 130, 180};
constexpr Rows RubyRows{116, 122, 172, 152, 188};
constexpr const Rows &rows(bool furigana) { return furigana ? RubyRows : PlainRows; }

// Texts printed in the band, by their top-left corner.
inline QPoint invitationAt(int lane) { return {40, LaneBand::offset(lane) + 155}; }
inline QPoint scoreLineAt(int lane) { return {30, LaneBand::offset(lane) + 75}; }
inline QPoint markAt(int lane) { return {40, LaneBand::offset(lane) + 180}; }
// What erasing the mark covers at least, whatever the glyph.
inline QRect markErased(int lane) { return {markAt(lane), QSize(27, 27)}; }

// A hint after a wrong try: one line between the score line and the
// question, right of every figure, where no family draws.
inline QPoint hintAt(int lane, bool furigana) { return {440, LaneBand::offset(lane) + rows(furigana).hint}; }
inline QPoint hintAt(int lane) { return hintAt(lane, false); }
constexpr double HintPt = 15;
// The families ask their question right of this, and draw every figure left of it.
constexpr int QuestionLeft = 410;
constexpr int HintRight = 762; // excluded: the band's rounded edge

// The speaker that reads the lane aloud: left of the number box and level
// with it, below the question and right of every figure, large enough for a
// small finger.
constexpr int SpeakerSide = 36;
inline QRect speakerButton(int lane, bool furigana)
{
    return {428, LaneBand::offset(lane) + rows(furigana).boxes + 2, SpeakerSide, SpeakerSide};
}
inline QRect speakerButton(int lane) { return speakerButton(lane, false); }

// Where every family puts the answer boxes.
inline QPoint numberBoxAt(int lane, bool furigana) { return {470, LaneBand::offset(lane) + rows(furigana).boxes}; }
inline QPoint unitBoxAt(int lane, bool furigana) { return {655, LaneBand::offset(lane) + rows(furigana).boxes}; }
inline QPoint numberBoxAt(int lane) { return numberBoxAt(lane, false); }
inline QPoint unitBoxAt(int lane) { return unitBoxAt(lane, false); }

// The keypad strip and the check button beside it stand below the band,
// the last lane's a little lower than the others' spacing would put it.
constexpr int keypadTop(int lane) { return lane == 1 ? 240 : lane == 2 ? 456 : 680; }
inline QRect keypadStrip(int lane) { return {32, keypadTop(lane), 645, 41}; }
inline QRect checkButton(int lane) { return {684, keypadTop(lane), 77, 39}; }

// Inside the keypad strip: ten digits, six unit letters (ｃｋｍｈａ㎡) and
// けす. Each key overlaps its neighbour's edge, so one line parts two keys.
constexpr int DigitKeys = 10;
constexpr int UnitKeys = 6;
constexpr int KeySide = 37;
constexpr int KeyPitch = KeySide - 1;
inline QRect digitKey(int digit) { return {KeyPitch * digit, 0, KeySide, KeySide}; }
inline QRect unitKey(int position) { return {KeyPitch * (DigitKeys + position), 0, KeySide, KeySide}; }
inline QRect eraseKey() { return {KeyPitch * (DigitKeys + UnitKeys), 0, 65, KeySide}; }

// The answer boxes' sizes; the families place them.
constexpr QSize NumberBoxSize{177, 40};
constexpr QSize UnitBoxSize{89, 39};

// The line that ends a lane after its last problem, where the invitation was.
inline QPoint finishedAt(int lane) { return {40, LaneBand::offset(lane) + 150}; }
} // namespace Lane
