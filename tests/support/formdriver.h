#pragma once

#include "window/form1.h"
#include "support/pixels.h"
#include "support/scriptedplatform.h"

#include <QImage>
#include <QRect>

#include <memory>

// Drives the real window as a pupil would: clicks on its controls and on
// the drawing panel, and reads back what the panel shows.
struct FormDriver {
    explicit FormDriver(int screenWidth = 1280);

    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;

    template <typename T> T *find(const QString &name) const
    {
        return form->findChild<T *>(name);
    }
    void click(const QString &buttonName);
    void chooseLevel(int level);  // clicks Option2(level - 1)
    void decide();                // clicks Command10
    void start(int level);        // choose and decide
    void clickPanel(int x, int y, Qt::MouseButton button = Qt::LeftButton);
    void startRow(int row);       // a click in the middle of the lane
    void press(int row, const QString &caption); // keypad button of a lane by caption
    void type(int row, const QString &number, const QString &unit);
    void check(int row);

    Module1 &state() const { return form->state(); }
    const QImage &image() const { return form->Picture1[0]->canvas().image(); }
    int32_t cell(int row, int col) const { return state().RowTable.at(row, col); }
    int problem(int row) const { return cell(row, Col::ProblemCount); }
    std::array<int32_t, 4> block(int row, int k) const;
    // Runs the generator for a lane directly, as the check does.
    void newProblem(int row);
    // Yellow unit cells of a lane's figure, counted on the panel.
    int yellowCells(int row) const;
};

// Row i, column j (from 1) of the unit-square grid of the lane at y0.
inline QRect gridCell(int y0, int i, int j) { return QRect(250 + 30 * j, y0 + 80 + 30 * i, 31, 31); }

// The number and unit that answer a stored problem in its base unit: the
// sum of the heights at levels 1 to 6, the stored area in the asked unit
// from level 7 on.
struct Answer {
    QString number;
    QString unit;
};
Answer rightAnswer(int level, const std::array<int32_t, 4> &block);
