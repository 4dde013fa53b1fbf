#pragma once

#include <cstdint>

// Reproducible randomness for the sample game: integer hashing and smooth value noise. Only
// integer arithmetic decides a value's bits, so every compiler and machine gets the same game.
class SGNoise {
public:
    explicit SGNoise(uint32_t seed) : m_seed(seed), m_state(seed) {}

    // Hash of three integers to 0..2^32-1.
    static uint32_t hash(uint32_t a, uint32_t b, uint32_t c);
    // The hash as a number in [0, 1).
    static double unit(uint32_t a, uint32_t b, uint32_t c);

    // Smooth noise in [0, 1) at a point; features are about one unit apart.
    double value(double x, double y) const;
    // Four octaves of value noise, in [0, 1).
    double fractal(double x, double y) const;

    // The next number of this generator's own sequence.
    uint32_t next();
    // 0..count-1 (count > 0).
    int below(int count) { return static_cast<int>(next() % static_cast<uint32_t>(count)); }
    // True with the given chance in percent.
    bool chance(int percent) { return below(100) < percent; }

private:
    double lattice(int x, int y, uint32_t octave) const;

    uint32_t m_seed;
    uint32_t m_state;
};
