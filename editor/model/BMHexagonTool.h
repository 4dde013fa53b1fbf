#pragma once

#include "editor/model/BMTool.h"

// The hexagon around the anchor reaching the pointer, taken in reading order.
class BMHexagonTool : public BMTool {
public:
    void preview(BMEditor& editor, BMPoint anchor, int x, int y,
                 BMFloodFill::Reach reach) const override;

protected:
    bool inReadingOrder() const override { return true; }
};
