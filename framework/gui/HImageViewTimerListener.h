#pragma once

#include "framework/gui/HEventListener.h"

class HImageView;

// Advances the view's animation by one frame on each tick of its timer.
class HImageViewTimerListener : public HEventListener {
public:
    explicit HImageViewTimerListener(HImageView* view);

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;

private:
    HImageView* m_view;  // not owned
};
