#include "framework/gui/HDefaultNotifyListener.h"

#include "framework/gui/HComponent.h"

HDefaultNotifyListener::HDefaultNotifyListener() : HEventListener(HEventType::WM_NOTIFY_TYPE)
{
    setClassName("HDefaultNotifyListener");
}

bool HDefaultNotifyListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr) {
        return true;
    }
    HComponent* sender = HComponent::fromHandle(header->hwndFrom);
    if (sender == nullptr) {
        return true;
    }
    LRESULT answer = sender->handleMessage(header->hwndFrom, message, wParam, lParam, true);
    if (answer != -1) {
        *result = answer;
    }
    return true;
}
