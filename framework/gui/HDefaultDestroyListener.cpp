#include "framework/gui/HDefaultDestroyListener.h"

#include "framework/gui/HComponent.h"

HDefaultDestroyListener::HDefaultDestroyListener() : HEventListener(HEventType::WM_DESTROY_TYPE)
{
    setClassName("HDefaultDestroyListener");
}

bool HDefaultDestroyListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    PostQuitMessage(0);
    *result = 0;
    return true;
}
