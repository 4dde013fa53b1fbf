#pragma once

#include "framework/gui/HContainer.h"

class HWindow;

// The menu bar of a window; its children are the top-level menus (HMenuItem).
class HMenuBar : public HContainer {
public:
    // Attaches itself to the window as its menu bar.
    HMenuBar(HWindow* parent, uint32_t id, const std::string& text);
    ~HMenuBar() override;

    void create() override;
    void dispose() override;
    void repaint() override;

    HMENU getMenuHandle() const { return m_menu; }

private:
    HWND parentWindow() const;

    HMENU m_menu = nullptr;
};
