#pragma once

// The lane (1 to 3) whose area holds the panel point (x, y), bounds
// excluded; 0 for none. The areas are the lanes' bands, the last one reaching
// down to the panel's foot; it answers only on screens wide enough for it.
int RowAt(int x, int y, int screenWidthPx);
