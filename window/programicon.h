#pragma once

// Gives every window of the program the 面 icon: the 16-pixel drawing, and
// larger ones from the same source for task bars and switchers. Reading
// them costs several milliseconds, so a start does it after the first frame.
void setProgramIcon();
