#include "framework/gui/HMenuItem.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/gui/HMenuBar.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestWindow.h"

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

// A native menu as text, read without the class under test: each item's label ("|" for a
// separator), id and marks, a popup's items in brackets, items apart by "; ".
std::string describe(HMENU menu)
{
    std::string text;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char label[128] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = label;
        info.cch = sizeof(label) - 1;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        text += i > 0 ? "; " : "";
        text += (info.fType & MFT_SEPARATOR) != 0 ? "|" : label;
        text += " " + std::to_string(info.wID);
        text += (info.fState & MFS_GRAYED) != 0 ? " grey" : "";
        text += (info.fState & MFS_CHECKED) != 0 ? " checked" : "";
        if (info.hSubMenu != nullptr) {
            text += " [" + describe(info.hSubMenu) + "]";
        }
    }
    return text;
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
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
    HMenuItem* item(uint32_t id) { return static_cast<HMenuItem*>(window.getMenuItem(id)); }
    std::string nativeMenu() { return describe(GetMenu(window.getHandle())); }

    TestWindow window;
    HMenuBar bar{&window, 2000, ""};
    std::vector<std::unique_ptr<HMenuItem>> items;
};

TEST_F(MenuTest, TableBecomesTheNativeMenuWithSeparatorsChecksAndGreyItems)
{
    EXPECT_EQ(GetMenu(window.getHandle()), bar.getMenuHandle());
    // A trail byte 0x5C ("ソ") stays part of its character.
    EXPECT_EQ(nativeMenu(), "ﾌｧｲﾙ(&F) 2100 [開く(&O)\tCtrl+O 2101; | 2105; "
                            "終了(&X)\tCtrl+Q 2106 grey]; "
                            "表示(&V) 2200 [グリッド(&G) 2201 checked; "
                            "ソ連 2202 grey checked]");
    EXPECT_TRUE(item(2105)->isSeparator());
    EXPECT_FALSE(item(2101)->isSeparator());
}

// Whether the menu's marks follow the items' changes the main window's own test follows; here
// that one mark leaves the other alone and both survive a new native menu.
TEST_F(MenuTest, CheckAndGreyMarksAreKeptApartAndSurviveARecreation)
{
    item(2106)->setChecked(true);
    item(2202)->setEnabled(true);
    const std::string marked = "ﾌｧｲﾙ(&F) 2100 [開く(&O)\tCtrl+O 2101; | 2105; "
                               "終了(&X)\tCtrl+Q 2106 grey checked]; "
                               "表示(&V) 2200 [グリッド(&G) 2201 checked; ソ連 2202 checked]";
    EXPECT_EQ(nativeMenu(), marked);
    window.dispose();
    EXPECT_EQ(bar.getMenuHandle(), nullptr);
    window.create();
    EXPECT_EQ(nativeMenu(), marked);
}

TEST_F(MenuTest, ItemsAddedLaterAppendAndCreatingTwiceOrEmptyStatesAreReported)
{
    TestFolder folder;
    LogCapture log({"info"});
    item(2100)->create();
    EXPECT_FALSE(item(2101)->updateMenuItemState(0, 0));
    EXPECT_FALSE(item(2101)->getMenuItemState(nullptr));
    EXPECT_EQ(log.missing({"既に生成されている", "updateMenuItemState:error(param is null)",
                           "getMenuItemState:error(param is null)"}),
              "");

    const std::string fileItems = "開く(&O)\tCtrl+O 2101; | 2105; 終了(&X)\tCtrl+Q 2106 grey";
    HMENU fileMenu = item(2100)->getPopupHandle();
    EXPECT_EQ(describe(fileMenu), fileItems);
    HMenuItem late(item(2100), 2501, "Scenario", true, false);
    late.create();
    EXPECT_EQ(describe(fileMenu), fileItems + "; Scenario 2501");
    late.dispose();
    EXPECT_EQ(describe(fileMenu), fileItems);
}

}  // namespace
