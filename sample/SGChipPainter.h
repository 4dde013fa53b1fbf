#pragma once

#include "sample/SGCanvas.h"

// Paints the two chip bitmaps of the sample game: 20 chips of 32 x 32 pixels per row, 240
// character chips (terrain and border lines) and 40 object chips (settlements, walls and
// roads on black, the transparent colour).
class SGChipPainter {
public:
    static constexpr int CHIP = 32;
    static constexpr int PER_ROW = 20;

    static SGCanvas characterSheet();
    static SGCanvas objectSheet();

    // One chip each; exposed so that a sheet can be checked chip by chip.
    static SGCanvas characterChip(int chip);
    static SGCanvas objectChip(int chip);
};
