#pragma once

#include "framework/gui/HEventListener.h"

// Lets the component paint. The result stays -1, so the default procedure still validates
// the window.
class HDefaultPaintListener : public HEventListener {
public:
    HDefaultPaintListener();

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
};
