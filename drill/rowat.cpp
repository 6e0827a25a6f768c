#include "drill/rowat.h"

int RowAt(int x, int y, int screenWidthPx)
{
    if (!(20 < x && x < 770))
        return 0;
    if (70 < y && y < 280)
        return 1;
    if (290 < y && y < 500)
        return 2;
    if (510 < y && y < 770 && screenWidthPx > 1000)
        return 3;
    return 0;
}
