#pragma once

#include <cstdint>
#include <random>

// The one program-wide source of random numbers.
class RandomSource {
public:
    explicit RandomSource(uint32_t seed = 0) { reseed(seed); }
    virtual ~RandomSource() = default;

    void reseed(uint32_t seed) { engine_.seed(seed); }

    // Uniform in [0, 1). Built from the top 53 bits of one 64-bit draw, so
    // the largest value is 1 - 2^-53 and 1.0 itself can never come out.
    virtual double next();

    // The fraction made from one 64-bit draw.
    static double fraction(uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

    // A random integer a to b: the integer part of next() * (b - a + 1) + a.
    int between(int a, int b);

private:
    std::mt19937_64 engine_;
};
