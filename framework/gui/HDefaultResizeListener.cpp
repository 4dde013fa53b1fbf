#include "framework/gui/HDefaultResizeListener.h"

#include "framework/gui/HComponent.h"

HDefaultResizeListener::HDefaultResizeListener() : HEventListener(HEventType::WM_SIZE_TYPE)
{
    setClassName("HDefaultResizeListener");
}

bool HDefaultResizeListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    if (component != nullptr && (wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED)) {
        component->layout();
        *result = 0;
    }
    return true;
}
