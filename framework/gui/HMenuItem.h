#pragma once

#include <vector>

#include "framework/gui/HContainer.h"

// One entry of a menu: a command, a separator (label "-") or, with children, a menu of its
// own. Its enabled and checked states live in the native menu once it exists.
class HMenuItem : public HContainer {
public:
    // parent: the menu bar or the menu item this entry belongs to; it is added there.
    HMenuItem(HContainer* parent, uint32_t id, const std::string& label, bool enabled,
              bool checked);
    ~HMenuItem() override;

    void create() override;
    void dispose() override;
    void repaint() override;
    // Read from the native menu; the stored flag until the item exists.
    bool isEnabled() const override;
    void setEnabled(bool enabled) override;

    void setChecked(bool checked);
    // Read from the native menu; the stored flag until the item exists.
    bool isChecked() const;
    bool isSeparator() const { return m_separator; }
    HMENU getPopupHandle() const { return m_popup; }

    // The native state bits (MFS_*) of the item in its parent's menu.
    bool getMenuItemState(UINT* state) const;
    // Sets, then clears, state bits in the native menu.
    bool updateMenuItemState(UINT setBits, UINT clearBits);

private:
    HMENU parentMenu() const;

    HMENU m_popup = nullptr;
    bool m_separator;
    // The label as the native item was made with it; empty until then.
    std::vector<char> m_label;
    bool m_checked;
};
