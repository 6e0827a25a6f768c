#include "drill/seed.h"

int SeedFromClock(const QString &first, const QString &second)
{
    const QString digits = first.mid(3, 2) + second.right(2);
    bool ok = false;
    const int seed = digits.toInt(&ok);
    return ok && seed >= 0 ? seed : 0;
}
