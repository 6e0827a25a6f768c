#include "drill/rowat.h"

#include "core/lanes.h"
#include "core/screenwidth.h"

int RowAt(int x, int y, int screenWidthPx)
{
    if (!(LaneBand::Left < x && x < LaneBand::Right))
        return 0;
    for (int row = 1; row <= Lane::Count; ++row) {
        const int bottom = row < Lane::Count ? LaneBand::bottom(row) : Lane::ClickFoot;
        if (LaneBand::top(row) < y && y < bottom)
            return row == Lane::Count && !thirdLaneClickable(screenWidthPx) ? 0 : row;
    }
    return 0;
}
