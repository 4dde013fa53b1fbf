#pragma once

#include "framework/HEventListener.h"

// Colours the edit controls of a window with their components' own colours.
class HDefaultCtlColorEListener : public HEventListener {
public:
    HDefaultCtlColorEListener();

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
};
