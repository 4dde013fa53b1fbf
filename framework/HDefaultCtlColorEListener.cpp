#include "framework/HDefaultCtlColorEListener.h"

#include "framework/HComponent.h"

HDefaultCtlColorEListener::HDefaultCtlColorEListener()
    : HEventListener(HEventType::WM_CTLCOLOREDIT_TYPE)
{
    setClassName("HDefaultCtlColorEListener");
}

bool HDefaultCtlColorEListener::handleEvent(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, HComponent* component,
                                              LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    HComponent* control = HComponent::fromHandle(reinterpret_cast<HWND>(lParam));
    if (control != nullptr) {
        *result = reinterpret_cast<LRESULT>(control->ctlColor(reinterpret_cast<HDC>(wParam)));
    }
    return true;
}
