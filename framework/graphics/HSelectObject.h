#pragma once

#include "framework/base/HWin32.h"

// Selects a GDI object into a device context and puts the previous one back when it goes.
class HSelectObject {
public:
    HSelectObject(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_previous(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr)
    {
    }
    ~HSelectObject()
    {
        if (m_previous != nullptr && m_previous != HGDI_ERROR) {
            SelectObject(m_dc, m_previous);
        }
    }
    HSelectObject(const HSelectObject&) = delete;
    HSelectObject& operator=(const HSelectObject&) = delete;

private:
    HDC m_dc;            // not owned
    HGDIOBJ m_previous;  // not owned
};
