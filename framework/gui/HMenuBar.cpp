#include "framework/gui/HMenuBar.h"

#include "framework/gui/HWindow.h"

HMenuBar::HMenuBar(HWindow* parent, uint32_t id, const std::string& text)
    : HContainer(text, id)
{
    setClassName("HMenuBar");
    setComponentType("MenuBar");
    if (parent != nullptr) {
        parent->setMenuBar(this);
    }
}

HMenuBar::~HMenuBar()
{
    dispose();
    HWindow* window = dynamic_cast<HWindow*>(getParent());
    if (window != nullptr && window->getMenuBar() == this) {
        window->setMenuBar(nullptr);
    }
}

void HMenuBar::create()
{
    HWND window = parentWindow();
    if (m_menu != nullptr || window == nullptr) {
        return;
    }
    m_menu = CreateMenu();
    SetMenu(window, m_menu);
    HContainer::create();
    DrawMenuBar(window);
}

void HMenuBar::dispose()
{
    HContainer::dispose();
    if (m_menu == nullptr) {
        return;
    }
    // Detached first, so that the window never shows a destroyed menu.
    HWND window = parentWindow();
    if (window != nullptr && GetMenu(window) == m_menu) {
        SetMenu(window, nullptr);
    }
    DestroyMenu(m_menu);
    m_menu = nullptr;
}

void HMenuBar::repaint()
{
    HWND window = parentWindow();
    if (window != nullptr) {
        DrawMenuBar(window);
    }
}

HWND HMenuBar::parentWindow() const
{
    return getParent() != nullptr ? getParent()->getHandle() : nullptr;
}
