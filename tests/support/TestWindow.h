#pragma once

#include "framework/gui/HWindow.h"
#include "tests/support/MessagePump.h"

// A framework window for a test, not yet created: one class name for every test, placed at
// the screen's origin. Going, it is disposed as a closed window is, and the quit message that
// leaves behind is taken, so that no later loop or dialog of the thread ends at once.
class TestWindow : public HWindow {
public:
    explicit TestWindow(int width = 300, int height = 200)
    {
        setClassName("TesselTestWindow");
        setBounds(0, 0, width, height);
    }
    ~TestWindow() override
    {
        dispose();
        MessagePump::drain();
    }
};
