#pragma once

#include <QString>

// 100 x minutes of the first clock reading + seconds of the second, read
// from "hh:mm:ss" texts; 0 to 5959.
int SeedFromClock(const QString &first, const QString &second);
