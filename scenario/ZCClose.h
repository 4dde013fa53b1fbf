#pragma once

#include "framework/gui/HEventListener.h"
#include "scenario/ZCHandler.h"

// Lets a handler decide what a window's close request (WM_CLOSE) does. The request is always
// consumed, so the window closes only when the handler disposes of it.
class ZCClose : public HEventListener {
public:
    ZCClose();
    ~ZCClose() override;

    void setCloseHandler(ZCHandler handler);
    // Calls the handler with the component and WM_CLOSE; its answer decides whether later
    // listeners see the request.
    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;

    // The handler a new close component starts with: disposes of the component's window.
    static bool defaultCloseMethod(HComponent* component, uint32_t message);

private:
    ZCHandler m_handler = defaultCloseMethod;
};
