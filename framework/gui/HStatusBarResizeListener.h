#pragma once

#include "framework/gui/HEventListener.h"

class HStatusBar;

// Filed with the status bar's parent: passes the parent's WM_SIZE on to the bar, which then
// moves itself along the parent's edge, and fits the bar's parts to its new width.
class HStatusBarResizeListener : public HEventListener {
public:
    explicit HStatusBarResizeListener(HStatusBar* bar);

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;

private:
    HStatusBar* m_bar;  // not owned
};
