#pragma once

#include <cstdint>
#include <vector>

#include "framework/HWin32.h"

// A plain visible window with a client area of the given size, for drawing tests. Without a
// parent it is a child of one shared host window: top-level windows cost Wine seconds to
// take down on a display without a window manager, children do not. A TOP_LEVEL window is a
// frameless pop-up of its own; keep it for the whole process.
class DrawingWindow {
public:
    enum Kind { CHILD, TOP_LEVEL };

    DrawingWindow(int width, int height, HWND parent = nullptr, Kind kind = CHILD);
    ~DrawingWindow();
    DrawingWindow(const DrawingWindow&) = delete;
    DrawingWindow& operator=(const DrawingWindow&) = delete;

    HWND handle() const { return m_window; }
    // Lets the window system catch up: handles every message that is waiting.
    static void pump();
    // The colour of a client pixel as GDI reads it back, CLR_INVALID outside.
    COLORREF pixel(int x, int y) const;
    // What any window shows in its top-left width x height, as 0x00RRGGBB, top row first.
    static std::vector<uint32_t> readPixels(HWND window, int width, int height);

private:
    HWND m_window;
};
