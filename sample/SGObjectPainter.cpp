#include "sample/SGObjectPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "sample/SGChips.h"

namespace {

using C = SGChips;

const SGColor kOutline = {40, 32, 26};

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

void settlement(SGCanvas& c, int chip)
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

void connector(SGCanvas& c, uint32_t mask, bool wall)
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

void SGObjectPainter::paint(SGCanvas& c, int chip)
{
    if (chip >= SGChips::WALL && chip < SGChips::OBJECTS) {
        connector(c, SGChips::objectMask(chip), chip < SGChips::ROAD);
    } else {
        settlement(c, chip);
    }
}
