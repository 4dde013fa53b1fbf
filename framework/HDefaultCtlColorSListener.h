#pragma once

#include "framework/HEventListener.h"

// Colours the static controls of a window with their components' own colours.
class HDefaultCtlColorSListener : public HEventListener {
public:
    HDefaultCtlColorSListener();

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
};
