#include "sample/SGChipPainter.h"

#include <cmath>
#include <functional>

#include "sample/SGChips.h"
#include "sample/SGNoise.h"

namespace {

using C = SGChips;

const SGColor kOutline = {40, 32, 26};

// Every pixel of the chip in the base colour, lightened or darkened a little at random.
void texture(SGCanvas& c, SGColor base, int spread, uint32_t seed)
{
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            int offset = static_cast<int>(SGNoise::hash(x, y, seed) % (2 * spread + 1)) - spread;
            c.set(x, y, base.shade(100 + offset));
        }
    }
}

// A few points scattered reproducibly over the chip, kept off its rim.
template <typename Draw>
void scatter(int count, uint32_t seed, int margin, Draw draw)
{
    for (int i = 0; i < count; ++i) {
        float x = margin + SGNoise::hash(i, 1, seed) % (32 - 2 * margin);
        float y = margin + SGNoise::hash(i, 2, seed) % (32 - 2 * margin);
        draw(x, y, i);
    }
}

void roundTree(SGCanvas& c, float x, float y, float r, SGColor crown)
{
    c.fillRect(static_cast<int>(x) - 1, static_cast<int>(y), 2, static_cast<int>(r) + 2, SGColor{90, 60, 35});
    c.fillCircle(x, y, r + 1, crown.shade(55));
    c.fillCircle(x, y, r, crown);
    c.fillCircle(x - r / 3, y - r / 3, r / 2.5f, crown.shade(130));
}

void conifer(SGCanvas& c, float x, float y, float h, SGColor needles, bool snowy)
{
    c.fillRect(static_cast<int>(x) - 1, static_cast<int>(y + h / 2), 2, 3, SGColor{80, 55, 35});
    float w = h * 0.45f;
    c.fillPolygon({x, y - h / 2 - 1, x + w + 1, y + h / 2 + 1, x - w - 1, y + h / 2 + 1}, needles.shade(50));
    c.fillPolygon({x, y - h / 2, x + w, y + h / 2, x - w, y + h / 2}, needles);
    if (snowy) {
        c.fillPolygon({x, y - h / 2, x + w * 0.45f, y - h / 8, x - w * 0.45f, y - h / 8}, SGColor{245, 248, 255});
    }
}

void hump(SGCanvas& c, float x, float y, float w, float h, SGColor colour)
{
    std::vector<float> light;
    std::vector<float> shade;
    for (int i = 0; i <= 12; ++i) {
        float a = 3.14159f * i / 12;
        float px = x - std::cos(a) * w / 2;
        float py = y - std::sin(a) * h;
        light.push_back(px);
        light.push_back(py);
    }
    c.fillPolygon(light, colour.shade(70));
    for (size_t i = 0; i < light.size(); i += 2) {
        shade.push_back(x + (light[i] - x) * 0.85f - 1);
        shade.push_back(y + (light[i + 1] - y) * 0.85f);
    }
    c.fillPolygon(shade, colour);
    c.line(x - w / 2 + 1, y - 0.5f, x + w / 2 - 1, y - 0.5f, 1, colour.shade(60));
}

void peak(SGCanvas& c, float x, float base, float w, float h, SGColor rock, int snowPercent)
{
    c.fillPolygon({x, base - h - 1, x + w / 2 + 1, base + 1, x - w / 2 - 1, base + 1}, rock.shade(45));
    c.fillPolygon({x, base - h, x + w / 2, base, x - w / 2, base}, rock.shade(75));
    c.fillPolygon({x, base - h, x - w / 2, base, x - w / 8, base}, rock.shade(115));
    if (snowPercent > 0) {
        float s = h * snowPercent / 100.0f;
        float sw = w / 2 * snowPercent / 100.0f;
        c.fillPolygon({x, base - h, x + sw, base - h + s, x, base - h + s * 0.8f, x - sw, base - h + s},
                      SGColor{245, 248, 255});
    }
}

void waves(SGCanvas& c, SGColor colour, uint32_t seed, int count)
{
    scatter(count, seed, 4, [&](float x, float y, int) {
        c.line(x - 3, y, x - 1, y - 1.5f, 1, colour);
        c.line(x - 1, y - 1.5f, x + 1, y, 1, colour);
        c.line(x + 1, y, x + 3, y - 1.5f, 1, colour);
    });
}

void pond(SGCanvas& c, float x, float y, float rx, float ry, SGColor water)
{
    std::vector<float> shape;
    for (int i = 0; i < 16; ++i) {
        float a = 6.28318f * i / 16;
        shape.push_back(x + std::cos(a) * rx);
        shape.push_back(y + std::sin(a) * ry);
    }
    c.fillPolygon(shape, water.shade(60));
    for (size_t i = 0; i < shape.size(); i += 2) {
        shape[i] = x + (shape[i] - x) * 0.85f;
        shape[i + 1] = y + (shape[i + 1] - y) * 0.8f;
    }
    c.fillPolygon(shape, water);
    c.line(x - rx / 2, y - ry / 3, x, y - ry / 3, 1, water.shade(140));
}

void reeds(SGCanvas& c, float x, float y)
{
    SGColor stem = {60, 110, 40};
    c.line(x, y, x - 1.5f, y - 5, 1, stem);
    c.line(x + 1, y, x + 1, y - 6, 1, stem);
    c.line(x + 2, y, x + 3.5f, y - 5, 1, stem);
    c.fillRect(static_cast<int>(x), static_cast<int>(y - 7), 2, 3, SGColor{120, 80, 40});
}

void stones(SGCanvas& c, uint32_t seed, int count, SGColor stone)
{
    scatter(count, seed, 3, [&](float x, float y, int i) {
        float r = 1.5f + (i % 3);
        c.fillCircle(x + 0.5f, y + 0.8f, r, stone.shade(55));
        c.fillCircle(x, y, r, stone);
        c.fillCircle(x - r / 3, y - r / 3, r / 3, stone.shade(130));
    });
}

void paintTerrain(SGCanvas& c, int chip)
{
    uint32_t seed = static_cast<uint32_t>(chip) * 977u + 13u;
    const SGColor grass = {96, 158, 62};
    const SGColor snow = {234, 240, 250};
    const SGColor shallow = {88, 168, 214};
    const SGColor sand = {226, 206, 142};
    switch (chip) {
    case C::GRASS:
        texture(c, grass, 8, seed);
        scatter(6, seed, 3, [&](float x, float y, int) { c.line(x, y, x + 1, y - 2, 1, grass.shade(75)); });
        break;
    case C::FLOWERS:
        texture(c, grass, 8, seed);
        scatter(12, seed, 2, [&](float x, float y, int i) {
            const SGColor petals[3] = {{250, 230, 80}, {250, 250, 250}, {240, 130, 170}};
            c.fillCircle(x, y, 1.3f, petals[i % 3]);
        });
        break;
    case C::MEADOW:
        texture(c, SGColor{158, 172, 82}, 8, seed);
        scatter(8, seed, 3, [&](float x, float y, int) {
            c.line(x, y, x - 1, y - 3, 1, SGColor{120, 140, 60});
            c.line(x + 1, y, x + 2, y - 3, 1, SGColor{120, 140, 60});
        });
        break;
    case C::FARMLAND:
        for (int row = 0; row < 32; ++row) {
            SGColor soil = (row / 4) % 2 == 0 ? SGColor{150, 112, 66} : SGColor{124, 160, 60};
            for (int x = 0; x < 32; ++x) {
                c.set(x, row, soil.shade(96 + static_cast<int>(SGNoise::hash(x, row, seed) % 8)));
            }
        }
        break;
    case C::FOREST:
        texture(c, SGColor{52, 108, 40}, 8, seed);
        roundTree(c, 8, 9, 5, SGColor{44, 124, 44});
        roundTree(c, 23, 7, 5, SGColor{54, 134, 48});
        roundTree(c, 15, 18, 6, SGColor{40, 118, 40});
        roundTree(c, 6, 24, 5, SGColor{50, 128, 46});
        roundTree(c, 25, 23, 5, SGColor{44, 124, 44});
        break;
    case C::CONIFERS:
        texture(c, SGColor{44, 92, 46}, 8, seed);
        conifer(c, 8, 10, 14, SGColor{28, 86, 52}, false);
        conifer(c, 22, 8, 13, SGColor{30, 92, 56}, false);
        conifer(c, 15, 21, 15, SGColor{26, 82, 50}, false);
        conifer(c, 27, 22, 12, SGColor{30, 92, 56}, false);
        break;
    case C::HILLS:
        texture(c, SGColor{136, 142, 74}, 8, seed);
        hump(c, 10, 15, 16, 9, SGColor{160, 156, 86});
        hump(c, 22, 27, 18, 10, SGColor{156, 150, 82});
        break;
    case C::GREEN_HILLS:
        texture(c, grass, 8, seed);
        hump(c, 11, 15, 16, 9, SGColor{112, 170, 70});
        hump(c, 22, 27, 18, 10, SGColor{106, 164, 66});
        break;
    case C::MOUNTAIN:
        texture(c, SGColor{124, 112, 92}, 8, seed);
        peak(c, 11, 24, 20, 18, SGColor{150, 138, 122}, 0);
        peak(c, 22, 30, 18, 15, SGColor{140, 128, 112}, 0);
        break;
    case C::HIGH_MOUNTAIN:
        texture(c, SGColor{116, 108, 96}, 8, seed);
        peak(c, 15, 27, 26, 24, SGColor{150, 142, 134}, 40);
        peak(c, 25, 31, 14, 12, SGColor{140, 132, 124}, 30);
        break;
    case C::SHALLOWS:
        texture(c, shallow, 5, seed);
        waves(c, shallow.shade(130), seed, 4);
        break;
    case C::SEA:
        texture(c, SGColor{30, 72, 152}, 5, seed);
        waves(c, SGColor{90, 130, 200}, seed, 4);
        break;
    case C::SAND:
        texture(c, sand, 7, seed);
        scatter(10, seed, 1, [&](float x, float y, int) { c.set(static_cast<int>(x), static_cast<int>(y), sand.shade(80)); });
        break;
    case C::DESERT:
        texture(c, SGColor{222, 182, 104}, 5, seed);
        for (int i = 0; i < 3; ++i) {
            float y = 7.0f + i * 10;
            c.line(2, y + 2, 12, y - 1, 1.5f, SGColor{190, 146, 80});
            c.line(12, y - 1, 26, y + 2, 1.5f, SGColor{238, 206, 140});
        }
        break;
    case C::SNOW:
        texture(c, snow, 4, seed);
        scatter(6, seed, 3, [&](float x, float y, int) { c.line(x - 2, y, x + 2, y, 1, SGColor{200, 214, 236}); });
        break;
    case C::SNOW_FOREST:
        texture(c, snow, 4, seed);
        conifer(c, 8, 10, 14, SGColor{34, 84, 60}, true);
        conifer(c, 22, 9, 13, SGColor{34, 84, 60}, true);
        conifer(c, 15, 22, 15, SGColor{30, 78, 56}, true);
        break;
    case C::SWAMP:
        texture(c, SGColor{92, 110, 62}, 8, seed);
        pond(c, 10, 11, 7, 4, SGColor{70, 96, 86});
        pond(c, 22, 22, 8, 4, SGColor{70, 96, 86});
        reeds(c, 22, 12);
        reeds(c, 8, 26);
        break;
    case C::ROCKS:
        texture(c, SGColor{142, 136, 126}, 8, seed);
        stones(c, seed, 7, SGColor{170, 164, 154});
        break;
    case C::ICE:
        texture(c, SGColor{192, 226, 242}, 4, seed);
        c.line(3, 8, 14, 14, 1, SGColor{150, 196, 226});
        c.line(14, 14, 28, 10, 1, SGColor{150, 196, 226});
        c.line(14, 14, 18, 28, 1, SGColor{150, 196, 226});
        c.line(6, 25, 18, 28, 1, SGColor{240, 250, 255});
        break;
    case C::DIRT:
        texture(c, SGColor{140, 102, 62}, 10, seed);
        stones(c, seed, 3, SGColor{160, 130, 96});
        break;
    case C::PAVING:
        texture(c, SGColor{160, 156, 148}, 6, seed);
        for (int y = 0; y < 32; y += 6) {
            c.line(0, y + 0.5f, 32, y + 0.5f, 1, SGColor{110, 106, 100});
            for (int x = (y / 6) % 2 * 4; x < 32; x += 8) {
                c.line(x + 0.5f, y, x + 0.5f, y + 6, 1, SGColor{110, 106, 100});
            }
        }
        break;
    case C::STEPPE:
        texture(c, SGColor{184, 172, 104}, 7, seed);
        scatter(7, seed, 3, [&](float x, float y, int) {
            c.line(x, y, x - 2, y - 3, 1, SGColor{130, 130, 70});
            c.line(x, y, x + 2, y - 3, 1, SGColor{130, 130, 70});
        });
        break;
    case C::MARSH:
        texture(c, SGColor{104, 140, 72}, 8, seed);
        pond(c, 16, 17, 10, 6, SGColor{74, 120, 120});
        reeds(c, 7, 12);
        reeds(c, 24, 29);
        reeds(c, 26, 10);
        break;
    case C::POND:
        texture(c, grass, 8, seed);
        pond(c, 16, 16, 12, 9, shallow);
        break;
    case C::ORCHARD:
        texture(c, grass, 8, seed);
        for (int i = 0; i < 6; ++i) {
            float x = 7.0f + (i % 3) * 9;
            float y = 9.0f + (i / 3) * 13;
            roundTree(c, x, y, 4, SGColor{70, 140, 50});
            c.fillCircle(x + 1, y + 1, 1, SGColor{220, 40, 40});
            c.fillCircle(x - 2, y - 1, 1, SGColor{220, 40, 40});
        }
        break;
    case C::VINEYARD:
        texture(c, SGColor{150, 120, 76}, 8, seed);
        for (int row = 0; row < 4; ++row) {
            float y = 4.5f + row * 8;
            c.line(1, y, 31, y, 1, SGColor{100, 70, 40});
            for (int x = 3; x < 32; x += 5) {
                c.fillCircle(x, y - 1, 2, SGColor{60, 120, 40});
                c.fillCircle(x + 1, y + 1, 1, SGColor{110, 50, 120});
            }
        }
        break;
    case C::PINES:
        texture(c, SGColor{92, 140, 66}, 8, seed);
        conifer(c, 7, 11, 12, SGColor{40, 104, 50}, false);
        conifer(c, 18, 8, 12, SGColor{40, 104, 50}, false);
        conifer(c, 26, 16, 12, SGColor{36, 98, 46}, false);
        conifer(c, 12, 24, 12, SGColor{40, 104, 50}, false);
        break;
    case C::JUNGLE:
        texture(c, SGColor{30, 120, 40}, 10, seed);
        scatter(9, seed, 3, [&](float x, float y, int i) {
            SGColor leaf = i % 2 ? SGColor{60, 170, 50} : SGColor{40, 150, 60};
            c.fillPolygon({x, y - 5, x + 4, y, x, y + 5, x - 4, y}, leaf);
            c.line(x, y - 4, x, y + 4, 1, leaf.shade(60));
        });
        break;
    case C::ROCKY_HILLS:
        texture(c, SGColor{140, 134, 120}, 8, seed);
        hump(c, 11, 15, 16, 9, SGColor{164, 158, 146});
        hump(c, 22, 27, 18, 10, SGColor{158, 152, 140});
        stones(c, seed + 1, 3, SGColor{120, 116, 108});
        break;
    case C::MESA:
        texture(c, SGColor{206, 150, 96}, 6, seed);
        c.fillPolygon({5, 24, 9, 9, 23, 9, 27, 24}, SGColor{160, 86, 52});
        c.fillPolygon({9, 9, 23, 9, 22, 12, 10, 12}, SGColor{196, 110, 66});
        c.line(7, 18, 25, 18, 1, SGColor{136, 70, 44});
        break;
    case C::CRAGS:
        texture(c, SGColor{120, 116, 110}, 8, seed);
        peak(c, 8, 28, 10, 20, SGColor{150, 146, 140}, 0);
        peak(c, 17, 26, 10, 22, SGColor{140, 136, 130}, 0);
        peak(c, 26, 30, 10, 18, SGColor{150, 146, 140}, 0);
        break;
    case C::VOLCANO:
        texture(c, SGColor{96, 80, 72}, 8, seed);
        c.fillPolygon({16, 6, 30, 29, 2, 29}, SGColor{80, 62, 56});
        c.fillPolygon({16, 6, 2, 29, 12, 29}, SGColor{110, 90, 80});
        c.fillPolygon({12, 8, 20, 8, 18, 5, 14, 5}, SGColor{240, 80, 20});
        c.line(15, 9, 13, 18, 1.5f, SGColor{240, 120, 30});
        break;
    case C::LAGOON:
        texture(c, SGColor{64, 196, 196}, 5, seed);
        waves(c, SGColor{140, 230, 226}, seed, 3);
        break;
    case C::REEF:
        texture(c, shallow, 5, seed);
        scatter(8, seed, 3, [&](float x, float y, int i) {
            c.fillCircle(x, y, 1.6f, i % 2 ? SGColor{240, 120, 110} : SGColor{250, 190, 90});
        });
        break;
    case C::OASIS:
        texture(c, sand, 7, seed);
        pond(c, 14, 20, 9, 6, shallow);
        c.line(24, 22, 22, 9, 2, SGColor{140, 96, 50});
        for (int i = 0; i < 5; ++i) {
            float a = -2.6f + i * 0.55f;
            c.line(22, 9, 22 + std::cos(a) * 7, 9 + std::sin(a) * 5 + 3, 2, SGColor{50, 150, 50});
        }
        break;
    case C::CACTI:
        texture(c, sand, 7, seed);
        for (int i = 0; i < 3; ++i) {
            float x = 7.0f + i * 9;
            float y = 12.0f + (i % 2) * 10;
            SGColor green = {60, 140, 60};
            c.line(x, y - 6, x, y + 6, 3, green);
            c.line(x - 3, y - 2, x - 3, y + 1, 2, green);
            c.line(x - 3, y + 1, x, y + 1, 2, green);
            c.line(x + 3, y - 4, x + 3, y - 1, 2, green);
        }
        break;
    case C::TUNDRA:
        texture(c, SGColor{150, 158, 130}, 8, seed);
        scatter(5, seed, 3, [&](float x, float y, int) { c.fillCircle(x, y, 2.5f, SGColor{230, 236, 244}); });
        break;
    case C::SNOW_HILLS:
        texture(c, snow, 4, seed);
        hump(c, 11, 15, 16, 9, SGColor{214, 226, 244});
        hump(c, 22, 27, 18, 10, SGColor{208, 222, 242});
        break;
    case C::GLACIER:
        texture(c, SGColor{200, 226, 244}, 4, seed);
        c.line(4, 6, 28, 10, 1.5f, SGColor{110, 160, 210});
        c.line(2, 17, 30, 15, 1.5f, SGColor{110, 160, 210});
        c.line(5, 26, 27, 24, 1.5f, SGColor{110, 160, 210});
        break;
    case C::SNOW_MOUNTAIN:
        texture(c, snow, 4, seed);
        peak(c, 12, 26, 22, 20, SGColor{160, 166, 180}, 65);
        peak(c, 24, 31, 16, 14, SGColor{150, 156, 170}, 60);
        break;
    case C::RUINS:
        texture(c, grass, 8, seed);
        c.fillRect(4, 8, 10, 5, SGColor{168, 162, 150});
        c.fillRect(4, 8, 3, 12, SGColor{168, 162, 150});
        c.fillRect(18, 18, 10, 4, SGColor{158, 152, 140});
        c.fillRect(24, 12, 3, 10, SGColor{158, 152, 140});
        stones(c, seed, 4, SGColor{150, 146, 136});
        break;
    case C::LAVA:
        texture(c, SGColor{62, 44, 40}, 10, seed);
        c.line(2, 6, 14, 14, 2, SGColor{250, 110, 20});
        c.line(14, 14, 30, 12, 2, SGColor{250, 150, 30});
        c.line(14, 14, 18, 30, 2, SGColor{240, 90, 20});
        c.line(5, 26, 18, 30, 1.5f, SGColor{250, 190, 60});
        break;
    default:
        texture(c, grass, 8, seed);
        break;
    }
}

// Where a slot lies on the chip's rim, and the way into the chip from there.
struct Slot {
    float x;
    float y;
    float inX;
    float inY;
};

Slot slotPoint(int direction, bool slotA)
{
    // Left and right edges: A above, B below. The half edges above and below: A left, B right.
    const float lane[2] = {10.5f, 21.5f};
    const float halfLane[2] = {4.5f, 11.5f};
    int b = slotA ? 0 : 1;
    switch (direction) {
    case 0: return Slot{halfLane[b], 0, 0, 1};
    case 1: return Slot{0, lane[b], 1, 0};
    case 2: return Slot{halfLane[b], 32, 0, -1};
    case 3: return Slot{16 + halfLane[b], 32, 0, -1};
    case 4: return Slot{32, lane[b], -1, 0};
    default: return Slot{16 + halfLane[b], 0, 0, 1};
    }
}

struct LineStyle {
    SGColor outline;
    SGColor colour;
    SGColor detail;
    float width;
};

LineStyle groupStyle(int group)
{
    switch (group) {
    case C::FRONTIER: return {{90, 20, 20}, {210, 36, 36}, {245, 245, 245}, 3.5f};
    case C::RIVER:
    case C::FOREST_RIVER: return {{30, 62, 128}, {56, 124, 220}, {150, 200, 250}, 6};
    case C::CLIFF: return {{60, 40, 24}, {120, 84, 50}, {190, 160, 120}, 5};
    case C::STREAM: return {{40, 80, 140}, {80, 150, 230}, {170, 214, 250}, 3.5f};
    case C::HEDGE: return {{20, 60, 20}, {36, 110, 36}, {70, 150, 60}, 5};
    case C::PATH: return {{140, 108, 64}, {214, 186, 128}, {234, 214, 170}, 3.5f};
    case C::DITCH: return {{36, 26, 16}, {80, 58, 36}, {110, 84, 56}, 4.5f};
    case C::RIDGE: return {{80, 76, 72}, {206, 204, 200}, {250, 250, 250}, 3.5f};
    case C::FROZEN_RIVER: return {{80, 130, 186}, {176, 218, 242}, {250, 252, 255}, 6};
    default: return {{110, 28, 10}, {248, 108, 20}, {255, 220, 70}, 5.5f};
    }
}

// The border line of one chip: a smooth curve between its two slots that leaves each edge
// at a right angle, so that lines of neighbouring chips meet in one stroke.
void paintBorderLine(SGCanvas& c, int group, uint32_t mask)
{
    std::vector<Slot> ends;
    for (int direction = 0; direction < 6; ++direction) {
        if ((mask & C::slotA(direction)) != 0) {
            ends.push_back(slotPoint(direction, true));
        }
        if ((mask & C::slotB(direction)) != 0) {
            ends.push_back(slotPoint(direction, false));
        }
    }
    if (ends.size() != 2) {
        return;
    }
    const float pull = 11;
    Slot p = ends[0];
    Slot q = ends[1];
    float x1 = p.x + p.inX * pull;
    float y1 = p.y + p.inY * pull;
    float x2 = q.x + q.inX * pull;
    float y2 = q.y + q.inY * pull;
    std::vector<float> points;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        float t = static_cast<float>(i) / steps;
        float u = 1 - t;
        points.push_back(u * u * u * p.x + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t * t * t * q.x);
        points.push_back(u * u * u * p.y + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t * t * t * q.y);
    }
    LineStyle style = groupStyle(group);
    auto stroke = [&](float width, const std::function<SGColor(int)>& colour) {
        for (int i = 0; i < steps; ++i) {
            c.line(points[2 * i], points[2 * i + 1], points[2 * i + 2], points[2 * i + 3], width, colour(i));
        }
    };
    if (group == C::HEDGE) {
        for (int i = 0; i <= steps; i += 4) {
            c.fillCircle(points[2 * i], points[2 * i + 1], 3.2f, style.outline);
        }
        for (int i = 0; i <= steps; i += 4) {
            c.fillCircle(points[2 * i], points[2 * i + 1], 2.4f, style.colour);
            c.fillCircle(points[2 * i] - 0.8f, points[2 * i + 1] - 0.8f, 1, style.detail);
        }
        return;
    }
    stroke(style.width + 2, [&](int) { return style.outline; });
    if (group == C::FRONTIER) {
        stroke(style.width, [&](int i) { return (i / 6) % 2 == 0 ? style.colour : style.detail; });
        return;
    }
    stroke(style.width, [&](int) { return style.colour; });
    stroke(std::max(1.0f, style.width / 4), [&](int i) {
        return group == C::CLIFF || group == C::DITCH ? ((i / 4) % 2 == 0 ? style.detail : style.colour)
                                                      : style.detail;
    });
}

void house(SGCanvas& c, float x, float y, float w, float h, SGColor walls, SGColor roof)
{
    float top = y - h * 0.7f;
    c.fillPolygon({x - 1.5f, y + 0.5f, x + w / 2, top - 1.5f, x + w + 1.5f, y + 0.5f}, kOutline);
    c.fillRect(static_cast<int>(x) - 1, static_cast<int>(y) - 1, static_cast<int>(w) + 2, static_cast<int>(h) + 2, kOutline);
    c.fillRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h), walls);
    c.fillPolygon({x, y + 0.5f, x + w / 2, top, x + w, y + 0.5f}, roof);
    c.fillPolygon({x + w / 2, top, x + w, y + 0.5f, x + w / 2, y + 0.5f}, roof.shade(80));
    int door = std::max(1, static_cast<int>(w / 4));
    c.fillRect(static_cast<int>(x + w / 2) - door / 2, static_cast<int>(y + h) - 3, door, 3, SGColor{90, 60, 36});
}

void tower(SGCanvas& c, float x, float y, float w, float h, SGColor stone)
{
    c.fillRect(static_cast<int>(x) - 1, static_cast<int>(y) - 1, static_cast<int>(w) + 2, static_cast<int>(h) + 2, kOutline);
    c.fillRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h), stone);
    c.fillRect(static_cast<int>(x + w / 2), static_cast<int>(y), static_cast<int>(w / 2), static_cast<int>(h), stone.shade(80));
    for (int i = 0; i < static_cast<int>(w); i += 3) {
        c.fillRect(static_cast<int>(x) + i, static_cast<int>(y) - 3, 2, 3, stone);
    }
}

void groundPatch(SGCanvas& c, float x, float y, float rx, float ry, SGColor soil)
{
    std::vector<float> shape;
    for (int i = 0; i < 20; ++i) {
        float a = 6.28318f * i / 20;
        shape.push_back(x + std::cos(a) * rx);
        shape.push_back(y + std::sin(a) * ry);
    }
    c.fillPolygon(shape, soil.shade(70));
    for (size_t i = 0; i < shape.size(); i += 2) {
        shape[i] = x + (shape[i] - x) * 0.92f;
        shape[i + 1] = y + (shape[i + 1] - y) * 0.88f;
    }
    c.fillPolygon(shape, soil);
}

const SGColor kPlaster = {236, 224, 194};
const SGColor kRedRoof = {186, 62, 44};
const SGColor kBlueRoof = {62, 90, 164};
const SGColor kStone = {176, 172, 164};
const SGColor kSoil = {176, 146, 100};
const SGColor kWood = {150, 104, 60};

void tent(SGCanvas& c, float x, float y, float w, SGColor cloth)
{
    c.fillPolygon({x - w / 2 - 1, y + 1, x, y - w * 0.8f - 1, x + w / 2 + 1, y + 1}, kOutline);
    c.fillPolygon({x - w / 2, y, x, y - w * 0.8f, x + w / 2, y}, cloth);
    c.fillPolygon({x, y - w * 0.8f, x + w / 2, y, x, y}, cloth.shade(78));
    c.line(x, y, x, y - w * 0.35f, 1, kOutline);
}

void paintSettlement(SGCanvas& c, int chip)
{
    switch (chip) {
    case C::VILLAGE:
        groundPatch(c, 16, 20, 13, 9, kSoil);
        house(c, 5, 16, 9, 7, kPlaster, kRedRoof);
        house(c, 18, 20, 9, 7, kPlaster, SGColor{150, 100, 50});
        break;
    case C::TOWN:
        groundPatch(c, 16, 18, 15, 12, kSoil);
        house(c, 3, 11, 8, 6, kPlaster, kRedRoof);
        house(c, 14, 9, 9, 7, kPlaster, kBlueRoof);
        house(c, 6, 22, 9, 6, kPlaster, kBlueRoof);
        house(c, 19, 21, 9, 7, kPlaster, kRedRoof);
        break;
    case C::CITY:
        groundPatch(c, 16, 17, 15, 14, SGColor{170, 166, 156});
        house(c, 2, 10, 7, 6, kPlaster, kRedRoof);
        house(c, 23, 10, 7, 6, kPlaster, kBlueRoof);
        tower(c, 12, 6, 8, 14, kStone);
        c.fillPolygon({11, 6, 16, 0, 21, 6}, kBlueRoof);
        house(c, 2, 23, 8, 6, kPlaster, kBlueRoof);
        house(c, 12, 24, 8, 5, kPlaster, kRedRoof);
        house(c, 22, 23, 8, 6, kPlaster, kRedRoof);
        break;
    case C::CASTLE:
        groundPatch(c, 16, 24, 15, 7, kSoil);
        tower(c, 3, 10, 7, 18, kStone);
        tower(c, 22, 10, 7, 18, kStone);
        tower(c, 10, 15, 12, 13, kStone.shade(92));
        c.fillPolygon({2, 10, 6.5f, 3, 11, 10}, kRedRoof);
        c.fillPolygon({21, 10, 25.5f, 3, 30, 10}, kRedRoof);
        c.fillRect(14, 22, 4, 6, SGColor{80, 56, 34});
        c.line(16, 15, 16, 6, 1, kOutline);
        c.fillRect(16, 6, 6, 4, SGColor{220, 40, 40});
        break;
    case C::FORTRESS:
        c.fillRect(3, 3, 26, 26, kOutline);
        c.fillRect(4, 4, 24, 24, kStone);
        c.fillRect(9, 9, 14, 14, kOutline);
        c.fillRect(10, 10, 12, 12, kSoil);
        c.fillRect(13, 13, 6, 6, kStone.shade(80));
        for (int i = 0; i < 4; ++i) {
            float x = i % 2 ? 26 : 6;
            float y = i / 2 ? 26 : 6;
            c.fillCircle(x, y, 5, kOutline);
            c.fillCircle(x, y, 4, kStone.shade(110));
        }
        c.fillRect(14, 25, 4, 4, SGColor{80, 56, 34});
        break;
    case C::PORT:
        groundPatch(c, 10, 14, 10, 10, kSoil);
        house(c, 3, 12, 9, 7, kPlaster, kBlueRoof);
        c.fillRect(16, 20, 14, 4, kOutline);
        c.fillRect(16, 21, 14, 2, kWood);
        c.fillPolygon({18, 28, 30, 28, 28, 31, 20, 31}, kWood.shade(80));
        c.line(24, 28, 24, 17, 1, kOutline);
        c.fillPolygon({24.5f, 12, 24.5f, 26, 31, 26}, SGColor{244, 244, 236});
        break;
    case C::SHRINE:
        groundPatch(c, 16, 22, 12, 7, SGColor{200, 190, 160});
        c.fillRect(7, 10, 3, 18, SGColor{200, 40, 30});
        c.fillRect(22, 10, 3, 18, SGColor{200, 40, 30});
        c.fillRect(4, 7, 24, 3, SGColor{200, 40, 30});
        c.fillRect(3, 5, 26, 2, kOutline);
        c.fillRect(6, 13, 20, 2, SGColor{200, 40, 30});
        break;
    case C::PAGODA:
        for (int tier = 0; tier < 3; ++tier) {
            float y = 26.0f - tier * 8;
            float w = 22.0f - tier * 5;
            c.fillRect(static_cast<int>(16 - w / 2 + 3), static_cast<int>(y - 5), static_cast<int>(w - 6), 6, SGColor{200, 60, 40});
            c.fillPolygon({16 - w / 2 - 1, y - 4, 16, y - 9, 16 + w / 2 + 1, y - 4}, kOutline);
            c.fillPolygon({16 - w / 2, y - 4.5f, 16, y - 8, 16 + w / 2, y - 4.5f}, SGColor{70, 70, 80});
        }
        c.line(16, 6, 16, 1, 1, SGColor{220, 190, 60});
        break;
    case C::MARKET:
        groundPatch(c, 16, 20, 15, 10, SGColor{190, 170, 130});
        for (int i = 0; i < 3; ++i) {
            float x = 3.0f + i * 9.5f;
            float y = 10.0f + (i % 2) * 9;
            c.fillRect(static_cast<int>(x), static_cast<int>(y), 8, 8, kOutline);
            c.fillRect(static_cast<int>(x) + 1, static_cast<int>(y) + 3, 6, 5, SGColor{150, 110, 70});
            for (int s = 0; s < 4; ++s) {
                c.fillRect(static_cast<int>(x) + 2 * s, static_cast<int>(y), 2, 3, s % 2 ? SGColor{250, 250, 240} : SGColor{static_cast<uint8_t>(60 + i * 70), 90, static_cast<uint8_t>(200 - i * 60)});
            }
        }
        break;
    case C::FARM:
        groundPatch(c, 14, 20, 13, 9, kSoil);
        house(c, 3, 15, 12, 10, SGColor{176, 52, 40}, SGColor{90, 70, 60});
        c.fillCircle(24, 22, 5, SGColor{170, 140, 60});
        c.fillCircle(24, 21, 4, SGColor{230, 200, 90});
        for (int x = 2; x < 32; x += 5) {
            c.fillRect(x, 27, 1, 4, kWood);
        }
        c.fillRect(2, 28, 28, 1, kWood);
        break;
    case C::MINE:
        c.fillPolygon({2, 26, 10, 8, 20, 6, 30, 26}, SGColor{120, 112, 104});
        c.fillPolygon({10, 8, 20, 6, 24, 14, 12, 14}, SGColor{150, 142, 132});
        c.fillPolygon({11, 26, 11, 19, 16, 15, 21, 19, 21, 26}, SGColor{30, 24, 20});
        c.fillRect(10, 18, 2, 8, kWood);
        c.fillRect(20, 18, 2, 8, kWood);
        c.fillRect(10, 17, 12, 2, kWood);
        c.fillRect(14, 27, 9, 4, SGColor{90, 90, 96});
        c.fillCircle(15, 31, 1, kOutline);
        c.fillCircle(22, 31, 1, kOutline);
        break;
    case C::CAMP:
        groundPatch(c, 16, 20, 14, 9, SGColor{160, 136, 96});
        tent(c, 8, 17, 10, SGColor{220, 210, 170});
        tent(c, 22, 15, 10, SGColor{200, 190, 150});
        tent(c, 14, 28, 10, SGColor{210, 200, 160});
        c.fillCircle(25, 25, 2, SGColor{250, 150, 30});
        c.fillCircle(25, 24.5f, 1, SGColor{255, 230, 80});
        break;
    case C::WATCHTOWER:
        c.line(10, 30, 13, 10, 2, kWood);
        c.line(22, 30, 19, 10, 2, kWood);
        c.line(11, 24, 21, 16, 1, kWood);
        c.line(21, 24, 11, 16, 1, kWood);
        c.fillRect(9, 8, 14, 5, kOutline);
        c.fillRect(10, 9, 12, 3, kWood.shade(120));
        c.fillPolygon({8, 8, 16, 1, 24, 8}, kRedRoof);
        break;
    case C::PALACE:
        groundPatch(c, 16, 24, 15, 7, SGColor{200, 190, 170});
        c.fillRect(2, 15, 28, 13, kOutline);
        c.fillRect(3, 16, 26, 11, SGColor{240, 234, 214});
        c.fillPolygon({1, 16, 6, 10, 26, 10, 31, 16}, SGColor{220, 180, 40});
        c.fillRect(10, 5, 12, 6, SGColor{240, 234, 214});
        c.fillPolygon({8, 6, 16, 0, 24, 6}, SGColor{230, 190, 50});
        for (int x = 5; x < 28; x += 5) {
            c.fillRect(x, 19, 2, 5, SGColor{120, 90, 60});
        }
        c.fillRect(14, 22, 4, 5, SGColor{120, 50, 40});
        break;
    case C::RUIN:
        c.fillRect(4, 14, 3, 14, kStone);
        c.fillRect(4, 12, 12, 3, kStone);
        c.fillRect(13, 14, 3, 6, kStone);
        c.fillRect(20, 18, 3, 10, kStone.shade(90));
        c.fillRect(25, 22, 3, 6, kStone.shade(90));
        c.fillRect(18, 27, 12, 3, kStone.shade(80));
        c.fillCircle(11, 27, 2, kStone.shade(70));
        break;
    default:
        break;
    }
}

// The point where a wall or road leaves the chip towards a neighbour: the middle of the
// shared edge.
void edgeMiddle(int direction, float* x, float* y)
{
    const float xs[6] = {8, 0, 8, 24, 32, 24};
    const float ys[6] = {0, 16, 32, 32, 16, 0};
    *x = xs[direction];
    *y = ys[direction];
}

void paintConnector(SGCanvas& c, uint32_t mask, bool wall)
{
    SGColor outline = wall ? SGColor{64, 62, 60} : SGColor{116, 84, 52};
    SGColor body = wall ? SGColor{178, 172, 162} : SGColor{206, 176, 118};
    float width = wall ? 8 : 6;
    for (int pass = 0; pass < 2; ++pass) {
        for (int direction = 0; direction < 6; ++direction) {
            if ((mask & (1u << direction)) == 0) {
                continue;
            }
            float x;
            float y;
            edgeMiddle(direction, &x, &y);
            c.line(16, 16, x, y, pass == 0 ? width + 2 : width, pass == 0 ? outline : body);
        }
        c.fillCircle(16, 16, (wall ? 6.0f : width / 2) + (pass == 0 ? 1 : 0), pass == 0 ? outline : body);
    }
    if (wall) {
        // Battlements: darker blocks along the middle of every piece.
        for (int direction = 0; direction < 6; ++direction) {
            if ((mask & (1u << direction)) == 0) {
                continue;
            }
            float x;
            float y;
            edgeMiddle(direction, &x, &y);
            for (float t = 0.55f; t < 1.0f; t += 0.3f) {
                c.fillRect(static_cast<int>(16 + (x - 16) * t) - 1, static_cast<int>(16 + (y - 16) * t) - 1, 3, 3, outline.shade(130));
            }
        }
        c.fillCircle(16, 16, 3, SGColor{120, 116, 110});
    } else {
        for (int direction = 0; direction < 6; ++direction) {
            if ((mask & (1u << direction)) != 0) {
                float x;
                float y;
                edgeMiddle(direction, &x, &y);
                c.line(16 + (x - 16) * 0.3f, 16 + (y - 16) * 0.3f, 16 + (x - 16) * 0.6f, 16 + (y - 16) * 0.6f, 1, SGColor{230, 210, 160});
            }
        }
    }
}

}  // namespace

SGCanvas SGChipPainter::characterChip(int chip)
{
    SGCanvas c(CHIP, CHIP);
    int group = SGChips::borderGroup(chip);
    if (group == 0) {
        paintTerrain(c, chip);
    } else {
        paintTerrain(c, SGChips::groupTerrain(group));
        paintBorderLine(c, group, SGChips::borderMask(chip));
    }
    return c;
}

SGCanvas SGChipPainter::objectChip(int chip)
{
    SGCanvas c(CHIP, CHIP);
    if (chip >= SGChips::WALL && chip < SGChips::OBJECTS) {
        paintConnector(c, SGChips::objectMask(chip), chip < SGChips::ROAD);
    } else {
        paintSettlement(c, chip);
    }
    return c;
}

SGCanvas SGChipPainter::characterSheet()
{
    SGCanvas sheet(PER_ROW * CHIP, 240 / PER_ROW * CHIP);
    for (int chip = 0; chip < 240; ++chip) {
        sheet.paste(characterChip(chip), chip % PER_ROW * CHIP, chip / PER_ROW * CHIP);
    }
    return sheet;
}

SGCanvas SGChipPainter::objectSheet()
{
    SGCanvas sheet(PER_ROW * CHIP, SGChips::OBJECTS / PER_ROW * CHIP);
    for (int chip = 0; chip < SGChips::OBJECTS; ++chip) {
        sheet.paste(objectChip(chip), chip % PER_ROW * CHIP, chip / PER_ROW * CHIP);
    }
    return sheet;
}
