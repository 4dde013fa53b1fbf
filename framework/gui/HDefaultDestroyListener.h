#pragma once

#include "framework/gui/HEventListener.h"

// Ends the message loop when its window is destroyed.
class HDefaultDestroyListener : public HEventListener {
public:
    HDefaultDestroyListener();

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
};
