#pragma once

// The lane (1 to 3) whose area holds the panel point (x, y), bounds
// excluded; 0 for none. The third lane answers only on screens wider than
// 1000 pixels.
int RowAt(int x, int y, int screenWidthPx);
