#pragma once

#include "framework/base/HWin32.h"

// Owns one GDI object made by a Create* call (bitmap, pen, brush, font) and deletes it. The
// object must not be selected into a device context when the owner lets it go.
template <class Handle>
class HGdiObject {
public:
    explicit HGdiObject(Handle handle = nullptr) : m_handle(handle) {}
    ~HGdiObject() { reset(); }
    HGdiObject(const HGdiObject&) = delete;
    HGdiObject& operator=(const HGdiObject&) = delete;
    HGdiObject(HGdiObject&& other) noexcept : m_handle(other.release()) {}
    HGdiObject& operator=(HGdiObject&& other) noexcept
    {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void reset(Handle handle = nullptr)
    {
        if (m_handle != nullptr) {
            DeleteObject(m_handle);
        }
        m_handle = handle;
    }
    Handle release()
    {
        Handle handle = m_handle;
        m_handle = nullptr;
        return handle;
    }

private:
    Handle m_handle;
};
