#pragma once

#include "core/rowtable.h"
#include "drill/judge.h"

#include <vector>

// How one lane did, read from its record before the finish clears it.
struct LaneTally {
    int lane = 0;    // 1 to 3
    int done = 0;    // problems finished with a mark
    int right = 0;   // ○
    int later = 0;   // △
    int wrong = 0;   // ×
    // The right answers of the × problems, oldest first.
    std::vector<ExpectedAnswer> missed;
};

// One tally for each lane that was started, top lane first.
std::vector<LaneTally> TallyLanes(int level, const RowTable &table);
