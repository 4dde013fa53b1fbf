#pragma once

#include "framework/gui/HEventListener.h"

// Hands a notification to the component of the control that sent it.
class HDefaultNotifyListener : public HEventListener {
public:
    HDefaultNotifyListener();

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
};
