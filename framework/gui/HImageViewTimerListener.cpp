#include "framework/gui/HImageViewTimerListener.h"

#include "framework/gui/HImageView.h"

HImageViewTimerListener::HImageViewTimerListener(HImageView* view)
    : HEventListener(HEventType::WM_TIMER_TYPE), m_view(view)
{
    setClassName("HImageViewTimerListener");
}

bool HImageViewTimerListener::handleEvent(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam, HComponent* component,
                                          LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    if (m_view != nullptr) {
        m_view->nextFrame();
        m_view->repaint();
        *result = 0;
    }
    return true;
}
