#include "drill/tally.h"

#include <algorithm>

std::vector<LaneTally> TallyLanes(int level, const RowTable &table)
{
    std::vector<LaneTally> lanes;
    for (int row = 1; row < RowTable::Rows; ++row) {
        if (table.at(row, Col::RowActive) == 0)
            continue;
        LaneTally t;
        t.lane = row;
        const int problems = std::clamp(table.at(row, Col::ProblemCount), 0, RowTable::MaxProblems);
        for (int k = 1; k <= problems; ++k) {
            switch (static_cast<Mark>(table.at(row, Col::ResultMark(k)))) {
            case Mark::Right: ++t.right; break;
            case Mark::RightLater: ++t.later; break;
            case Mark::Wrong: {
                ++t.wrong;
                const std::array<int32_t, 4> block = storedBlock(table, row, k);
                if (const std::optional<ExpectedAnswer> answer = expectedAnswer(level, block))
                    t.missed.push_back(*answer);
                break;
            }
            default: continue; // still open
            }
            ++t.done;
        }
        lanes.push_back(t);
    }
    return lanes;
}
