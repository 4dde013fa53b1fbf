#pragma once

#include <string>

#include "framework/gui/HComponent.h"

// A component around a native control of any system class ("EDIT", "BUTTON", ...), made as
// a child of its parent's window by the framework's own controls' means.
class TestControl : public HComponent {
public:
    TestControl(HContainer* parent, uint32_t id, const std::string& windowClass);

    void create() override;

private:
    std::string m_windowClass;
};
