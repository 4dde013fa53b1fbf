#pragma once

#include <cstdint>

#include "editor/model/BMConstants.h"

// The scale the map is shown at: four steps, 25 %, 50 %, 100 % and 200 %, with cells of 8,
// 16, 32 and 64 pixels. The map layers are drawn at 100 % ("map pixels", 1040 x 1024 for the
// whole map) and scaled only when a frame is composed; the view shows the zoomed picture, and
// the scroll position counts its pixels. The panels keep their size at every step.
class BMZoom {
public:
    static constexpr int STEP_COUNT = 4;
    static constexpr int START_STEP = 2;  // 100 %

    int getStep() const { return m_step; }
    // Clamped to the steps; false when the step stays as it was.
    bool setStep(int step);
    int getCellPixels() const { return 8 << m_step; }
    int getPercent() const { return 25 << m_step; }
    // The whole zoomed map picture.
    int getPictureWidth() const { return LAYER_WIDTH * getCellPixels() / CELL_PIXELS; }
    int getPictureHeight() const { return LAYER_HEIGHT * getCellPixels() / CELL_PIXELS; }
    // A drag ignores the pointer this many view pixels along every cell edge: 4 at every step
    // but 25 %, where 4 of a cell's 8 pixels on each side would leave nothing to point at.
    int getDeadBand() const { return m_step == 0 ? 2 : 4; }
    // Digits on the map show at 100 % and 200 % only: at 50 % the small ones (6 x 9 pixels at
    // 100 %) would be smudges of 3 x 4, at 25 % every one would.
    bool showsNumbers() const { return m_step >= START_STEP; }

    // The zoomed pixel that map pixel m falls in, and the first zoomed pixel past the map
    // pixels before m: a run of map pixels [a, b) covers the zoomed pixels
    // [toZoomed(a), toZoomedEnd(b)).
    int64_t toZoomed(int64_t mapPixel) const;
    int64_t toZoomedEnd(int64_t mapPixel) const;
    // The first map pixel of zoomed pixel z.
    int64_t toMap(int64_t zoomed) const;
    // The scroll position at step `to` that keeps view pixel anchor over the same map point as
    // at this step with the given scroll (the same cell, at 50 % and 25 % the same block of
    // map pixels). Not limited to any range.
    BMPoint scrollKeeping(BMPoint scroll, BMPoint anchor, int to) const;

private:
    int m_step = START_STEP;
};
