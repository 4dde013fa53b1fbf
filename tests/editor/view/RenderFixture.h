#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "editor/model/BMData.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMRenderer.h"
#include "framework/graphics/HMemoryImage.h"
#include "tests/support/GameDirectory.h"

inline uint32_t pixel(HImage* image, int x, int y)
{
    return image->getPixels()[static_cast<size_t>(y) * (image->getStride() / 4) + x];
}

// True when the w x h blocks at (x, y) of a and (bx, by) of b hold the same pixels.
inline bool sameBlock(HImage* a, int x, int y, HImage* b, int bx, int by, int w, int h)
{
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            if (pixel(a, x + column, y + row) != pixel(b, bx + column, by + row)) {
                return false;
            }
        }
    }
    return true;
}

// The number of pixels of the block that are not clear (0, 0, 0, 0).
inline int inked(HImage* image, int x, int y, int w, int h)
{
    int count = 0;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            count += pixel(image, column, row) != 0 ? 1 : 0;
        }
    }
    return count;
}

// The left edge of a cell in a map layer: odd rows are shifted half a cell.
inline int cellLeft(int x, int y)
{
    return x * 32 + (y % 2 != 0 ? 16 : 0);
}

// The sample game's first map in the editor data, shown by a display (for the state) and a
// renderer of the test's own with every image drawn. Edits of a test are undone afterwards.
class SampleMap : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        BMData* data = BMData::getInstance(true);
        if (data->getAreaCount() == 0) {
            data->load(HFile(GameDirectory::sampleGame() + "\\Default"), HFile());
        }
    }

    void SetUp() override
    {
        display.setData(false);
        ASSERT_NE(data(), nullptr);
        ASSERT_GT(data()->getAreaCount(), 0u) << "the sample game did not load";
        data()->setCurrent(1);
        display.resetState();
        renderer.resetImageBuffer();
    }

    void TearDown() override { data()->restore(BMData::TYPE_MAP, 1, 0, 0); }

    BMData* data() const { return display.getData(); }
    HMemoryImage* image(BMRenderer::Image which) const { return renderer.getImage(which); }

    BMDisplay display;
    BMRenderer renderer{display};
};
