#include "editor/shell/BMTimer.h"

#include <utility>

BMTimer::BMTimer(HWND window, std::function<void()> redraw)
    : HEventListener(HEventType::WM_TIMER_TYPE), m_window(window), m_redraw(std::move(redraw))
{
    setClassName("BMTimer");
}

BMTimer::~BMTimer()
{
    stop();
}

void BMTimer::start()
{
    stop();
    m_active = true;
    SetTimer(m_window, ID, PERIOD_MS, nullptr);
}

void BMTimer::stop()
{
    if (m_active) {
        KillTimer(m_window, ID);
        m_active = false;
    }
}

bool BMTimer::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    // Other timers of the window are not ours.
    if (wParam != ID) {
        return true;
    }
    if (m_redraw) {
        m_redraw();
    }
    stop();
    *result = 0;
    return true;
}
