#pragma once

#include "core/randomsource.h"
#include "core/readingaids.h"
#include "core/rowtable.h"

#include <cstdint>

// The program-wide state of a drill, alive as long as the window.
struct Module1 {
    int16_t Level = 0;          // 0 until a level is chosen, then 1 to LevelCount
    int16_t ScreenWidthPx = 0;  // measured once at start-up
    int16_t PanelIndex = 0;     // the drawing panel is always Picture1(0)
    int16_t RowIndex = 1;       // answer lane being worked on, 1 to 3
    ::RowTable RowTable;
    RandomSource Random;
    ReadingAids Aids;           // the level panel's switches
};
