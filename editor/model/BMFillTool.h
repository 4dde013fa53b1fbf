#pragma once

#include "editor/model/BMTool.h"

// The region of equal value around a cell in the edit mode's layer (joined or map-wide, as
// reach says), taken outward from the cell. A press takes it whole, on the cursor cell too;
// a drag takes the region under its end.
class BMFillTool : public BMTool {
public:
    BMChange press(BMEditor& editor, int x, int y, BMFloodFill::Reach reach) const override;
    void drag(BMEditor& editor, int x, int y, BMFloodFill::Reach reach) const override;
    void preview(BMEditor& editor, BMPoint anchor, int x, int y,
                 BMFloodFill::Reach reach) const override;

private:
    static void mark(BMEditor& editor, int x, int y, BMFloodFill::Reach reach);
};
