// The Select menu's commands: the mouse mode, the selection and its shape, the edit mode, the
// current values and the chooser's entries, and the brush.
#include "editor/model/BMData.h"
#include "editor/shell/BMCommandTable.h"
#include "editor/shell/BMOperationFrame.h"
#include "editor/shell/BMOperations.h"
#include "editor/view/BMCommandId.h"
#include "editor/view/BMDisplay.h"

namespace BMOperations {

namespace {

// The edit modes in the order of their commands, each with the chooser page it opens.
const struct {
    int mode;
    uint32_t page;
} kModes[] = {{MODE_CHAR, VIEW_PAGE_CHAR},
              {MODE_OBJ, VIEW_PAGE_OBJ},
              {MODE_HEIGHT, VIEW_PAGE_HEIGHT},
              {MODE_PLACEMENT, VIEW_PAGE_CONNECTION},
              {MODE_BORDER, VIEW_PAGE_CHAR}};

}  // namespace

bool OP2301(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2301", window, id);
    if (!frame.ready()) {
        return true;
    }
    BMDisplay* display = frame.display();
    switch (id) {
    case kCommandMouseMode: {
        int mode = display->getMouseMode() == MOUSE_DIRECT ? MOUSE_SELECT : MOUSE_DIRECT;
        display->setMouseMode(mode);
        frame.commands().setChecked(kCommandMouseMode, mode == MOUSE_DIRECT);
        HLOG_PASS();
        display->drawPalette();  // the brush paints only in direct mode
        break;
    }
    case kCommandSelectNone: display->selectNone(); break;
    case kCommandSelectAll: display->selectAll(); break;
    case kCommandSelectSameValue: display->selectSameValue(); break;
    default: frame.unknownId(); return true;
    }
    frame.result = true;
    display->drawMarkOverlay();
    display->repaint();
    return true;
}

// The shapes' items, free hand to hexagon and the fill, carry the check mark of the shape.
bool OP2305(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2305", window, id);
    if (!frame.ready()) {
        return true;
    }
    BMDisplay* display = frame.display();
    int old = display->getShape();
    int shape = old;
    if (id >= kCommandShapeFree && id <= kCommandShapeHexagon) {
        shape = static_cast<int>(id - kCommandShapeFree);
        frame.result = true;
    } else if (id == kCommandShapeFill) {
        shape = SHAPE_FILL;
        frame.result = true;
    } else {
        frame.unknownId();
    }
    for (uint32_t item = kCommandShapeFree; item <= kCommandShapeHexagon; ++item) {
        frame.commands().setChecked(BMCommandId(item),
                                    static_cast<int>(item - kCommandShapeFree) == shape);
    }
    frame.commands().setChecked(kCommandShapeFill, shape == SHAPE_FILL);
    if (shape != old) {
        display->setShape(shape);
        display->drawPalette();
        display->repaint();
    }
    return true;
}

bool OP2310(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2310", window, id);
    if (!frame.ready()) {
        return true;
    }
    BMDisplay* display = frame.display();
    int old = display->getEditMode();
    int mode = old;
    uint32_t page = 0;
    if (id >= kCommandModeCharacter && id <= kCommandModeBorder) {
        mode = kModes[id - kCommandModeCharacter].mode;
        page = kModes[id - kCommandModeCharacter].page;
        frame.result = true;
    } else {
        frame.unknownId();
    }
    for (uint32_t item = kCommandModeCharacter; item <= kCommandModeBorder; ++item) {
        frame.commands().setChecked(BMCommandId(item),
                                    kModes[item - kCommandModeCharacter].mode == mode);
    }
    if (mode != old) {
        display->setEditMode(mode);
        display->setViewFlag(VIEW_PAGES, false);
        display->setViewFlag(page, true);
        display->setupChooserPage();
        display->drawGridLayer();
        display->drawAreaInfo();
        display->drawPalette();
        display->drawChooser();
        display->repaint();
    }
    return true;
}

bool OP2316(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2316", window, id);
    if (!frame.ready()) {
        return true;
    }
    frame.result = true;
    BMDisplay* display = frame.display();
    switch (id) {
    case kCommandNextCharacter: display->setCharacter(display->getCharacter() + 1); break;
    case kCommandPreviousCharacter: display->setCharacter(display->getCharacter() - 1); break;
    case kCommandNextObject: display->setObject(display->getObject() + 1); break;
    case kCommandPreviousObject: display->setObject(display->getObject() - 1); break;
    case kCommandHeightUp: display->setHeight(display->getHeight() + 1); break;
    case kCommandHeightDown: display->setHeight(display->getHeight() - 1); break;
    case kCommandNextGroup: display->setGroupIndex(display->getGroupIndex() + 1); break;
    case kCommandPreviousGroup: display->setGroupIndex(display->getGroupIndex() - 1); break;
    default:
        if (id >= kCommandGroup1 && id <= kCommandGroup8) {
            display->setGroupIndex(static_cast<int>(id - kCommandGroup1));
            break;
        }
        frame.unknownId();
        return true;
    }
    display->drawPalette();
    display->repaint();
    return true;
}

bool OP2335(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2335", window, id);
    if (!frame.ready()) {
        return true;
    }
    BMDisplay* display = frame.display();
    switch (id) {
    case kCommandBrushLarger: display->setBrushRadius(display->getBrushRadius() + 1); break;
    case kCommandBrushSmaller: display->setBrushRadius(display->getBrushRadius() - 1); break;
    default: frame.unknownId(); return true;
    }
    frame.result = true;
    display->drawPalette();
    display->repaint();
    return true;
}

bool OP2332(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2332", window, id);
    if (!frame.ready() || frame.display()->getChooserIndex() < 1) {
        return true;
    }
    frame.result = true;
    BMData* data = frame.data();
    BMDisplay* display = frame.display();
    int n = display->getChooserIndex();
    int page = display->getChooserPage();
    if (display->isViewFlag(VIEW_PAGE_AREA)) {
        uint32_t map = static_cast<uint32_t>((page - 1) * 16 + n);
        uint32_t current = data->getCurrent();
        if (map > 0 && map <= data->getAreaCount() && map != current) {
            display->changeAreaSelection(current, map);
            data->setCurrent(map);
            display->resetImageBuffer();
        }
    } else {
        if (display->isViewFlag(VIEW_PAGE_CHAR)) {
            display->setCharacter((page - 1) * 40 + n - 1);
        } else if (display->isViewFlag(VIEW_PAGE_OBJ)) {
            display->setObject(n - 1);
        } else if (display->isViewFlag(VIEW_PAGE_HEIGHT) && n < 17) {
            display->setHeight(n - 1);
        } else if (display->isViewFlag(VIEW_PAGE_CONNECTION) && n < 9) {
            display->setGroupIndex(n - 1);
        }
        display->drawPalette();
        display->drawChooser();
    }
    display->repaint();
    return true;
}

// The keyboard's eyedropper: the pointer's is Alt with a left press on the map (BMMouse).
bool OP2620(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2620", window, id);
    if (!frame.ready()) {
        return true;
    }
    const BMPoint cursor = frame.display()->getCursor();
    frame.result = frame.display()->pickCell(cursor.x, cursor.y);
    return true;
}

}  // namespace BMOperations
