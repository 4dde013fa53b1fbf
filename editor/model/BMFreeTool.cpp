#include "editor/model/BMFreeTool.h"

#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"

void BMFreeTool::preview(BMEditor& editor, BMPoint, int x, int y, BMFloodFill::Reach) const
{
    if (BMGeometry::inside(x, y)) {
        editor.markCells({static_cast<uint16_t>(BMGeometry::index(x, y))}, CELL_PENDING);
    }
}
