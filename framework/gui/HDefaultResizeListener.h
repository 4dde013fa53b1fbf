#pragma once

#include "framework/gui/HEventListener.h"

// Lays the component out again when it is restored or maximised (not when minimised).
class HDefaultResizeListener : public HEventListener {
public:
    HDefaultResizeListener();

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
};
