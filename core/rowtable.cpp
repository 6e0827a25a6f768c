#include "core/rowtable.h"

void RowTable::set(int row, int col, int32_t value)
{
    if (!inRange(row, col)) {
        ++rejected_;
        return;
    }
    cells_[row][col] = value;
}

void RowTable::clear(int row, int firstCol, int lastCol)
{
    for (int col = firstCol; col <= lastCol; ++col)
        set(row, col, 0);
}
