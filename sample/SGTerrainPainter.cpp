#include "sample/SGTerrainPainter.h"

#include <cmath>
#include <vector>

#include "sample/SGChips.h"
#include "sample/SGNoise.h"

namespace {

using C = SGChips;


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

}  // namespace

void SGTerrainPainter::paint(SGCanvas& c, int chip)
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
