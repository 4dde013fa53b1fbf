#include "framework/HDefaultCtlColorSListener.h"

#include "framework/HComponent.h"

HDefaultCtlColorSListener::HDefaultCtlColorSListener()
    : HEventListener(HEventType::WM_CTLCOLORSTATIC_TYPE)
{
    setClassName("HDefaultCtlColorSListener");
}

bool HDefaultCtlColorSListener::handleEvent(HWND window, UINT message, WPARAM wParam,
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
