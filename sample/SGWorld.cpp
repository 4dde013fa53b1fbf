#include "sample/SGWorld.h"

#include <algorithm>
#include <cmath>

#include "sample/SGChips.h"

namespace {

using C = SGChips;

double clamp01(double v)
{
    return std::min(1.0, std::max(0.0, v));
}

// Fractal noise gathers round 0.5; this spreads it over the whole range.
double spread(double noise)
{
    return clamp01(0.5 + (noise - 0.5) * 2.2);
}

// Island centres of the island world, in units of one area.
const double kIslands[][3] = {
    {0.55, 0.55, 0.55}, {1.55, 0.45, 0.45}, {2.45, 0.65, 0.5}, {0.6, 1.5, 0.45},
    {1.5, 1.45, 0.5}, {2.5, 1.55, 0.42},
};

}  // namespace

SGWorld::SGWorld(const Style& style)
    : m_style(style), m_shapeNoise(style.seed), m_moistureNoise(style.seed + 101),
      m_detailNoise(style.seed + 202)
{
}

void SGWorld::centre(int wx, int wy, double* x, double* y)
{
    *x = wx + ((wy & 1) != 0 ? 0.5 : 0.0);
    *y = wy * 0.866;
}

double SGWorld::elevation(int wx, int wy) const
{
    double x;
    double y;
    centre(wx, wy, &x, &y);
    double noise = spread(m_shapeNoise.fractal(x / 22, y / 22));
    double nx = x / (m_style.columns * 32.0);
    double ny = y / (m_style.rows * 32.0 * 0.866);
    switch (m_style.shape) {
    case MAINLAND: {
        // High in the north, falling towards a coast in the south and the east.
        double slope = 0.95 - 0.7 * ny - 0.25 * std::max(0.0, nx - 0.55) * (0.4 + ny);
        return clamp01(0.45 * noise + 0.6 * slope - 0.05);
    }
    case ISLANDS: {
        // Coasts wander: the radius of every island changes with the noise.
        double land = 0;
        for (const auto& island : kIslands) {
            double dx = x / 32.0 - island[0];
            double dy = y / (32.0 * 0.866) - island[1];
            double radius = island[2] * (0.75 + 0.5 * m_detailNoise.fractal(x / 9, y / 9));
            land = std::max(land, 1.0 - std::sqrt(dx * dx + dy * dy) / radius);
        }
        return clamp01(0.5 * noise + 0.45 * land - 0.02);
    }
    case NORTHLAND:
    default:
        return clamp01(0.7 * noise + 0.25 * (1 - ny) + 0.05);
    }
}

double SGWorld::moisture(int wx, int wy) const
{
    double x;
    double y;
    centre(wx, wy, &x, &y);
    return spread(m_moistureNoise.fractal(x / 14, y / 14));
}

double SGWorld::warmth(int wx, int wy) const
{
    double y = wy / (m_style.rows * 32.0);
    switch (m_style.shape) {
    case MAINLAND: return 0.26 + 0.75 * y - 0.6 * std::max(0.0, elevation(wx, wy) - 0.62);
    case ISLANDS: return 0.9;
    case NORTHLAND:
    default: return 0.08 + 0.2 * y;
    }
}

uint8_t SGWorld::terrain(int wx, int wy) const
{
    double e = elevation(wx, wy);
    double m = moisture(wx, wy);
    double t = warmth(wx, wy);
    uint32_t roll = SGNoise::hash(wx, wy, m_style.seed + 7) % 100;
    double detail = m_detailNoise.value(wx / 3.0, wy / 3.0);
    if (e < SEA_LEVEL - 0.07) {
        if (t < 0.2) {
            return C::ICE;
        }
        return m_style.shape == ISLANDS && detail > 0.75 ? C::REEF : C::SEA;
    }
    if (e < SEA_LEVEL) {
        if (t < 0.2) {
            return detail > 0.5 ? C::ICE : C::SHALLOWS;
        }
        return m_style.shape == ISLANDS && detail > 0.6 ? C::LAGOON : C::SHALLOWS;
    }
    if (e < SEA_LEVEL + 0.03) {
        return t < 0.3 ? C::TUNDRA : C::SAND;
    }
    if (e > 0.8) {
        return t < 0.35 ? (t < 0.2 ? C::GLACIER : C::SNOW_MOUNTAIN) : C::HIGH_MOUNTAIN;
    }
    if (e > 0.69) {
        if (t < 0.3) {
            return C::SNOW_MOUNTAIN;
        }
        if (m_style.shape == ISLANDS) {
            return roll < 30 ? C::VOLCANO : C::CRAGS;
        }
        return roll < 15 ? C::CRAGS : C::MOUNTAIN;
    }
    if (e > 0.6) {
        if (t < 0.3) {
            return C::SNOW_HILLS;
        }
        return m > 0.55 ? C::GREEN_HILLS : (roll < 25 ? C::ROCKY_HILLS : C::HILLS);
    }
    if (t < 0.3) {
        if (m > 0.62) {
            return C::SNOW_FOREST;
        }
        return detail > 0.55 ? C::TUNDRA : C::SNOW;
    }
    if (m > 0.64) {
        if (t > 0.85) {
            return C::JUNGLE;
        }
        return t < 0.45 ? C::CONIFERS : (detail > 0.7 ? C::PINES : C::FOREST);
    }
    if (m > 0.58 && e < SEA_LEVEL + 0.1) {
        return detail > 0.5 ? C::SWAMP : C::MARSH;
    }
    if (m < 0.3) {
        if (t > 0.85 && m_style.shape != ISLANDS) {
            return roll < 10 ? C::CACTI : C::DESERT;
        }
        return t < 0.5 ? C::STEPPE : C::MEADOW;
    }
    if (roll == 0 && detail > 0.5) {
        return C::POND;
    }
    return roll < 10 ? C::FLOWERS : C::GRASS;
}

uint8_t SGWorld::height(int wx, int wy) const
{
    double e = elevation(wx, wy);
    uint8_t chip = terrain(wx, wy);
    if (isWater(chip)) {
        return 0;
    }
    if (e < SEA_LEVEL + 0.03) {
        return 1;
    }
    // Lowland 2..4 up to 0.6, hills 5..8 up to 0.69, mountains 9..15 above.
    double value;
    if (e <= 0.6) {
        value = 2 + (e - SEA_LEVEL - 0.03) / (0.6 - SEA_LEVEL - 0.03) * 2.99;
    } else if (e <= 0.69) {
        value = 5 + (e - 0.6) / 0.09 * 3.99;
    } else {
        value = 9 + (e - 0.69) / 0.2 * 6.99;
    }
    return static_cast<uint8_t>(std::min(15.0, value));
}

bool SGWorld::isWater(uint8_t terrain)
{
    return terrain == C::SEA || terrain == C::SHALLOWS || terrain == C::LAGOON || terrain == C::REEF
        || terrain == C::ICE;
}

bool SGWorld::isForest(uint8_t terrain)
{
    return terrain == C::FOREST || terrain == C::CONIFERS || terrain == C::PINES
        || terrain == C::JUNGLE;
}

bool SGWorld::isCold(uint8_t terrain)
{
    return terrain == C::SNOW || terrain == C::SNOW_FOREST || terrain == C::TUNDRA
        || terrain == C::SNOW_HILLS || terrain == C::GLACIER || terrain == C::SNOW_MOUNTAIN;
}

bool SGWorld::isRough(uint8_t terrain)
{
    return terrain == C::HILLS || terrain == C::GREEN_HILLS || terrain == C::ROCKY_HILLS
        || terrain == C::SNOW_HILLS || isSteep(terrain);
}

bool SGWorld::isSteep(uint8_t terrain)
{
    return terrain == C::MOUNTAIN || terrain == C::HIGH_MOUNTAIN || terrain == C::CRAGS
        || terrain == C::VOLCANO || terrain == C::SNOW_MOUNTAIN || terrain == C::GLACIER;
}
