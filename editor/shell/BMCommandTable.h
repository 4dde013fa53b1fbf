#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "editor/view/BMCommandId.h"
#include "framework/base/HWin32.h"
#include "scenario/ZCHandler.h"

class HMenuBar;
class HMenuItem;
class ZCCommand;

// Every command of the main window in one table: each menu and item with its label, the key
// text the menu shows, the key bound to it, the state it starts in and the operation that runs
// it; and the panel buttons' commands, which have an operation but no item. The table makes the
// menu items, the accelerators and the command component's entries. An object of it owns the
// items and keeps their enabled and checked state: operations change the state here, and the
// menu shows it.
class BMCommandTable {
public:
    enum State : uint8_t { ENABLED, DISABLED, CHECKED };
    static constexpr uint16_t MENU_BAR = 0;  // the parent of the top-level menus

    struct Row {
        uint16_t parent;    // the menu (MENU_BAR for a menu itself)
        BMCommandId id;
        const char* label;  // nullptr: a panel button's command, no menu item; "-": separator
        const char* keyText;  // shown after a tab; "" for none
        State state;        // at the start
        uint8_t keyFlags;   // 0: no key
        uint16_t key;       // virtual-key code
        ZCHandler handler;  // nullptr: the command component's default handler runs
    };

    // Every row, menus and items in the order they are made.
    static const std::vector<Row>& rows();
    // The row of the id, or nullptr.
    static const Row* find(uint32_t id);
    // The keyboard's table: every row's key and the extra keys of zoom, in ascending order of
    // command id (a command's own key before its extra one).
    static std::vector<ACCEL> accelerators();
    // Registers every row's operation in the command component.
    static void addHandlers(ZCCommand* command);

    // Makes every menu and item under the bar, in table order, in its starting state.
    explicit BMCommandTable(HMenuBar* bar);  // not owned
    ~BMCommandTable();
    BMCommandTable(const BMCommandTable&) = delete;
    BMCommandTable& operator=(const BMCommandTable&) = delete;

    // The menu or item of the id; nullptr for a command without one.
    HMenuItem* getItem(uint32_t id) const;
    bool isEnabled(BMCommandId id) const;
    bool isChecked(BMCommandId id) const;
    void setEnabled(BMCommandId id, bool enabled);
    void setChecked(BMCommandId id, bool checked);

private:
    struct Item {
        std::unique_ptr<HMenuItem> item;
        bool enabled;
        bool checked;
    };
    Item* entry(uint32_t id);
    const Item* entry(uint32_t id) const;

    std::vector<Item> m_items;           // in creation order
    std::map<uint32_t, size_t> m_index;  // command id -> m_items
};
