#pragma once

#include <cstdint>

#include "framework/gui/HEventListener.h"

// Turns WM_COMMAND from menus, accelerators and controls into onCommand calls. Application
// command tables derive from it.
class HCommandListener : public HEventListener {
public:
    HCommandListener();

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
    // component: the control that sent the command, or the receiving component for menus and
    // accelerators; nullptr for a control that is not a component. True consumes the command.
    virtual bool onCommand(HWND window, uint32_t id, HComponent* component);
};
