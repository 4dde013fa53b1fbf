#include "scenario/ZCExMenu.h"

#include <vector>

#include "framework/base/HFindFiles.h"
#include "framework/gui/HMenuItem.h"
#include "scenario/ZDAreaMapData.h"

ZCExMenu::ZCExMenu()
{
    setClassName("ZCExMenu");
}

// The items leave their menu before the menu goes (HComponent's destructor takes them out).
ZCExMenu::~ZCExMenu() = default;

int ZCExMenu::create(HContainer* parent, uint32_t baseId)
{
    HLOG_START("create");
    m_nextId = baseId;
    int count = 0;
    HFile game = ZDAreaMapData::getGameDirectory();
    if (parent != nullptr && !game.isEmpty()) {
        std::vector<HFile> folders;
        HFindFiles::getDirectories(game, &folders);
        for (const HFile& folder : folders) {
            const std::string& name = folder.getName();
            if (name == "." || name == ".." || !HFile(folder.getPath(), "Config").exists()) {
                continue;
            }
            if (count == 0) {
                m_items[m_nextId].reset(new HMenuItem(parent, m_nextId, "-", true, false));
                ++m_nextId;
            }
            m_items[m_nextId].reset(new HMenuItem(parent, m_nextId, name, true, false));
            m_paths[m_nextId] = folder.getPath();
            ++m_nextId;
            ++count;
        }
    }
    debug("menuCount=%u", static_cast<unsigned>(count));
    HLOG_END("create");
    return count;
}

std::string ZCExMenu::getPath(uint32_t id) const
{
    auto entry = m_paths.find(id);
    return entry != m_paths.end() ? entry->second : std::string();
}

HMenuItem* ZCExMenu::getItem(uint32_t id) const
{
    auto entry = m_items.find(id);
    return entry != m_items.end() ? entry->second.get() : nullptr;
}
