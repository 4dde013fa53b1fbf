#include "editor/view/BMGlyphSheet.h"

#include <algorithm>
#include <climits>
#include <string>

#include "editor/view/BMColors.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

// The glyph sheet: seven strips of the digits 0..9, each in a cell of its own, and below
// them the arrow buttons of the palette.
struct Strip {
    int y;
    bool large;
};
const Strip kStrips[] = {{0, false}, {10, true}, {30, false}, {40, true},
                         {60, false}, {70, true}, {90, false}};
const int kSmallCell[2] = {6, BMGlyphSheet::SMALL_DIGIT_HEIGHT};  // a small digit's cell
const int kLargeCell[2] = {10, 17};
const int kSmallAdvance = 5;  // the cells overlap by their blank last column
const int kLargeAdvance = 9;

}  // namespace

// Each digit is drawn at the left of its own cell, so the cells hold their digits whatever
// advances the font gives.
void BMGlyphSheet::paint(HMemoryImage* sheet, HFont* small, HFont* large, HFont* panel)
{
    sheet->fill(BMColors::SHADE_GREY);
    HImageLoader::fillRect(sheet, 0, 10, 100, 30, BMColors::SHADE_OLIVE);
    HImageLoader::fillRect(sheet, 0, 40, 100, 30, BMColors::SHADE_RED);
    HImageLoader::fillRect(sheet, 0, 70, 100, 30, BMColors::SHADE_BLUE);
    for (const Strip& strip : kStrips) {
        HFont* font = strip.large ? large : small;
        int cell = strip.large ? kLargeCell[0] : kSmallCell[0];
        for (int digit = 0; digit < 10; ++digit) {
            HImageLoader::drawString(sheet, 1 + cell * digit, strip.y, font,
                                     std::string(1, static_cast<char>('0' + digit)),
                                     BMColors::VEIL_WHITE);
        }
    }
    // The arrow buttons: the hovered forms, then the normal ones.
    const std::string up = "▲";
    const std::string down = "▼";
    HImageLoader::fillRect(sheet, 0, 100, 30, 15, BMColors::VEIL_WHITE);
    HImageLoader::drawString(sheet, 2, 102, panel, up, BMColors::SHADE_GREY);
    HImageLoader::drawString(sheet, 17, 102, panel, down, BMColors::SHADE_GREY);
    HImageLoader::drawFrame(sheet, 30, 100, 15, 15, BMColors::VEIL_WHITE);
    HImageLoader::drawFrame(sheet, 45, 100, 15, 15, BMColors::VEIL_WHITE);
    HImageLoader::drawString(sheet, 32, 102, panel, up, BMColors::VEIL_WHITE);
    HImageLoader::drawString(sheet, 47, 102, panel, down, BMColors::VEIL_WHITE);
}

// The strip is chosen by the style bits 0x04..0x80, later bits winning; 0x01 draws leading
// zeros; 0x02 lets leading zeros take no room, so the number starts at x. The value is shown
// modulo 10 to the number of digits (at most 16).
int BMGlyphSheet::layoutNumber(int x, uint32_t value, int digits, uint32_t style, Glyph* glyphs)
{
    if (x < INT32_MIN / 2 || x > INT32_MAX / 2) {
        return 0;  // nowhere near any image; the advances must not overflow
    }
    // Strip k (1..6) goes with style bit 1 << (k + 1); none of them gives strip 0.
    const Strip* strip = &kStrips[0];
    for (int k = 1; k < 7; ++k) {
        if ((style & 1u << (k + 1)) != 0) {
            strip = &kStrips[k];
        }
    }
    int advance = strip->large ? kLargeAdvance : kSmallAdvance;
    const int* cell = strip->large ? kLargeCell : kSmallCell;
    int count = std::min(digits, 16);
    int values[16] = {};
    for (int i = 0; i < count && value != 0; ++i) {
        values[i] = static_cast<int>(value % 10);
        value /= 10;
    }
    int placed = 0;
    for (int i = count - 1; i >= 0; --i) {
        bool leadingZero = values[i] == 0 && i != 0 && placed == 0 && (style & 0x01) == 0;
        if (leadingZero) {
            if ((style & 0x02) == 0) {
                x += advance;
            }
            continue;
        }
        glyphs[placed++] = {x, values[i] * cell[0], strip->y, cell[0], cell[1]};
        x += advance;
    }
    return placed;
}
