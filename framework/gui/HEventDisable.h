#pragma once

#include "framework/gui/HEventListener.h"

// Swallows a message: answers it with a fixed result, so the default procedure never sees it
// (for example WM_ERASEBKGND of a view that paints its whole area itself).
class HEventDisable : public HEventListener {
public:
    HEventDisable(const HEventType& type, LRESULT value);

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;

private:
    LRESULT m_value;
};
