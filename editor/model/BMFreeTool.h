#pragma once

#include "editor/model/BMTool.h"

// The free-hand shape in select mode: every map cell the pointer passes over.
class BMFreeTool : public BMTool {
public:
    void preview(BMEditor& editor, BMPoint anchor, int x, int y,
                 BMFloodFill::Reach reach) const override;

protected:
    bool drawsAlong() const override { return true; }
};
