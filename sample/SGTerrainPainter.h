#pragma once

#include "sample/SGCanvas.h"

// Paints the terrain of a character chip (SGChips::Terrain) over a whole 32 x 32 canvas: a
// textured ground and its features (trees, hills, peaks, waves, ...), never pure black.
class SGTerrainPainter {
public:
    static void paint(SGCanvas& chip, int terrain);
};
