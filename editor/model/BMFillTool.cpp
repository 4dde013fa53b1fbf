#include "editor/model/BMFillTool.h"

#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"

BMChange BMFillTool::press(BMEditor& editor, int x, int y, BMFloodFill::Reach reach) const
{
    const int index = BMGeometry::index(x, y);
    return editor.selectRegion(editor.fillRegion(index, reach), false, index,
                               editor.getMouseMode() == MOUSE_DIRECT);
}

void BMFillTool::drag(BMEditor& editor, int x, int y, BMFloodFill::Reach reach) const
{
    mark(editor, x, y, reach);
}

void BMFillTool::preview(BMEditor& editor, BMPoint, int x, int y, BMFloodFill::Reach reach) const
{
    mark(editor, x, y, reach);
}

void BMFillTool::mark(BMEditor& editor, int x, int y, BMFloodFill::Reach reach)
{
    if (BMGeometry::inside(x, y)) {
        editor.clearPending();
        editor.markCells(editor.fillRegion(BMGeometry::index(x, y), reach), CELL_PENDING);
    }
}
