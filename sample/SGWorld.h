#pragma once

#include <cstdint>

#include "sample/SGNoise.h"

// The land a scenario's maps are cut from: one continuous field of world cells, 32 x 32 per
// area, with elevation, moisture and warmth from smooth noise, so that neighbouring maps
// continue each other. Terrain chips and heights follow from those three values.
class SGWorld {
public:
    enum Shape {
        MAINLAND,   // mountains in the north, plains, a coast and sea in the south-east
        ISLANDS,    // warm islands in a shallow sea
        NORTHLAND,  // cold hills, glaciers and frozen lakes
    };
    struct Style {
        uint32_t seed;
        Shape shape;
        int columns;  // areas across
        int rows;     // areas down
    };

    explicit SGWorld(const Style& style);

    const Style& style() const { return m_style; }
    double elevation(int wx, int wy) const;
    double moisture(int wx, int wy) const;
    double warmth(int wx, int wy) const;
    uint8_t terrain(int wx, int wy) const;
    // 0..15: water 0, shore 1, lowland 2..4, hills 5..8, mountains 9..15.
    uint8_t height(int wx, int wy) const;

    static constexpr double SEA_LEVEL = 0.34;

    static bool isWater(uint8_t terrain);
    static bool isForest(uint8_t terrain);
    static bool isCold(uint8_t terrain);
    static bool isRough(uint8_t terrain);  // hills and mountains
    static bool isSteep(uint8_t terrain);  // mountains

private:
    // The cell's centre in a frame where neighbours are one unit apart.
    static void centre(int wx, int wy, double* x, double* y);

    Style m_style;
    SGNoise m_shapeNoise;
    SGNoise m_moistureNoise;
    SGNoise m_detailNoise;
};
