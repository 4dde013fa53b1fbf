#pragma once

#include "framework/gui/HEventListener.h"

// The one-shot redraw after a resize: start() (re)arms a 500 ms window timer, and its tick
// rebuilds the display's images once and stops the timer. A burst of resizes therefore
// rebuilds the map images once, 500 ms after the last one.
class BMTimer : public HEventListener {
public:
    static constexpr UINT_PTR ID = 2006;
    static constexpr UINT PERIOD_MS = 500;

    explicit BMTimer(HWND window);  // the main window
    ~BMTimer() override;

    void start();
    void stop();
    bool isActive() const { return m_active; }
    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;

private:
    HWND m_window;
    bool m_active = false;
};
