#include "editor/model/BMRectangleTool.h"

#include "editor/model/BMEditor.h"
#include "editor/model/BMShapes.h"

void BMRectangleTool::preview(BMEditor& editor, BMPoint anchor, int x, int y,
                              BMFloodFill::Reach) const
{
    std::vector<uint16_t> cells;
    BMShapes::rectangle(anchor.x, anchor.y, x, y, &cells);
    editor.clearPending();
    editor.markCells(cells, CELL_PENDING);
}
