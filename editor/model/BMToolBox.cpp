#include "editor/model/BMToolBox.h"

#include "editor/model/BMBrushTool.h"
#include "editor/model/BMConstants.h"
#include "editor/model/BMEyedropperTool.h"
#include "editor/model/BMFillTool.h"
#include "editor/model/BMFreeTool.h"
#include "editor/model/BMHexagonTool.h"
#include "editor/model/BMLineTool.h"
#include "editor/model/BMRectangleTool.h"

const BMTool& BMToolBox::of(int shape, int mouseMode)
{
    static const BMFreeTool free;
    static const BMBrushTool brush;
    static const BMLineTool line;
    static const BMRectangleTool rectangle;
    static const BMHexagonTool hexagon;
    static const BMFillTool fill;
    switch (shape) {
    case SHAPE_LINE: return line;
    case SHAPE_RECT: return rectangle;
    case SHAPE_HEX: return hexagon;
    case SHAPE_FILL: return fill;
    default: return mouseMode == MOUSE_DIRECT ? static_cast<const BMTool&>(brush) : free;
    }
}

const BMTool& BMToolBox::eyedropper()
{
    static const BMEyedropperTool eyedropper;
    return eyedropper;
}
