#include "framework/HMenuItem.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/HMenuBar.h"
#include "framework/HWindow.h"
#include "tests/support/LogCapture.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestFolder.h"

namespace {

struct Row {
    uint32_t parent;  // 0: the menu bar
    uint32_t id;
    const char* label;
    bool enabled;
    bool checked;
};

const Row kTable[] = {
    {0, 2100, "ﾌｧｲﾙ(&F)", true, false},
    {2100, 2101, "開く(&O)\tCtrl+O", true, false},
    {2100, 2105, "-", true, false},
    {2100, 2106, "終了(&X)\tCtrl+Q", false, false},
    {0, 2200, "表示(&V)", true, false},
    {2200, 2201, "グリッド(&G)", true, true},
    {2200, 2202, "ソ連", false, true},
};

// The native state and text of an item of a menu, by command id.
struct NativeItem {
    bool found = false;
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    HMENU subMenu = nullptr;
    std::string text;
};

NativeItem readItem(HMENU menu, UINT position)
{
    NativeItem item;
    char text[128] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof(text) - 1;
    item.found = GetMenuItemInfoA(menu, position, TRUE, &info) != FALSE;
    item.type = info.fType;
    item.state = info.fState;
    item.id = info.wID;
    item.subMenu = info.hSubMenu;
    item.text = text;
    return item;
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setClassName("TesselMenu");
        window.setBounds(0, 0, 300, 200);
        for (const Row& row : kTable) {
            HContainer* parent = &bar;
            if (row.parent != 0) {
                parent = static_cast<HContainer*>(bar.findById(row.parent));
            }
            items.emplace_back(
                new HMenuItem(parent, row.id, row.label, row.enabled, row.checked));
        }
        window.create();
        ASSERT_NE(window.getHandle(), nullptr);
    }
    void TearDown() override
    {
        window.dispose();
        MessagePump::drain();
    }
    HMenuItem* item(uint32_t id) { return static_cast<HMenuItem*>(window.getMenuItem(id)); }

    HWindow window;
    HMenuBar bar{&window, 2000, ""};
    std::vector<std::unique_ptr<HMenuItem>> items;
};

TEST_F(MenuTest, TableBecomesTheNativeMenuWithSeparatorsChecksAndGreyItems)
{
    HMENU menu = GetMenu(window.getHandle());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu, bar.getMenuHandle());
    ASSERT_EQ(GetMenuItemCount(menu), 2);

    NativeItem file = readItem(menu, 0);
    EXPECT_EQ(file.text, "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(file.id, 2100u);
    ASSERT_NE(file.subMenu, nullptr);
    ASSERT_EQ(GetMenuItemCount(file.subMenu), 3);
    NativeItem open = readItem(file.subMenu, 0);
    EXPECT_EQ(open.text, "開く(&O)\tCtrl+O");
    EXPECT_EQ(open.state & (MFS_GRAYED | MFS_CHECKED), 0u);
    NativeItem separator = readItem(file.subMenu, 1);
    EXPECT_NE(separator.type & MFT_SEPARATOR, 0u);
    EXPECT_EQ(separator.id, 2105u);
    NativeItem exit = readItem(file.subMenu, 2);
    EXPECT_EQ(exit.state & MFS_GRAYED, MFS_GRAYED);

    NativeItem view = readItem(menu, 1);
    ASSERT_NE(view.subMenu, nullptr);
    NativeItem grid = readItem(view.subMenu, 0);
    EXPECT_NE(grid.state & MFS_CHECKED, 0u);
    // A trail byte 0x5C ("ソ") stays part of its character.
    NativeItem both = readItem(view.subMenu, 1);
    EXPECT_EQ(both.text, "ソ連");
    EXPECT_EQ(both.state & (MFS_GRAYED | MFS_CHECKED), MFS_GRAYED | MFS_CHECKED);

    EXPECT_TRUE(item(2105)->isSeparator());
    EXPECT_FALSE(item(2101)->isSeparator());
}

TEST_F(MenuTest, StatesAreWrittenToAndReadFromTheNativeMenuAndSurviveARecreation)
{
    HMENU fileMenu = item(2100)->getPopupHandle();
    ASSERT_NE(fileMenu, nullptr);
    EXPECT_FALSE(item(2106)->isEnabled());
    item(2106)->setEnabled(true);
    EXPECT_TRUE(item(2106)->isEnabled());
    EXPECT_EQ(readItem(fileMenu, 2).state & MFS_GRAYED, 0u);

    // Changed behind the item's back: the item reports what the menu shows.
    EnableMenuItem(fileMenu, 2101, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_FALSE(item(2101)->isEnabled());
    CheckMenuItem(fileMenu, 2101, MF_BYCOMMAND | MF_CHECKED);
    EXPECT_TRUE(item(2101)->isChecked());

    item(2201)->setChecked(false);
    EXPECT_FALSE(item(2201)->isChecked());
    EXPECT_EQ(readItem(item(2200)->getPopupHandle(), 0).state & MFS_CHECKED, 0u);
    item(2201)->setChecked(true);
    EXPECT_TRUE(item(2201)->isChecked());
    // Checking leaves the grey state alone and the other way round.
    item(2202)->setEnabled(true);
    EXPECT_TRUE(item(2202)->isChecked());

    item(2106)->setEnabled(false);
    window.dispose();
    EXPECT_EQ(bar.getMenuHandle(), nullptr);
    EXPECT_EQ(item(2100)->getPopupHandle(), nullptr);
    EXPECT_FALSE(item(2106)->isEnabled());  // the stored flag, without a native menu
    item(2106)->setEnabled(true);
    window.create();
    HMENU menu = GetMenu(window.getHandle());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(GetMenuItemCount(item(2100)->getPopupHandle()), 3);
    EXPECT_TRUE(item(2106)->isEnabled());
}

TEST_F(MenuTest, ItemsAddedLaterAppendAndCreatingTwiceOrEmptyStatesAreReported)
{
    TestFolder folder;
    LogCapture log({"info"});
    item(2100)->create();
    EXPECT_FALSE(item(2101)->updateMenuItemState(0, 0));
    EXPECT_FALSE(item(2101)->getMenuItemState(nullptr));
    EXPECT_EQ(GetMenuItemCount(item(2100)->getPopupHandle()), 3);
    std::string text = log.text();
    EXPECT_NE(text.find("既に生成されている"), std::string::npos);
    EXPECT_NE(text.find("updateMenuItemState:error(param is null)"), std::string::npos);
    EXPECT_NE(text.find("getMenuItemState:error(param is null)"), std::string::npos);

    HMenuItem late(item(2100), 2501, "Scenario", true, false);
    late.create();
    HMENU fileMenu = item(2100)->getPopupHandle();
    ASSERT_EQ(GetMenuItemCount(fileMenu), 4);
    EXPECT_EQ(readItem(fileMenu, 3).id, 2501u);
    late.dispose();
    EXPECT_EQ(GetMenuItemCount(fileMenu), 3);
}

}  // namespace
