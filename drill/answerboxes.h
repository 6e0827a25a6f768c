#pragma once

#include <QPoint>

// What the problem generator may do to a lane's answer controls.
class AnswerBoxes {
public:
    virtual ~AnswerBoxes() = default;
    // Moves the number box and the unit box of lane row (1 to 3).
    virtual void placeBoxes(int row, QPoint numberBox, QPoint unitBox) = 0;
    // Empties both boxes and gives them their pink and light-blue faces.
    virtual void resetBoxes(int row) = 0;
    // Hides the lane's boxes, keypad and check button: the lane has no room
    // for another problem.
    virtual void stopRow(int row) = 0;
};
