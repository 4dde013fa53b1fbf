#include "editor/model/BMBrushTool.h"

#include "editor/model/BMBrush.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"

// A stroke reaches the cell it ends on, also when the last moves fell on cell edges and were
// passed over.
BMChange BMBrushTool::release(BMEditor& editor, int x, int y) const
{
    const BMPoint last = editor.getStrokeCell();
    if (BMGeometry::inside(last.x, last.y)) {
        stroke(editor, x, y);
    }
    return BMTool::release(editor, x, y);
}

void BMBrushTool::drag(BMEditor& editor, int x, int y, BMFloodFill::Reach) const
{
    stroke(editor, x, y);
}

void BMBrushTool::preview(BMEditor& editor, BMPoint, int x, int y, BMFloodFill::Reach) const
{
    stroke(editor, x, y);
}

std::vector<uint16_t> BMBrushTool::pressed(const BMEditor& editor, int x, int y) const
{
    std::vector<uint16_t> cells;
    if (editor.getBrushRadius() > 0) {
        BMBrush::stamp({x, y}, editor.getBrushRadius(), &cells);
    }
    return cells;
}

void BMBrushTool::stroke(BMEditor& editor, int x, int y)
{
    std::vector<uint16_t> cells;
    BMBrush::stroke(editor.getStrokeCell(), {x, y}, editor.getBrushRadius(), &cells);
    editor.markCells(cells, CELL_PENDING);
    editor.setStrokeCell({x, y});
}
