#pragma once

#include "framework/gui/HEventListener.h"

class HScrollBar;

// Turns the scroll messages that a window gets from its scroll-bar controls into new
// positions: onScroll for line, page, thumb-release, top and bottom requests, onTrack while
// the thumb is dragged. Listens for WM_VSCROLL, or WM_HSCROLL for orientation 1.
class HScrollBarListener : public HEventListener {
public:
    explicit HScrollBarListener(int orientation);
    ~HScrollBarListener() override;

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
    // Default: moves the bar to the position.
    virtual bool onScroll(HScrollBar* bar, int position);
    virtual bool onTrack(HScrollBar* bar, int position);

    int getOrientation() const { return m_orientation; }

private:
    int m_orientation;
};
