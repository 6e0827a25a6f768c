// Prints tests/support/lanes, the lanes' places for the shell tests, from
// core/lanes.h, so that no script keeps a lane's numbers of its own. CTest
// shell_lanes fails when the committed file differs; remake it with
//   build-test/tests/shell_lanes >tests/support/lanes
#include "core/lanes.h"

#include <cstdio>

namespace {

// lane_NAME_x=([1]=.. [2]=.. [3]=..), then _y and, for a rectangle, _w and _h.
template <typename Place>
void perLane(const char *name, Place place, int parts)
{
    for (int p = 0; p < parts; ++p) {
        std::printf("lane_%s_%c=(", name, "xywh"[p]);
        for (int lane = 1; lane <= Lane::Count; ++lane) {
            const QRect r = place(lane);
            const int v[] = {r.x(), r.y(), r.width(), r.height()};
            std::printf("%s[%d]=%d", lane > 1 ? " " : "", lane, v[p]);
        }
        std::printf(")\n");
    }
}

void point(const char *name, QPoint (*at)(int))
{
    perLane(name, [at](int lane) { return QRect(at(lane), QSize()); }, 2);
}

void rect(const char *name, QRect (*of)(int)) { perLane(name, of, 4); }

} // namespace

int main()
{
    std::printf("# Made by shell_lanes from core/lanes.h; do not edit. Drawing panel\n"
                "# pixels; each array is indexed by the lane, 1 to lane_count.\n");
    std::printf("lane_count=%d\nlane_click_foot=%d\n", Lane::Count, Lane::ClickFoot);
    rect("band", LaneBand::rect);
    point("invitation", Lane::invitationAt);
    point("score_line", Lane::scoreLineAt);
    point("mark", Lane::markAt);
    point("hint", Lane::hintAt);
    point("number_box", Lane::numberBoxAt);
    point("unit_box", Lane::unitBoxAt);
    rect("keypad", Lane::keypadStrip);
    rect("check", Lane::checkButton);
    return 0;
}
