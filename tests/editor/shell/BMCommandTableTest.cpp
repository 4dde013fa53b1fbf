// The command table, checked row by row for what must hold of every command (its key is the
// one its item shows and runs nothing else, a command a user can give has an operation), and
// through the main window (the menu and the keys are the table's, the items show the state
// the table keeps, every command reaches its operation).
#include "editor/shell/BMCommandTable.h"

#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "editor/shell/BMWindow.h"
#include "editor/view/BMHotSpots.h"
#include "editor/view/BMStartPanel.h"
#include "framework/base/HText.h"
#include "framework/gui/HMenuItem.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/LogCapture.h"

namespace {

using Row = BMCommandTable::Row;

// The key text of an accelerator, written the way the menu shows keys. + and - stand for the
// keypad's keys and the main keyboard's (where + is shifted).
std::string keyText(const ACCEL& entry)
{
    static const std::map<WORD, std::string> names = {
        {VK_UP, "↑"}, {VK_DOWN, "↓"}, {VK_LEFT, "←"}, {VK_RIGHT, "→"},
        {VK_PRIOR, "PageUp"}, {VK_NEXT, "PageDown"}, {VK_HOME, "Home"}, {VK_END, "End"},
        {VK_SPACE, "Space"}, {VK_BACK, "BackSpace"}, {VK_DELETE, "Delete"},
        {VK_ESCAPE, "ESC"}, {VK_F2, "F2"}, {VK_F3, "F3"}, {VK_F4, "F4"}, {VK_F5, "F5"},
        {VK_F6, "F6"}, {VK_F7, "F7"}, {VK_F8, "F8"}, {VK_ADD, "+"}, {VK_SUBTRACT, "-"},
        {VK_OEM_MINUS, "-"}};
    bool ctrl = entry.fVirt & FCONTROL, shift = entry.fVirt & FSHIFT, alt = entry.fVirt & FALT;
    if (entry.key == VK_OEM_PLUS && shift && !ctrl && !alt) {
        return "+";
    }
    auto name = names.find(entry.key);
    std::string key = name != names.end() ? name->second : std::string(1, char(entry.key));
    if (ctrl && shift) {
        return "Shift+Ctrl+" + key;
    }
    if (alt && shift) {
        return "Alt+Shift+" + key;
    }
    return std::string(ctrl ? "Ctrl+" : "") + (shift ? "Shift+" : "") + (alt ? "Alt+" : "") + key;
}

bool isMenu(const Row& row)
{
    return row.parent == BMCommandTable::MENU_BAR && row.label != nullptr;
}

bool isSeparator(const Row& row)
{
    return row.label != nullptr && std::string(row.label) == "-";
}

TEST(CommandTable, EveryKeyIsTheOneItsItemShowsAndRunsOneCommand)
{
    const std::vector<ACCEL> keys = BMCommandTable::accelerators();
    EXPECT_LE(keys.size(), size_t(HWindow::ACCELERATOR_LIMIT));
    std::map<std::pair<int, int>, int> bound;  // (flags, key) -> command
    std::set<uint32_t> withKeys;
    for (size_t i = 0; i < keys.size(); ++i) {
        const ACCEL& key = keys[i];
        const Row* row = BMCommandTable::find(key.cmd);
        ASSERT_NE(row, nullptr) << key.cmd;
        EXPECT_EQ(row->keyText, keyText(key)) << key.cmd;
        EXPECT_EQ(key.fVirt & (FVIRTKEY | FNOINVERT), FVIRTKEY | FNOINVERT) << key.cmd;
        // The accelerator table would take only the first of two commands of one key.
        const auto entry = bound.emplace(std::make_pair(key.fVirt, key.key), key.cmd);
        EXPECT_TRUE(entry.second) << keyText(key) << " runs " << entry.first->second << " and "
                                  << key.cmd;
        EXPECT_TRUE(i == 0 || keys[i - 1].cmd <= key.cmd) << "keys in order of command";
        withKeys.insert(key.cmd);
    }
    for (const Row& row : BMCommandTable::rows()) {
        EXPECT_EQ(row.keyText[0] != '\0', withKeys.count(row.id) == 1) << row.id;
    }
    // What the moving items say they do is what their keys do.
    EXPECT_EQ(BMCommandTable::find(kCommandCursorLeft)->key, VK_LEFT);
    EXPECT_EQ(BMCommandTable::find(kCommandCursorRightEnd)->key, VK_RIGHT);
}

TEST(CommandTable, EveryCommandAUserCanGiveHasAnOperation)
{
    std::set<uint32_t> seen;
    for (const Row& row : BMCommandTable::rows()) {
        EXPECT_TRUE(seen.insert(row.id).second) << row.id << " has two rows";
        if (row.label != nullptr && row.parent != BMCommandTable::MENU_BAR) {
            const Row* menu = BMCommandTable::find(row.parent);
            EXPECT_TRUE(menu != nullptr && isMenu(*menu) && seen.count(row.parent) == 1)
                << row.id << " comes after its menu";
        }
        // A greyed item may keep its operation (cancel turns grey and back); a menu or a
        // separator has none.
        if (isMenu(row) || isSeparator(row)) {
            EXPECT_EQ(row.handler, nullptr) << row.id;
        } else if (row.state != BMCommandTable::DISABLED) {
            EXPECT_NE(row.handler, nullptr) << row.id;
        }
    }
    // What the panels' buttons and the start panel send.
    for (int number = 1; number < BMHotSpots::COUNT; ++number) {
        const Row* row = BMCommandTable::find(BMHotSpots::get(number)->command);
        EXPECT_TRUE(row != nullptr && row->handler != nullptr) << "hot spot " << number;
    }
    EXPECT_NE(BMCommandTable::find(BMStartPanel::OPEN_COMMAND)->handler, nullptr);
}

class CommandWindowTest : public DefaultScenarioTest {
protected:
    BMCommandTable& commands() { return editor.window().getCommands(); }
};

// The menu is made of the table, and its items show the state the table keeps while the
// commands change it: each choice of a group (shape, edit mode, zoom step) carries the one check
// mark of its group, each flag toggles its own, zoom in and out are grey at the ends.
TEST_F(CommandWindowTest, TheMenuShowsTheTablesItemsKeysAndState)
{
    BMWindow& window = editor.window();
    const std::vector<ACCEL> keys = BMCommandTable::accelerators();
    ASSERT_EQ(window.getAcceleratorCount(), int(keys.size()));
    for (int i = 0; i < window.getAcceleratorCount(); ++i) {
        const ACCEL& entry = window.getAccelerator(i);
        EXPECT_TRUE(entry.fVirt == keys[i].fVirt && entry.key == keys[i].key
                    && entry.cmd == keys[i].cmd) << i;
    }
    const std::vector<std::vector<BMCommandId>> groups = {
        {kCommandShapeFree, kCommandShapeLine, kCommandShapeRectangle, kCommandShapeHexagon,
         kCommandShapeFill},
        {kCommandModeCharacter, kCommandModeObject, kCommandModeHeight, kCommandModePlacement,
         kCommandModeBorder},
        {kCommandZoom25, kCommandZoom50, kCommandZoom100, kCommandZoom200}};
    for (const std::vector<BMCommandId>& group : groups) {
        for (BMCommandId chosen : group) {
            editor.command(chosen);
            for (BMCommandId item : group) {
                EXPECT_EQ(commands().isChecked(item), item == chosen) << chosen << " " << item;
            }
            EXPECT_EQ(commands().isEnabled(kCommandZoomIn), chosen != kCommandZoom200);
            EXPECT_EQ(commands().isEnabled(kCommandZoomOut), chosen != kCommandZoom25);
        }
    }
    std::vector<BMCommandId> flags = {kCommandMouseMode};
    for (uint32_t id = kCommandShowAreaInfo; id <= kCommandShowObjectOrder; ++id) {
        flags.push_back(BMCommandId(id));
    }
    for (BMCommandId flag : flags) {
        const bool before = commands().isChecked(flag);
        editor.command(flag);
        EXPECT_NE(commands().isChecked(flag), before) << flag;
    }
    for (const Row& row : BMCommandTable::rows()) {
        if (row.label == nullptr) {
            EXPECT_EQ(commands().getItem(row.id), nullptr) << row.id;
            continue;
        }
        auto* item = dynamic_cast<HMenuItem*>(window.getMenuItem(row.id));
        ASSERT_NE(item, nullptr) << row.id;
        EXPECT_EQ(item->getText(), row.keyText[0] != '\0' ? std::string(row.label) + "\t" + row.keyText
                                                         : std::string(row.label));
        EXPECT_EQ(item->isChecked(), commands().isChecked(row.id)) << row.id;
        EXPECT_EQ(item->isEnabled(), commands().isEnabled(row.id)) << row.id;
    }
}

// Every command, sent as WM_COMMAND with a scenario open, reaches an operation: the table's,
// which knows its id, or, for ids without one (the scenario items among them), the default.
TEST_F(CommandWindowTest, EveryCommandReachesItsOperation)
{
    const std::string window = HText::address(&editor.window());
    std::map<uint32_t, bool> sent;  // command -> whether the table has an operation for it
    std::string log;
    {
        LogCapture capture({"debug", "info"});
        // Dialogs are cancelled, questions answered no; each command has the answerer's
        // whole time, as the dialogs of all of them take longer.
        for (const Row& row : BMCommandTable::rows()) {
            if (row.id != kCommandExit) {
                BoxAnswers no(IDNO);
                editor.command(row.id);
                sent[row.id] = row.handler != nullptr;
            }
        }
        BoxAnswers no(IDNO);
        editor.command(kCommandScenarioMenu + 1);  // the first scenario: the default handler's
        sent[kCommandScenarioMenu + 1] = false;
        editor.command(kCommandExit);  // edits not saved at the question: the window goes
        sent[kCommandExit] = true;
        log = capture.text();
    }
    EXPECT_EQ(editor.handle(), nullptr);
    for (const auto& command : sent) {
        // The frame's first line: "<operation>:<window> <id> <data>".
        const std::string line = ":" + window + " " + std::to_string(command.first) + " ";
        const size_t at = log.find(line);
        ASSERT_NE(at, std::string::npos) << command.first;
        const size_t start = log.rfind(' ', at) + 1;
        EXPECT_EQ(log.substr(start, at - start) == "OP2500", !command.second) << command.first;
    }
    EXPECT_EQ(log.find("warning:unknown menuid."), std::string::npos);
}

}  // namespace
