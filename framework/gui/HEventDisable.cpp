#include "framework/gui/HEventDisable.h"

HEventDisable::HEventDisable(const HEventType& type, LRESULT value)
    : HEventListener(type), m_value(value)
{
    setClassName("HEventDisable");
}

bool HEventDisable::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    *result = m_value;
    return true;
}
