#pragma once

#include "editor/model/BMTool.h"

// The rectangle of cells between the anchor and the pointer, taken in reading order.
class BMRectangleTool : public BMTool {
public:
    void preview(BMEditor& editor, BMPoint anchor, int x, int y,
                 BMFloodFill::Reach reach) const override;

protected:
    bool inReadingOrder() const override { return true; }
};
