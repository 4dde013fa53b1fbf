#pragma once

#include "framework/base/HWin32.h"

// The device context of a window (the screen's for none), borrowed with GetDC and given back
// with ReleaseDC.
class HWindowDC {
public:
    explicit HWindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~HWindowDC()
    {
        if (m_dc != nullptr) {
            ReleaseDC(m_window, m_dc);
        }
    }
    HWindowDC(const HWindowDC&) = delete;
    HWindowDC& operator=(const HWindowDC&) = delete;

    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_window;  // not owned
    HDC m_dc;
};
