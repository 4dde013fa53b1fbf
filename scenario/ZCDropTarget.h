#pragma once

#include "framework/gui/HDropTarget.h"
#include "scenario/ZCHandler.h"

// Hands a single file dropped on its component to a handler; drops of several files are
// ignored.
class ZCDropTarget : public HDropTarget {
public:
    ZCDropTarget();
    ~ZCDropTarget() override;

    void setDropHandler(ZCDropHandler handler);
    bool onDropped(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   HComponent* component, LRESULT* result) override;

    // The handler a new drop component starts with: only logs the file.
    static bool defaultOnDropped(HComponent* component, HFile file);

private:
    ZCDropHandler m_handler = defaultOnDropped;
};
