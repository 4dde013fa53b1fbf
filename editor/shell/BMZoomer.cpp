#include "editor/shell/BMZoomer.h"

#include <string>

#include "editor/model/BMEditor.h"
#include "editor/shell/BMCommandTable.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "framework/gui/HStatusBar.h"

namespace {

const int kPercentWidth = 60;  // the status bar's part of the percentage, in pixels

// Where the cursor cell's centre is in the view, if it is in the view.
bool cursorInView(const BMDisplay& display, BMPoint* point)
{
    const int cell = display.getLayout().getZoom().getCellPixels();
    const BMPoint cursor = display.getEditor().getCursor();
    const BMPoint scroll = display.getLayout().getScroll();
    const BMPoint view = display.getLayout().getViewSize();
    point->x = cursor.x * cell + (cursor.y % 2 != 0 ? cell / 2 : 0) + cell / 2 - scroll.x;
    point->y = cursor.y * cell + cell / 2 - scroll.y;
    return point->x >= 0 && point->x < view.x && point->y >= 0 && point->y < view.y;
}

}  // namespace

void BMZoomer::zoomTo(BMWindow* window, int step, const BMPoint* anchor)
{
    BMDisplay* display = window != nullptr ? window->getDisplay() : nullptr;
    if (display == nullptr) {
        return;
    }
    BMPoint keep = {display->getLayout().getViewSize().x / 2, display->getLayout().getViewSize().y / 2};
    if (anchor != nullptr) {
        keep = *anchor;
    } else {
        BMPoint cursor;
        if (cursorInView(*display, &cursor)) {
            keep = cursor;
        }
    }
    const BMPoint scroll = display->getLayout().getZoom().scrollKeeping(display->getLayout().getScroll(), keep, step);
    if (display->setZoomStep(step)) {
        display->setScroll(scroll.x, scroll.y);
        window->arrange();  // the bars' new range; the position limited to it
        if (anchor == nullptr) {
            const BMPoint cursor = display->getEditor().getCursor();
            const BMPoint showing = display->getLayout().scrollShowing(cursor.x, cursor.y);
            display->setScroll(showing.x, showing.y);
            window->arrange();
        }
        window->repaint();
    }
    showStep(window);
}

void BMZoomer::showStep(BMWindow* window)
{
    BMDisplay* display = window != nullptr ? window->getDisplay() : nullptr;
    if (display == nullptr) {
        return;
    }
    const BMZoom& zoom = display->getLayout().getZoom();
    BMCommandTable& commands = window->getCommands();
    for (int step = 0; step < BMZoom::STEP_COUNT; ++step) {
        commands.setChecked(BMCommandId(kCommandZoom25 + step), step == zoom.getStep());
    }
    commands.setEnabled(kCommandZoomIn, zoom.getStep() < BMZoom::STEP_COUNT - 1);
    commands.setEnabled(kCommandZoomOut, zoom.getStep() > 0);
    if (window->getStatusBar() != nullptr) {
        window->getStatusBar()->setRightPart(kPercentWidth, std::to_string(zoom.getPercent()) + "%");
    }
}
