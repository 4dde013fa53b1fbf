#pragma once

#include "framework/gui/HScrollBarListener.h"

class BMDisplay;
class BMWindow;

// One of the main window's scroll bars moving the map: a released request also moves the
// bar, dragging the thumb only moves the map.
class BMScroll : public HScrollBarListener {
public:
    BMScroll(int orientation, BMWindow* window);  // window: not owned
    ~BMScroll() override;

    // Enabling again looks for the display once more; without one the listener stays off.
    void setEnabled(bool enabled) override;
    bool onScroll(HScrollBar* bar, int position) override;
    bool onTrack(HScrollBar* bar, int position) override;

private:
    BMWindow* m_window;    // not owned
    BMDisplay* m_display;  // not owned
};
