#pragma once

#include <functional>

#include "editor/shell/BMComponentId.h"
#include "framework/gui/HEventListener.h"

// The one-shot redraw after a resize: start() (re)arms a 500 ms window timer, and its tick
// runs the redraw once and stops the timer. A burst of resizes therefore rebuilds the map
// images once, 500 ms after the last one.
class BMTimer : public HEventListener {
public:
    static constexpr UINT_PTR ID = kTimerRedraw;
    static constexpr UINT PERIOD_MS = 500;

    // window: the main window, whose timer this is; redraw: what a tick does.
    BMTimer(HWND window, std::function<void()> redraw);
    ~BMTimer() override;

    void start();
    void stop();
    bool isActive() const { return m_active; }
    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;

private:
    HWND m_window;
    std::function<void()> m_redraw;
    bool m_active = false;
};
