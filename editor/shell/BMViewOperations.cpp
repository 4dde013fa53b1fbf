// The View and Move menus' commands: zoom, the view flags and the chooser's pages, the cursor
// and page scrolling.
#include "editor/model/BMEditor.h"
#include "editor/shell/BMCommandTable.h"
#include "editor/shell/BMOperationFrame.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMWindow.h"
#include "editor/shell/BMZoomer.h"
#include "editor/view/BMCommandId.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMRenderer.h"

namespace BMOperations {

namespace {

// The chooser's pages in the order the cycle button goes through them.
const uint32_t kPages[] = {VIEW_PAGE_AREA, VIEW_PAGE_CHAR, VIEW_PAGE_OBJ, VIEW_PAGE_HEIGHT,
                           VIEW_PAGE_CONNECTION};
const size_t kPageCount = sizeof kPages / sizeof kPages[0];

// Opens a page, or closes the chooser when that page is already open.
void showPage(BMDisplay* display, uint32_t page)
{
    if (display->getLayout().isViewFlag(page)) {
        display->getLayout().setViewFlag(page, false);
    } else {
        display->getLayout().setViewFlag(VIEW_PAGES, false);
        display->getLayout().setViewFlag(page, true);
        display->setupChooserPage();
        display->getRenderer().drawChooser();
    }
}

// The View menu's flags, one bit each from the area panel's on, and their check marks.
void toggleFlag(const BMOperationFrame& frame, uint32_t id)
{
    BMDisplay* display = frame.display();
    uint32_t bit = 1u << (id - kCommandShowAreaInfo);
    display->getLayout().setViewFlag(bit, !display->getLayout().isViewFlag(bit));
    display->getLayout().setHoverMark(0, 0);
    if (bit & (VIEW_CHAR_NUMBER | VIEW_OBJ_NUMBER | VIEW_HEIGHT | VIEW_OBJ_ORDER)) {
        display->getRenderer().drawNumberLayer(-1, -1);
    }
    for (uint32_t item = kCommandShowAreaInfo; item <= kCommandShowObjectOrder; ++item) {
        frame.commands().setChecked(BMCommandId(item),
                                    display->getLayout().isViewFlag(1u << (item - kCommandShowAreaInfo)));
    }
}

}  // namespace

// Zoom in, out, or to one of the steps, 25 % first.
bool OP2201(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2201", window, id);
    if (frame.display() == nullptr) {
        return true;
    }
    int step = frame.display()->getLayout().getZoom().getStep();
    if (id == kCommandZoomIn || id == kCommandZoomOut) {
        step += id == kCommandZoomIn ? 1 : -1;
    } else if (id >= kCommandZoom25 && id < kCommandZoom25 + BMZoom::STEP_COUNT) {
        step = static_cast<int>(id - kCommandZoom25);
    } else {
        frame.unknownId();
        return true;
    }
    frame.result = true;
    BMZoomer::zoomTo(frame.window(), step, nullptr);
    return true;
}

bool OP2204(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2204", window, id);
    if (!frame.ready()) {
        return true;
    }
    frame.result = true;
    BMDisplay* display = frame.display();
    if (id >= kCommandShowAreaInfo && id <= kCommandShowObjectOrder) {
        toggleFlag(frame, id);
    } else if (id >= kCommandChooseArea && id <= kCommandChoosePlacement) {
        showPage(display, kPages[id - kCommandChooseArea]);
    } else if (id == kCommandChooserPrevious || id == kCommandChooserNext) {
        display->setChooserPage(display->getChooser().getPage() + (id == kCommandChooserPrevious ? -1 : 1));
        display->getRenderer().drawChooser();
    } else if (id == kCommandChooserClose) {
        display->getLayout().setViewFlag(VIEW_PAGES, false);
        display->getLayout().setHoverMark(0, 0);
    } else if (id == kCommandChooserCycle) {
        uint32_t next = VIEW_PAGE_AREA;
        for (size_t i = 0; i + 1 < kPageCount; ++i) {
            if (display->getLayout().isViewFlag(kPages[i])) {
                next = kPages[i + 1];
            }
        }
        display->getLayout().setViewFlag(VIEW_PAGES, false);
        showPage(display, next);
    } else {
        frame.unknownId();
    }
    display->repaint();
    return true;
}

bool OP2251(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2251", window, id);
    if (!frame.ready()) {
        return true;
    }
    BMDisplay* display = frame.display();
    BMPoint cursor = display->getEditor().getCursor();
    BMPoint moved = cursor;
    const int last = MAP_SIZE - 1;
    switch (id) {
    case kCommandCursorUp: moved.y -= moved.y > 0 ? 1 : 0; break;
    case kCommandCursorDown: moved.y += moved.y < last ? 1 : 0; break;
    case kCommandCursorLeft: moved.x -= moved.x > 0 ? 1 : 0; break;
    case kCommandCursorRight: moved.x += moved.x < last ? 1 : 0; break;
    case kCommandCursorTop: moved.y = 0; break;
    case kCommandCursorBottom: moved.y = last; break;
    case kCommandCursorLeftEnd: moved.x = 0; break;
    case kCommandCursorRightEnd: moved.x = last; break;
    case kCommandCursorTopLeft: moved = {0, 0}; break;
    case kCommandCursorBottomRight: moved = {last, last}; break;
    default: frame.unknownId(); return true;
    }
    frame.result = true;
    if (moved.x == cursor.x && moved.y == cursor.y) {
        return true;
    }
    display->setCursor(moved.x, moved.y);
    // Scroll just far enough to keep the cursor cell in view (cells of the zoom's size).
    BMPoint scroll = display->getLayout().getScroll();
    BMPoint view = display->getLayout().getViewSize();
    const int cell = display->getLayout().getZoom().getCellPixels();
    int px = cell * moved.x;
    int py = cell * moved.y;
    if (px < scroll.x) {
        scroll.x = px;
    }
    if (scroll.x + view.x <= px + cell / 2) {
        scroll.x = px - view.x + cell * 3 / 2;
    }
    if (py < scroll.y) {
        scroll.y = py;
    }
    if (scroll.y + view.y <= py) {
        scroll.y = py + cell - view.y;
    }
    display->getRenderer().drawMarkOverlay();
    display->scrollBy(0, scroll.x, scroll.y);
    display->repaint();
    return true;
}

// The display knows the four page commands (up, down, right, left).
bool OP2262(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2262", window, id);
    if (!frame.ready()) {
        return true;
    }
    frame.result = frame.display()->scrollBy(id, 0, 0);
    return true;
}

}  // namespace BMOperations
