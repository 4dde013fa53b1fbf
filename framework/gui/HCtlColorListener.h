#pragma once

#include "framework/gui/HEventListener.h"

// Answers a control-colour message with the brush of the control's own component, so every
// control shows the colours its component was given.
class HCtlColorListener : public HEventListener {
public:
    explicit HCtlColorListener(const HEventType& type);

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
};
