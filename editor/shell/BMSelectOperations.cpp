// The Select menu's commands: the mouse mode, the selection and its shape, the edit mode, the
// current values and the chooser's entries, and the brush.
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/shell/BMCommandTable.h"
#include "editor/shell/BMOperationFrame.h"
#include "editor/shell/BMOperations.h"
#include "editor/view/BMCommandId.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMRenderer.h"

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
        int mode = display->getEditor().getMouseMode() == MOUSE_DIRECT ? MOUSE_SELECT : MOUSE_DIRECT;
        display->getEditor().setMouseMode(mode);
        frame.commands().setChecked(kCommandMouseMode, mode == MOUSE_DIRECT);
        HLOG_PASS();
        display->getRenderer().drawPalette();  // the brush paints only in direct mode
        break;
    }
    case kCommandSelectNone: display->show(display->getEditor().selectNone()); break;
    case kCommandSelectAll: display->show(display->getEditor().selectAll()); break;
    case kCommandSelectSameValue: display->show(display->getEditor().selectSameValue()); break;
    default: frame.unknownId(); return true;
    }
    frame.result = true;
    display->getRenderer().drawMarkOverlay();
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
    int old = display->getEditor().getShape();
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
        display->getEditor().setShape(shape);
        display->getRenderer().drawPalette();
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
    int old = display->getEditor().getEditMode();
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
        display->getLayout().setViewFlag(VIEW_PAGES, false);
        display->getLayout().setViewFlag(page, true);
        display->setupChooserPage();
        display->getRenderer().drawGridLayer();
        display->getRenderer().drawAreaInfo();
        display->getRenderer().drawPalette();
        display->getRenderer().drawChooser();
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
    BMEditor& editor = display->getEditor();
    switch (id) {
    case kCommandNextCharacter: editor.setCharacter(editor.getCharacter() + 1); break;
    case kCommandPreviousCharacter: editor.setCharacter(editor.getCharacter() - 1); break;
    case kCommandNextObject: editor.setObject(editor.getObject() + 1); break;
    case kCommandPreviousObject: editor.setObject(editor.getObject() - 1); break;
    case kCommandHeightUp: editor.setHeight(editor.getHeight() + 1); break;
    case kCommandHeightDown: editor.setHeight(editor.getHeight() - 1); break;
    case kCommandNextGroup: editor.setGroupIndex(editor.getGroupIndex() + 1); break;
    case kCommandPreviousGroup: editor.setGroupIndex(editor.getGroupIndex() - 1); break;
    default:
        if (id >= kCommandGroup1 && id <= kCommandGroup8) {
            editor.setGroupIndex(static_cast<int>(id - kCommandGroup1));
            break;
        }
        frame.unknownId();
        return true;
    }
    display->getRenderer().drawPalette();
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
    case kCommandBrushLarger: display->setBrushRadius(display->getEditor().getBrushRadius() + 1); break;
    case kCommandBrushSmaller: display->setBrushRadius(display->getEditor().getBrushRadius() - 1); break;
    default: frame.unknownId(); return true;
    }
    frame.result = true;
    display->getRenderer().drawPalette();
    display->repaint();
    return true;
}

bool OP2332(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2332", window, id);
    if (!frame.ready() || frame.display()->getChooser().getIndex() < 1) {
        return true;
    }
    frame.result = true;
    BMData* data = frame.data();
    BMDisplay* display = frame.display();
    int n = display->getChooser().getIndex();
    int page = display->getChooser().getPage();
    if (display->getLayout().isViewFlag(VIEW_PAGE_AREA)) {
        uint32_t map = static_cast<uint32_t>((page - 1) * 16 + n);
        uint32_t current = data->getCurrent();
        if (map > 0 && map <= data->getAreaCount() && map != current) {
            display->getEditor().changeAreaSelection(current, map);
            data->setCurrent(map);
            display->getRenderer().resetImageBuffer();
        }
    } else {
        if (display->getLayout().isViewFlag(VIEW_PAGE_CHAR)) {
            display->getEditor().setCharacter((page - 1) * 40 + n - 1);
        } else if (display->getLayout().isViewFlag(VIEW_PAGE_OBJ)) {
            display->getEditor().setObject(n - 1);
        } else if (display->getLayout().isViewFlag(VIEW_PAGE_HEIGHT) && n < 17) {
            display->getEditor().setHeight(n - 1);
        } else if (display->getLayout().isViewFlag(VIEW_PAGE_CONNECTION) && n < 9) {
            display->getEditor().setGroupIndex(n - 1);
        }
        display->getRenderer().drawPalette();
        display->getRenderer().drawChooser();
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
    const BMPoint cursor = frame.display()->getEditor().getCursor();
    frame.result = frame.display()->pickCell(cursor.x, cursor.y);
    return true;
}

}  // namespace BMOperations
