#pragma once

#include "sample/SGCanvas.h"

// Paints an object chip on a 32 x 32 canvas left black (transparent) where it is empty:
// settlements 1..15, and wall (16..24) and road (25..39) pieces running from the middle
// towards exactly the neighbours of their fitting mask.
class SGObjectPainter {
public:
    static void paint(SGCanvas& chip, int object);
};
