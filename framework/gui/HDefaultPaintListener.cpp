#include "framework/gui/HDefaultPaintListener.h"

#include "framework/gui/HComponent.h"

HDefaultPaintListener::HDefaultPaintListener() : HEventListener(HEventType::WM_PAINT_TYPE)
{
    setClassName("HDefaultPaintListener");
}

bool HDefaultPaintListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    if (component != nullptr) {
        component->paint();
    }
    return true;
}
