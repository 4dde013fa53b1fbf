#include "editor/model/BMHexagonTool.h"

#include "editor/model/BMEditor.h"
#include "editor/model/BMShapes.h"

void BMHexagonTool::preview(BMEditor& editor, BMPoint anchor, int x, int y,
                            BMFloodFill::Reach) const
{
    std::vector<uint16_t> cells;
    BMShapes::hexagon(anchor.x, anchor.y, x, y, &cells);
    editor.clearPending();
    editor.markCells(cells, CELL_PENDING);
}
