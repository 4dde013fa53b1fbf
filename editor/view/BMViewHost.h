#pragma once

#include <cstdint>
#include <string>

#include "editor/model/BMConstants.h"

struct BMChange;
class BMRegion;

// What the display needs of the window that shows it, and nothing more: the display calls
// these and the main window answers them, so that the view never reaches into the window's
// controls or messages (and runs without a window in the tests).
class BMViewHost {
public:
    virtual ~BMViewHost() = default;

    // Writes a line into the status bar.
    virtual void showStatus(const std::string& text) = 0;
    // What is shown may have changed: another scenario, folder or modified state. The host
    // follows it where it tells it (the window's title).
    virtual void shownChanged() = 0;
    // Paints again the given parts of the view (view pixels).
    virtual void invalidate(const BMRegion& area) = 0;
    // Paints the whole view again after a new map, scenario or view: the host also follows
    // what is shown (the music of a map no longer shown stops) and fits the scroll bars.
    virtual void repaintAll() = 0;
    // The scroll bars' thumbs, (0, 0) for a bar that is missing.
    virtual BMPoint getScrollBars() const = 0;
    // Moves the view to (x, y) through the shown scroll bars, each limited to its range.
    virtual void scrollTo(int x, int y) = 0;
    // Moves the view by one page of a shown bar: forward is down or right.
    virtual void scrollPage(bool horizontal, bool forward) = 0;
    // Runs a command as if its menu item had been chosen.
    virtual void runCommand(uint32_t command) = 0;
    // The editor changed its data or state as the change tells (after the display drew it),
    // for what follows the data besides the view.
    virtual void dataChanged(const BMChange& /*change*/) {}
};
