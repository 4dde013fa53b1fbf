#include "editor/model/BMLineTool.h"

#include <algorithm>

#include "editor/model/BMBrush.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"
#include "editor/model/BMShapes.h"

void BMLineTool::preview(BMEditor& editor, BMPoint anchor, int x, int y, BMFloodFill::Reach) const
{
    editor.clearPending();
    editor.markCells(cells(anchor.x, anchor.y, x, y), CELL_PENDING);
}

std::vector<uint16_t> BMLineTool::cells(int ax, int ay, int bx, int by)
{
    std::vector<uint16_t> cells;
    BMShapes::line(ax, ay, bx, by, &cells);
    std::stable_sort(cells.begin(), cells.end(), [ax, ay](uint16_t a, uint16_t b) {
        return BMBrush::distance({ax, ay}, BMGeometry::cellOf(a))
               < BMBrush::distance({ax, ay}, BMGeometry::cellOf(b));
    });
    return cells;
}
