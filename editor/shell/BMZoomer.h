#pragma once

#include "editor/model/BMConstants.h"

class BMWindow;

// Zooming the main window's map: the display's step, the scroll bars' ranges, the scroll
// position that keeps a point of the map where it was, and what shows the step (the View
// menu's check marks and the status bar's percentage).
class BMZoomer {
public:
    // Goes to the step (clamped to the steps). With an anchor (view pixels) the map point
    // under it stays under it; without one the cursor cell stays where it is on the screen
    // when it shows (otherwise the view's centre stays) and is then scrolled fully into view.
    static void zoomTo(BMWindow* window, int step, const BMPoint* anchor);
    // The View menu's check marks and enabled items, and the status bar's percentage, for
    // the display's step.
    static void showStep(BMWindow* window);
};
