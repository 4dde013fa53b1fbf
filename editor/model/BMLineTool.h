#pragma once

#include "editor/model/BMTool.h"

// A straight line from the anchor to the pointer, taken from the anchor on, so that a line
// that does not all fit keeps its start.
class BMLineTool : public BMTool {
public:
    void preview(BMEditor& editor, BMPoint anchor, int x, int y,
                 BMFloodFill::Reach reach) const override;
    // The line's cells in the order they are taken: by hex distance from the anchor.
    static std::vector<uint16_t> cells(int ax, int ay, int bx, int by);

protected:
    bool drawsAlong() const override { return true; }
};
