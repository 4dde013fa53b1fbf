#pragma once

#include <string>

#include "editor/model/BMTool.h"

// The eyedropper: a press takes the value of the cell in the edit mode's layer as that layer's
// current value (the character chip also in border mode, whose lines are chips). Nothing else
// moves: the map, the cursor, the selection and the history stay as they are, and a drag
// takes nothing more.
class BMEyedropperTool : public BMTool {
public:
    // DATA_CURRENT when a value was taken; nothing for an empty placement cell or a value the
    // layer's range cannot hold (a damaged map's stray byte).
    BMChange press(BMEditor& editor, int x, int y, BMFloodFill::Reach reach) const override;
    void drag(BMEditor& editor, int x, int y, BMFloodFill::Reach reach) const override;
    void preview(BMEditor& editor, BMPoint anchor, int x, int y,
                 BMFloodFill::Reach reach) const override;
    BMChange release(BMEditor& editor, int x, int y) const override;

    // The status line after a press on (x, y): what was taken, or why nothing was (Shift-JIS).
    static std::string status(const BMEditor& editor, int x, int y);
};
