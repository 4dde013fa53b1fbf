#include "sample/SGNoise.h"

#include <cmath>

uint32_t SGNoise::hash(uint32_t a, uint32_t b, uint32_t c)
{
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double SGNoise::unit(uint32_t a, uint32_t b, uint32_t c)
{
    return (hash(a, b, c) >> 8) / 16777216.0;
}

double SGNoise::lattice(int x, int y, uint32_t octave) const
{
    return unit(static_cast<uint32_t>(x), static_cast<uint32_t>(y), m_seed * 131u + octave);
}

double SGNoise::value(double x, double y) const
{
    int x0 = static_cast<int>(std::floor(x));
    int y0 = static_cast<int>(std::floor(y));
    double fx = x - x0;
    double fy = y - y0;
    double sx = fx * fx * (3 - 2 * fx);
    double sy = fy * fy * (3 - 2 * fy);
    double top = lattice(x0, y0, 0) + (lattice(x0 + 1, y0, 0) - lattice(x0, y0, 0)) * sx;
    double bottom = lattice(x0, y0 + 1, 0) + (lattice(x0 + 1, y0 + 1, 0) - lattice(x0, y0 + 1, 0)) * sx;
    return top + (bottom - top) * sy;
}

double SGNoise::fractal(double x, double y) const
{
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (uint32_t octave = 0; octave < 4; ++octave) {
        SGNoise layer(m_seed + octave * 7919u);
        sum += layer.value(x + octave * 17.3, y - octave * 9.1) * weight;
        total += weight;
        x *= 2.03;
        y *= 2.03;
        weight /= 2;
    }
    return sum / total;
}

uint32_t SGNoise::next()
{
    m_state = hash(m_state, 0x51ED270Bu, m_seed);
    return m_state;
}
