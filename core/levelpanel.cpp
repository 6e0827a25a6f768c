#include "core/levelpanel.h"

namespace {

constexpr int MinRow = 24; // the 21-pixel caption and a little air
constexpr int ColumnGap = 10;

struct Rows {
    int pitch, height;
    bool fit;
};

Rows rowsFor(int n, const LevelPanel::Layout &l)
{
    const int room = l.switchesTop - l.top;
    if (n <= 1 || (n - 1) * l.pitch + l.rowHeight <= room)
        return {l.pitch, l.rowHeight, true};
    const int pitch = (room - l.rowHeight) / (n - 1);
    if (pitch >= l.rowHeight)
        return {pitch, l.rowHeight, true};
    const int tight = room / n;
    return {tight, tight, tight >= MinRow};
}

} // namespace

QRect LevelPanel::choice(int index, int count, bool wide)
{
    const Layout &l = layout(wide);
    int columns = 1;
    Rows rows = rowsFor(count, l);
    if (!rows.fit) {
        columns = 2;
        rows = rowsFor((count + 1) / 2, l);
    }
    const int perColumn = (count + columns - 1) / columns;
    const int width = columns == 1 ? l.width : (l.width - ColumnGap) / 2;
    const int column = index / perColumn, row = index % perColumn;
    return {l.left + column * (width + ColumnGap), l.top + row * rows.pitch, width, rows.height};
}
