#include "framework/gui/HCommandListener.h"

#include "framework/base/HText.h"
#include "framework/gui/HComponent.h"

HCommandListener::HCommandListener() : HEventListener(HEventType::WM_COMMAND_TYPE)
{
    setClassName("HCommandListener");
}

bool HCommandListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    // Notification code 0 is a menu, 1 an accelerator; other codes are control notifications.
    WORD code = HIWORD(wParam);
    if (code != 0 && code != 1) {
        return true;
    }
    HComponent* sender = component;
    if (lParam != 0) {
        sender = HComponent::fromHandle(reinterpret_cast<HWND>(lParam));
    }
    if (onCommand(window, LOWORD(wParam), sender)) {
        *result = 0;
    }
    return true;
}

bool HCommandListener::onCommand(HWND window, uint32_t id, HComponent* component)
{
    debug("onCommand handle=%s id=%u component=%s", HText::address(window).c_str(), id,
          HText::address(component).c_str());
    return false;
}
