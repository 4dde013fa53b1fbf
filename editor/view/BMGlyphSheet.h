#pragma once

#include <cstdint>

class HFont;
class HMemoryImage;

// The glyph sheet: seven strips of the digits 0..9, each in a cell of its own, and below them
// the arrow buttons of the palette. Numbers are drawn by copying their digits from it.
class BMGlyphSheet {
public:
    static constexpr int SIZE = 256;  // width and height
    static constexpr int SMALL_DIGIT_HEIGHT = 9;

    // One digit of a number: where it goes and which block of the sheet it copies.
    struct Glyph {
        int x;
        int sx, sy, width, height;
    };

    // Draws the sheet: the digits in the small and the large font, the arrows in the panel's.
    static void paint(HMemoryImage* sheet, HFont* small, HFont* large, HFont* panel);
    // Lays out a number from x; the number of glyphs (at most 16). The style bits choose the
    // strip and the alignment.
    static int layoutNumber(int x, uint32_t value, int digits, uint32_t style, Glyph* glyphs);
};
