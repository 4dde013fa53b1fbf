#include "editor/shell/BMTimer.h"

#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"

BMTimer::BMTimer(HWND window) : HEventListener(HEventType::WM_TIMER_TYPE), m_window(window)
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
    auto* main = dynamic_cast<BMWindow*>(component);
    if (main != nullptr && main->getDisplay() != nullptr) {
        main->getDisplay()->resetImageBuffer();
        main->repaint();
    }
    stop();
    *result = 0;
    return true;
}
