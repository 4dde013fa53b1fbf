#include "sample/SGChipPainter.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "sample/SGChips.h"
#include "sample/SGObjectPainter.h"
#include "sample/SGTerrainPainter.h"

namespace {

using C = SGChips;

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

}  // namespace

SGCanvas SGChipPainter::characterChip(int chip)
{
    SGCanvas c(CHIP, CHIP);
    int group = SGChips::borderGroup(chip);
    if (group == 0) {
        SGTerrainPainter::paint(c, chip);
    } else {
        SGTerrainPainter::paint(c, SGChips::groupTerrain(group));
        paintBorderLine(c, group, SGChips::borderMask(chip));
    }
    return c;
}

SGCanvas SGChipPainter::objectChip(int chip)
{
    SGCanvas c(CHIP, CHIP);
    SGObjectPainter::paint(c, chip);
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
