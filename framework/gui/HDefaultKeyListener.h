#pragma once

#include "framework/gui/HEventListener.h"

// Moves the focus to the next (Shift: previous) focusable sibling on Tab.
class HDefaultKeyListener : public HEventListener {
public:
    HDefaultKeyListener();

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
};
