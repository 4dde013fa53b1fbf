#include "tests/support/TestControl.h"

#include "framework/gui/HContainer.h"

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
    createControl(m_windowClass.c_str(), getStyle());
}
