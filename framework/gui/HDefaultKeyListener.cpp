#include "framework/gui/HDefaultKeyListener.h"

#include "framework/gui/HComponent.h"

HDefaultKeyListener::HDefaultKeyListener() : HEventListener(HEventType::WM_CHAR_TYPE)
{
    setClassName("HDefaultKeyListener");
}

bool HDefaultKeyListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    if (wParam != 9 || component == nullptr) {
        return true;
    }
    if ((GetKeyState(VK_SHIFT) & 0x8000) != 0) {
        component->focusPrevious();
    } else {
        component->focusNext();
    }
    *result = 0;
    return true;
}
