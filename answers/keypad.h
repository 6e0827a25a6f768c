#pragma once

#include <QChar>

#include <optional>

// What a keypad button appends, and to which lane's box.
struct KeyTarget {
    int row; // 1 to 3
    QChar ch;
};

// Command6(index): lane 1 holds indexes 0..9, lane 2 19..10, lane 3 29..20.
std::optional<KeyTarget> DigitKey(int index);
// Command1(index): lane 1 holds 0..5, lane 2 11..6, lane 3 17..12.
std::optional<KeyTarget> UnitKey(int index);
