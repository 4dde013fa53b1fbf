#include "editor/shell/BMRecentMenu.h"

#include "editor/view/BMCommandId.h"

namespace {

const char* const kChooseGame = "ゲームフォルダの指定...";

}  // namespace

BMRecentMenu::BMRecentMenu(HMENU fileMenu) : m_menu(fileMenu)
{
}

void BMRecentMenu::show(const BMRecentList& list)
{
    if (m_menu == nullptr) {
        return;
    }
    for (size_t i = 0; i < m_folders.size(); ++i) {
        DeleteMenu(m_menu, kCommandRecentScenario + static_cast<UINT>(i), MF_BYCOMMAND);
    }
    DeleteMenu(m_menu, kCommandRecentSeparator, MF_BYCOMMAND);
    m_folders.clear();
    // At the menu's end, after a separator of their own: the items above keep their places.
    if (!list.entries().empty()) {
        AppendMenuA(m_menu, MF_SEPARATOR, kCommandRecentSeparator, nullptr);
    }
    for (const BMRecentScenario& entry : list.entries()) {
        const UINT id = kCommandRecentScenario + static_cast<UINT>(m_folders.size());
        const std::string label =
            BMRecentList::menuLabel(m_folders.size(), entry.folder, LABEL_LIMIT);
        AppendMenuA(m_menu, MF_STRING, id, label.c_str());
        m_folders.push_back(entry.folder);
    }
}

void BMRecentMenu::offerGameChoice(bool offered)
{
    if (m_menu == nullptr || offered == m_gameChoice) {
        return;
    }
    if (offered) {
        AppendMenuA(m_menu, MF_SEPARATOR, kCommandChooseGameSeparator, nullptr);
        AppendMenuA(m_menu, MF_STRING, kCommandChooseGame, kChooseGame);
    } else {
        DeleteMenu(m_menu, kCommandChooseGameSeparator, MF_BYCOMMAND);
        DeleteMenu(m_menu, kCommandChooseGame, MF_BYCOMMAND);
    }
    m_gameChoice = offered;
}

std::string BMRecentMenu::folderOf(uint32_t command) const
{
    const uint32_t index = command - kCommandRecentScenario;
    return command >= kCommandRecentScenario && index < m_folders.size() ? m_folders[index]
                                                                         : std::string();
}

std::vector<std::string> BMRecentMenu::labels() const
{
    std::vector<std::string> labels;
    const int count = m_menu != nullptr ? GetMenuItemCount(m_menu) : 0;
    for (int i = 0; i < count; ++i) {
        char text[512] = "";
        GetMenuStringA(m_menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        labels.push_back(text);
    }
    return labels;
}
