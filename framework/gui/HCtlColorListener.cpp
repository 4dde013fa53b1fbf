#include "framework/gui/HCtlColorListener.h"

#include "framework/gui/HComponent.h"

HCtlColorListener::HCtlColorListener(const HEventType& type) : HEventListener(type)
{
    setClassName("HCtlColorListener");
}

bool HCtlColorListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    HComponent* control = HComponent::fromHandle(reinterpret_cast<HWND>(lParam));
    if (control != nullptr) {
        *result = reinterpret_cast<LRESULT>(control->ctlColor(reinterpret_cast<HDC>(wParam)));
    }
    return true;
}
