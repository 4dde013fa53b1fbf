#include "tests/support/TestControl.h"

#include "framework/HContainer.h"

TestControl::TestControl(HContainer* parent, uint32_t id, const std::string& windowClass)
    : HComponent("", id), m_windowClass(windowClass)
{
    setClassName("TestControl");
    setBounds(0, 0, 80, 20);
    if (parent != nullptr) {
        parent->add(this);
    }
}

void TestControl::create()
{
    HWND parent = getParent() != nullptr ? getParent()->getHandle() : nullptr;
    if (getHandle() != nullptr || parent == nullptr) {
        return;
    }
    const RECT& bounds = getStoredBounds();
    HWND window = CreateWindowExA(0, m_windowClass.c_str(), getText().c_str(),
                                  getStyle() | WS_CHILD, bounds.left, bounds.top,
                                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<uintptr_t>(getId())),
                                  GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr) {
        setHandle(window);
        HComponent::create();
    }
}
