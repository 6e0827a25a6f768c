#include "drill/rowat.h"

#include "core/lanes.h"
#include "core/screenwidth.h"

int RowAt(int x, int y, int screenWidthPx)
{
    if (!(LaneBand::Left < x && x < LaneBand::Right))
        return 0;
    for (int row = 1; row <= 3; ++row) {
        // The last lane answers below its band too, down to the panel's foot.
        const int bottom = row < 3 ? LaneBand::bottom(row) : 770;
        if (LaneBand::top(row) < y && y < bottom)
            return row == 3 && !thirdLaneClickable(screenWidthPx) ? 0 : row;
    }
    return 0;
}
