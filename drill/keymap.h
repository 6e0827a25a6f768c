#pragma once

#include <QChar>

#include <optional>

// What a keypad button appends, and to which lane's box.
struct KeyTarget {
    int row; // 1 to 3
    QChar ch;
};

// Every strip reads 0..9 and then ｃ ｋ ｍ ｈ ａ ㎡ from left to right; the
// indexes run up in lane 1 and down in lanes 2 and 3.
// Command6 index of digit d (0..9) in a lane (1..3): 0..9, 19..10, 29..20.
int digitIndex(int row, int digit);
// Command1 index of the unit letter at position p (0..5): 0..5, 11..6, 17..12.
int unitIndex(int row, int position);
// The unit letter at position p of every strip.
QChar unitLetter(int position);

// What Command6(index) and Command1(index) append, and where.
std::optional<KeyTarget> DigitKey(int index);
std::optional<KeyTarget> UnitKey(int index);
