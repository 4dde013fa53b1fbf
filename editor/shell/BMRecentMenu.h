#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/model/BMRecentList.h"
#include "framework/base/HWin32.h"

// The items of the File menu that change while the editor runs: the recent scenarios,
// numbered &1..&8 with their folders shortened to fit, and "ゲームフォルダの指定..." while the
// game's folder is not found. They come at the menu's end, each group after a separator of
// its own, so that every other item keeps its place (and the keys that reach it). They are
// native items put into the menu the command table made; their commands have operations in
// the table but no items there.
class BMRecentMenu {
public:
    // Bytes of a folder shown in an item; the status bar shows the whole path.
    static constexpr size_t LABEL_LIMIT = 60;

    explicit BMRecentMenu(HMENU fileMenu);  // not owned

    // Replaces the recent items with the list's.
    void show(const BMRecentList& list);
    // Shows or takes away the item that names the game's folder.
    void offerGameChoice(bool offered);
    // The folder of a recent item's command; "" for any other command.
    std::string folderOf(uint32_t command) const;
    // The item labels as the menu shows them, top down (for the tests and the journey).
    std::vector<std::string> labels() const;

private:
    HMENU m_menu;
    std::vector<std::string> m_folders;
    bool m_gameChoice = false;
};
