#pragma once

#include <cstdint>
#include <vector>

#include "framework/base/HWin32.h"

// A plain visible window with a client area of the given size, for drawing tests. Without a
// parent it is a child of one shared host window: top-level windows cost Wine seconds to
// take down on a display without a window manager, children do not. A TOP_LEVEL window is a
// frameless pop-up of its own; keep it for the whole process.
class DrawingWindow {
public:
    enum Kind { CHILD, TOP_LEVEL };

    // Stands in for a framework component where a graphics device wants one: a window handle
    // and a parent chain.
    struct Component {
        HWND handle = nullptr;
        Component* parent = nullptr;
        HWND getHandle() const { return handle; }
        Component* getParent() const { return parent; }
    };

    DrawingWindow(int width, int height, HWND parent = nullptr, Kind kind = CHILD);
    ~DrawingWindow();
    DrawingWindow(const DrawingWindow&) = delete;
    DrawingWindow& operator=(const DrawingWindow&) = delete;

    HWND handle() const { return m_window; }
    // Lets the window system catch up: handles every message that is waiting.
    static void pump();
    // What any window shows in its top-left width x height, as 0x00RRGGBB, top row first.
    static std::vector<uint32_t> readPixels(HWND window, int width, int height);

private:
    HWND m_window;
};
