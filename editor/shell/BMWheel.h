#pragma once

#include "framework/gui/HEventListener.h"

class BMWindow;

// The mouse wheel over the main window: with Ctrl it zooms in (away from the user) or out
// about the pointer, one step a notch; without it, it scrolls the map three lines a notch,
// sideways with Shift. Finer wheels add up to whole notches.
class BMWheel : public HEventListener {
public:
    static constexpr int NOTCH = 120;  // WHEEL_DELTA
    static constexpr int LINES = 3;    // per notch when scrolling

    explicit BMWheel(BMWindow* window);  // not owned
    ~BMWheel() override;

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;

private:
    BMWindow* m_window;  // not owned
    int m_zoomRest = 0;  // wheel movement with Ctrl not yet a whole notch
    int m_scrollRest = 0;
};
