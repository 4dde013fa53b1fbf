#pragma once

#include <utility>

// Owns one reference to a COM interface and releases it. The interface type only needs to be
// complete where the owner is released, so headers can hold these for forward-declared
// Direct3D interfaces.
template <class Interface>
class HComPtr {
public:
    HComPtr() = default;
    // Takes over the reference the caller holds.
    explicit HComPtr(Interface* pointer) : m_pointer(pointer) {}
    ~HComPtr() { reset(); }
    HComPtr(const HComPtr&) = delete;
    HComPtr& operator=(const HComPtr&) = delete;
    HComPtr(HComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    HComPtr& operator=(HComPtr&& other) noexcept
    {
        if (this != &other) {
            reset(std::exchange(other.m_pointer, nullptr));
        }
        return *this;
    }

    Interface* get() const { return m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    // For creation calls that hand back a new reference through an out parameter.
    Interface** receive()
    {
        reset();
        return &m_pointer;
    }
    // Gives up the reference without releasing it.
    Interface* release() { return std::exchange(m_pointer, nullptr); }
    void reset(Interface* pointer = nullptr)
    {
        Interface* old = std::exchange(m_pointer, pointer);
        if (old != nullptr) {
            old->Release();
        }
    }

private:
    Interface* m_pointer = nullptr;
};
