#include "core/randomsource.h"

#include <cmath>

double RandomSource::next()
{
    return fraction(engine_());
}

int RandomSource::between(int a, int b)
{
    const double f = next();
    return static_cast<int>(std::floor(f * (b - a + 1) + a));
}
