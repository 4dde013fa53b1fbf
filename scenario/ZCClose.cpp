#include "scenario/ZCClose.h"

#include "framework/base/HText.h"
#include "framework/gui/HComponent.h"

ZCClose::ZCClose() : HEventListener(HEventType::WM_CLOSE_TYPE)
{
    setClassName("ZCClose");
}

ZCClose::~ZCClose() = default;

void ZCClose::setCloseHandler(ZCHandler handler)
{
    m_handler = handler;
}

bool ZCClose::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    bool next = true;
    if (component != nullptr && m_handler != nullptr) {
        next = m_handler(component, WM_CLOSE);
    }
    // The platform's own close handling would destroy the window whatever the handler chose.
    *result = 0;
    return next;
}

bool ZCClose::defaultCloseMethod(HComponent* component, uint32_t message)
{
    if (component != nullptr && component->getHandle() != nullptr) {
        HDebug::debug("defaultCloseMethod:dispose %s %u",
                      HText::address(component->getHandle()).c_str(), message);
        component->dispose();
    }
    return true;
}
