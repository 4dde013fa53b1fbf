#include "framework/gui/HEventListener.h"

HEventListener::HEventListener(const HEventType& type) : m_type(type)
{
    setClassName("HEventListener");
}

HEventListener::~HEventListener() = default;

bool HEventListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 HComponent* component, LRESULT* result)
{
    if (m_next == nullptr) {
        return true;
    }
    return m_next->handleEvent(window, message, wParam, lParam, component, result);
}

void HEventListener::setEnabled(bool enabled)
{
    m_enabled = enabled;
}
