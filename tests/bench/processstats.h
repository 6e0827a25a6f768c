#pragma once

// The benchmark child's own figures, read the way its system offers them.
// Resident memory in kB, -1 where it cannot be read.
long rssKb();
// Processor time of this process so far, in microseconds.
long cpuMicros();
