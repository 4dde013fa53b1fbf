#include "framework/gui/HMenuItem.h"

#include "framework/gui/HMenuBar.h"

namespace {

const UINT kMaskWithPopup = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;  // 0x17
const UINT kMaskPlain = MIIM_STATE | MIIM_ID | MIIM_TYPE;                     // 0x13

// The native menu of a menu bar or of a menu item with children.
HMENU menuOf(const HContainer* container)
{
    if (const HMenuBar* bar = dynamic_cast<const HMenuBar*>(container)) {
        return bar->getMenuHandle();
    }
    if (const HMenuItem* item = dynamic_cast<const HMenuItem*>(container)) {
        return item->getPopupHandle();
    }
    return nullptr;
}

}  // namespace

HMenuItem::HMenuItem(HContainer* parent, uint32_t id, const std::string& label, bool enabled,
                     bool checked)
    : HContainer(label, id), m_separator(label == "-"), m_checked(checked)
{
    setClassName("HMenuItem");
    setComponentType("MenuItem");
    HComponent::setEnabled(enabled);
    if (parent != nullptr) {
        parent->add(this);
    }
}

HMenuItem::~HMenuItem()
{
    dispose();
}

void HMenuItem::create()
{
    if (m_popup != nullptr) {
        HLOG_INFO("既に生成されている");
        return;
    }
    HMENU parent = parentMenu();
    if (parent == nullptr) {
        return;
    }
    if (getCount() > 0) {
        m_popup = CreatePopupMenu();
    }
    std::string label = getText();
    m_label.assign(label.begin(), label.end());
    m_label.push_back('\0');
    MENUITEMINFOA info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = m_popup != nullptr ? kMaskWithPopup : kMaskPlain;
    info.fType = m_separator ? MFT_SEPARATOR : MFT_STRING;
    info.fState = (HComponent::isEnabled() ? 0 : MFS_GRAYED) | (m_checked ? MFS_CHECKED : 0);
    info.wID = getId();
    info.hSubMenu = m_popup;
    info.dwTypeData = m_label.data();
    info.cch = static_cast<UINT>(label.size());
    // By command: an id that is not in the menu yet appends the item.
    if (!InsertMenuItemA(parent, getId(), FALSE, &info)) {
        HLOG_INFO("InsertMenuItem:error");
    }
    HContainer::create();
}

void HMenuItem::dispose()
{
    HContainer::dispose();
    HMENU parent = parentMenu();
    if (!m_label.empty() && parent != nullptr) {
        // Takes the item out of the live parent menu and destroys its popup with it.
        DeleteMenu(parent, getId(), MF_BYCOMMAND);
    } else if (m_popup != nullptr && parent == nullptr) {
        DestroyMenu(m_popup);
    }
    m_popup = nullptr;
    m_label.clear();
}

void HMenuItem::repaint()
{
    if (getParent() != nullptr) {
        getParent()->repaint();
    }
}

bool HMenuItem::isEnabled() const
{
    UINT state = 0;
    if (!getMenuItemState(&state)) {
        return HComponent::isEnabled();
    }
    return (state & MF_GRAYED) == 0;
}

void HMenuItem::setEnabled(bool enabled)
{
    HComponent::setEnabled(enabled);
    updateMenuItemState(enabled ? 0 : MFS_GRAYED, enabled ? MFS_GRAYED : 0);
}

void HMenuItem::setChecked(bool checked)
{
    m_checked = checked;
    updateMenuItemState(checked ? MFS_CHECKED : 0, checked ? 0 : MFS_CHECKED);
}

bool HMenuItem::isChecked() const
{
    UINT state = 0;
    if (!getMenuItemState(&state)) {
        return m_checked;
    }
    return (state & MFS_CHECKED) != 0;
}

bool HMenuItem::getMenuItemState(UINT* state) const
{
    if (state == nullptr) {
        HLOG_INFO("getMenuItemState:error(param is null)");
        return false;
    }
    HMENU parent = parentMenu();
    if (parent == nullptr || m_label.empty()) {
        return false;  // no native item yet: nothing to read
    }
    MENUITEMINFOA info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE;
    if (!GetMenuItemInfoA(parent, getId(), FALSE, &info)) {
        HLOG_INFO("updateMenuState:error(GetMenuItemInfo)");
        return false;
    }
    *state = info.fState;
    return true;
}

bool HMenuItem::updateMenuItemState(UINT setBits, UINT clearBits)
{
    if (setBits == 0 && clearBits == 0) {
        HLOG_INFO("updateMenuItemState:error(param is null)");
        return false;
    }
    HMENU parent = parentMenu();
    if (parent == nullptr || m_label.empty()) {
        return false;
    }
    UINT state = 0;
    if (!getMenuItemState(&state)) {
        HLOG_INFO("updateMenuItemState:error(GetMenuItemInfo)");
        return false;
    }
    MENUITEMINFOA info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE;
    info.fState = (state & ~clearBits) | setBits;
    if (!SetMenuItemInfoA(parent, getId(), FALSE, &info)) {
        HLOG_INFO("updateMenuItemState:error(SetMenuItemInfo)");
        return false;
    }
    return true;
}

HMENU HMenuItem::parentMenu() const
{
    return menuOf(getParent());
}
