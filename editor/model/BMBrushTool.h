#pragma once

#include "editor/model/BMTool.h"

// The free-hand shape in direct mouse mode: the hex brush of the editor's radius stamped on
// every cell of the pointer's path (BMBrush), so a pointer that jumps leaves no gap.
class BMBrushTool : public BMTool {
public:
    BMChange release(BMEditor& editor, int x, int y) const override;
    void drag(BMEditor& editor, int x, int y, BMFloodFill::Reach reach) const override;
    void preview(BMEditor& editor, BMPoint anchor, int x, int y,
                 BMFloodFill::Reach reach) const override;

protected:
    std::vector<uint16_t> pressed(const BMEditor& editor, int x, int y) const override;
    bool drawsAlong() const override { return true; }

private:
    // Marks the brush along the stroke from where the pointer was last to (x, y).
    static void stroke(BMEditor& editor, int x, int y);
};
