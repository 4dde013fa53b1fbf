#include "framework/gui/HStatusBarResizeListener.h"

#include "framework/gui/HStatusBar.h"

HStatusBarResizeListener::HStatusBarResizeListener(HStatusBar* bar)
    : HEventListener(HEventType::WM_SIZE_TYPE), m_bar(bar)
{
    setClassName("HStatusBarResizeListener");
}

bool HStatusBarResizeListener::handleEvent(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, HComponent* component,
                                           LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    if (m_bar != nullptr && m_bar->getHandle() != nullptr) {
        SendMessageA(m_bar->getHandle(), message, wParam, lParam);
        m_bar->fitParts();
    }
    return true;
}
