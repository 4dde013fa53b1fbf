#pragma once

#include <cstdint>

#include "framework/gui/HMouseListener.h"

class BMDisplay;
class BMWindow;

// Mouse gestures over the main window become the display's map and panel operations: a left
// press moves the cursor or presses a panel button, a left drag selects, a right press
// deselects, a right or middle drag pans, and every move updates the panels' hover marks.
// Positions are client pixels of the main window, which are the map view's too.
class BMMouse : public HMouseListener {
public:
    explicit BMMouse(BMWindow* window);  // not owned
    ~BMMouse() override;

    // Enabling again looks for the display once more; without one the listener stays off.
    void setEnabled(bool enabled) override;
    bool onClick() override;
    bool onDoubleClick() override;
    bool onMove() override;
    bool onDrag() override;
    bool onBeginDrag() override;
    bool onEndDrag() override;

private:
    // The message's MK_ flags, with BMDisplay::KEY_ALT while Alt is held.
    uint32_t keys() const;
    void noteAltPress() const;

    BMWindow* m_window;    // not owned
    BMDisplay* m_display;  // not owned
};
