#include "editor/model/BMTool.h"

#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"

BMTool::~BMTool() = default;

BMChange BMTool::press(BMEditor& editor, int x, int y, BMFloodFill::Reach) const
{
    const int index = BMGeometry::index(x, y);
    if (index == editor.getCursorIndex()) {
        return BMChange();
    }
    if (editor.getMouseMode() == MOUSE_DIRECT) {
        return editor.selectRegion(pressed(editor, x, y), false, index, true);
    }
    return editor.moveCursor(index);
}

void BMTool::drag(BMEditor&, int, int, BMFloodFill::Reach) const {}

BMChange BMTool::release(BMEditor& editor, int x, int y) const
{
    const bool keepCursor = editor.getEditMode() == MODE_BORDER && drawsAlong();
    const int cursor = !keepCursor && BMGeometry::inside(x, y) ? BMGeometry::index(x, y)
                                                                : editor.getCursorIndex();
    const bool direct = editor.getMouseMode() == MOUSE_DIRECT;
    return editor.selectRegion(editor.pendingCells(inReadingOrder()), !direct, cursor, direct);
}

std::vector<uint16_t> BMTool::pressed(const BMEditor&, int, int) const
{
    return std::vector<uint16_t>();
}
