#pragma once

#include "core/randomsource.h"

#include <QList>

// Gives out the fractions it was handed, then falls back on the seeded
// generator, so a test can steer a family's draws.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(QList<double> fractions = {})
        : script_(std::move(fractions))
    {
    }
    void add(QList<double> fractions) { script_ += fractions; }
    double next() override { return script_.isEmpty() ? RandomSource::next() : script_.takeFirst(); }
    int left() const { return static_cast<int>(script_.size()); }

    // The fraction that makes between(a, b) give v.
    static double pick(int v, int a, int b) { return (v - a + 0.5) / (b - a + 1); }

private:
    QList<double> script_;
};
