#include "editor/view/BMZoom.h"

namespace {

// Division rounding toward minus infinity, for pixels left of or above the picture.
int64_t floorDivide(int64_t value, int64_t divisor)
{
    int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

int64_t clampToInt(int64_t value)
{
    return value < INT32_MIN ? INT32_MIN : (value > INT32_MAX ? INT32_MAX : value);
}

}  // namespace

bool BMZoom::setStep(int step)
{
    step = step < 0 ? 0 : (step >= STEP_COUNT ? STEP_COUNT - 1 : step);
    if (step == m_step) {
        return false;
    }
    m_step = step;
    return true;
}

int64_t BMZoom::toZoomed(int64_t mapPixel) const
{
    return floorDivide(mapPixel * getCellPixels(), CELL_PIXELS);
}

int64_t BMZoom::toZoomedEnd(int64_t mapPixel) const
{
    return -floorDivide(-mapPixel * getCellPixels(), CELL_PIXELS);
}

int64_t BMZoom::toMap(int64_t zoomed) const
{
    return floorDivide(zoomed * CELL_PIXELS, getCellPixels());
}

BMPoint BMZoom::scrollKeeping(BMPoint scroll, BMPoint anchor, int to) const
{
    BMZoom target;
    target.setStep(to);
    auto keep = [&](int position, int offset) {
        int64_t mapPixel = toMap(int64_t{position} + offset);
        return static_cast<int>(clampToInt(target.toZoomed(mapPixel) - offset));
    };
    return {keep(scroll.x, anchor.x), keep(scroll.y, anchor.y)};
}
