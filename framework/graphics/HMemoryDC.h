#pragma once

#include "framework/base/HWin32.h"

// Owns a memory device context made by CreateCompatibleDC and deletes it.
class HMemoryDC {
public:
    explicit HMemoryDC(HDC dc = nullptr) : m_dc(dc) {}
    ~HMemoryDC() { reset(); }
    HMemoryDC(const HMemoryDC&) = delete;
    HMemoryDC& operator=(const HMemoryDC&) = delete;

    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }
    void reset(HDC dc = nullptr)
    {
        if (m_dc != nullptr) {
            DeleteDC(m_dc);
        }
        m_dc = dc;
    }
    HDC release()
    {
        HDC dc = m_dc;
        m_dc = nullptr;
        return dc;
    }

private:
    HDC m_dc;
};
