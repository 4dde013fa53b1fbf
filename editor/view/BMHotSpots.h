#pragma once

#include <cstdint>

#include "editor/model/BMConstants.h"
#include "editor/view/BMViewFlags.h"

// The 95 clickable rectangles of the three panels (numbers 1..95; 0 names no spot), each with
// the command that a left press on it runs through the display's host. Rectangles are
// relative to their panel's top left.
struct BMHotSpot {
    BMPanel panel;
    int x;
    int y;
    int width;
    int height;
    uint32_t command;

    bool contains(int px, int py) const
    {
        return x <= px && px < x + width && y <= py && py < y + height;
    }
};

class BMHotSpots {
public:
    static constexpr int COUNT = 96;  // slot 0 included, so a spot's number is its index
    // The palette's row under the four shape buttons: the fill shape's button and the brush
    // radius's two arrow buttons.
    static constexpr int FILL_BUTTON = 93;
    static constexpr int BRUSH_SMALLER = 94;
    static constexpr int BRUSH_LARGER = 95;

    // Spot 1..95; nullptr for any other number.
    static const BMHotSpot* get(int number);
};
