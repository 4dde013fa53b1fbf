#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "framework/base/HObject.h"

class HContainer;
class HMenuItem;

// Adds one menu item per scenario folder of the installed game (a sub-folder of the install
// directory that holds an entry named "Config") to a menu, after a separator. The items are
// made once; folders that appear later are not added.
class ZCExMenu : public HObject {
public:
    ZCExMenu();
    ~ZCExMenu() override;

    // Lists the install directory and adds the items under parent, with ids from baseId on
    // (the separator takes baseId). Returns the number of folder items; 0 without a parent.
    int create(HContainer* parent, uint32_t baseId);
    // The folder of the item with the id; "" for any other id (the separator included).
    std::string getPath(uint32_t id) const;
    HMenuItem* getItem(uint32_t id) const;
    size_t getItemCount() const { return m_items.size(); }

private:
    uint32_t m_nextId = 0;
    std::map<uint32_t, std::unique_ptr<HMenuItem>> m_items;
    std::map<uint32_t, std::string> m_paths;
};
