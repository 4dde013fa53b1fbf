// The first minute: with no scenario open the view shows the installed game's scenarios as
// rows a click opens, and the way to any other folder.
#include "editor/view/BMStartPanel.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/shell/BMWindow.h"
#include "framework/gui/HImageView.h"
#include "scenario/ZCExMenu.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/TestFolder.h"

namespace {

// The File menu's scenario items: folder name and command, in menu order.
std::vector<BMStartPanel::Row> menuScenarios(const BMWindow& window)
{
    std::vector<BMStartPanel::Row> rows;
    const ZCExMenu& menu = window.getScenarioMenu();
    for (uint32_t id = BMWindow::ID_SCENARIO_MENU + 1; !menu.getPath(id).empty(); ++id) {
        rows.push_back({HFile(menu.getPath(id)).getName(), id});
    }
    return rows;
}

// The commands of the rows met going down the middle of the panel, each once.
std::vector<uint32_t> rowsDownTheMiddle(const BMStartPanel& panel)
{
    BMRect bounds = panel.getBounds();
    std::vector<uint32_t> commands;
    uint32_t previous = 0;
    for (int y = bounds.top - 5; y < bounds.bottom + 5; ++y) {
        uint32_t command = panel.commandAt((bounds.left + bounds.right) / 2, y);
        if (command != 0 && command != previous) {
            commands.push_back(command);
        }
        previous = command;
    }
    return commands;
}

// The middle of the row that sends the command, in view pixels.
POINT rowPoint(const BMStartPanel& panel, uint32_t command)
{
    BMRect bounds = panel.getBounds();
    int x = (bounds.left + bounds.right) / 2;
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        if (panel.commandAt(x, y) == command) {
            return {x, y + BMStartPanel::ROW_HEIGHT / 2};
        }
    }
    ADD_FAILURE() << "no row sends " << command;
    return {-1, -1};
}

COLORREF shownAt(EditorSession& editor, int x, int y)
{
    HWND view = editor.window().getMapView()->getHandle();
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(view);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(view, dc);
    return color;
}

// The mouse as the window gets it over its map view (which lets it through).
void mouse(EditorSession& editor, UINT message, POINT at)
{
    SendMessageA(editor.handle(), message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                 MAKELPARAM(at.x, at.y));
}

}  // namespace

TEST(StartPanel, ListsTheInstalledScenariosWhereTheViewWasBlackAndOpensTheOneClicked)
{
    EditorSession editor;
    ASSERT_TRUE(editor.window().showsStartPanel());
    const BMStartPanel& panel = editor.window().getStartPanel();
    std::vector<BMStartPanel::Row> scenarios = menuScenarios(editor.window());
    ASSERT_EQ(scenarios.size(), 3u);
    std::vector<uint32_t> expected;
    for (const BMStartPanel::Row& row : scenarios) {
        expected.push_back(row.command);
    }
    expected.push_back(kCommandOpen);
    EXPECT_EQ(rowsDownTheMiddle(panel), expected);

    BMRect bounds = panel.getBounds();
    EXPECT_EQ(shownAt(editor, bounds.left, bounds.top + 20), RGB(173, 173, 173)) << "the frame";
    EXPECT_EQ(shownAt(editor, bounds.left - 3, bounds.top + 20), RGB(0, 0, 0)) << "outside";
    POINT islands = rowPoint(panel, scenarios[1].command);
    EXPECT_EQ(shownAt(editor, bounds.left + 6, islands.y), RGB(10, 10, 10));
    mouse(editor, WM_MOUSEMOVE, islands);
    EXPECT_EQ(shownAt(editor, bounds.left + 6, islands.y), RGB(51, 102, 255)) << "hovered";
    mouse(editor, WM_MOUSEMOVE, {bounds.left + 6, bounds.top + 4});
    EXPECT_EQ(shownAt(editor, bounds.left + 6, islands.y), RGB(10, 10, 10)) << "left";

    mouse(editor, WM_LBUTTONDOWN, islands);
    mouse(editor, WM_LBUTTONUP, islands);
    EXPECT_EQ(editor.openFolder(), editor.scenario(scenarios[1].label));
    EXPECT_FALSE(editor.window().showsStartPanel());
    EXPECT_NE(shownAt(editor, bounds.left + 6, islands.y), RGB(51, 102, 255)) << "the map shows";
}

TEST(StartPanel, ShowsTheRowsThatFitAndNamesTheRest)
{
    struct Case {
        int scenarios;
        int viewHeight;
        size_t rows;  // scenario rows shown
    };
    const Case cases[] = {{0, 444, 0}, {1, 444, 1}, {3, 444, 3}, {40, 444, 17},
                          {40, 1000, 40}, {40, 120, 0}, {2, 150, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.scenarios << " in " << c.viewHeight);
        BMStartPanel panel;
        std::vector<BMStartPanel::Row> rows;
        std::vector<uint32_t> expected;
        for (int i = 0; i < c.scenarios; ++i) {
            rows.push_back({"S" + std::to_string(i), 2501u + i});
        }
        panel.setScenarios(rows);
        panel.setViewSize(624, c.viewHeight);
        for (size_t i = 0; i < c.rows; ++i) {
            expected.push_back(2501u + static_cast<uint32_t>(i));
        }
        expected.push_back(BMStartPanel::OPEN_COMMAND);
        EXPECT_EQ(rowsDownTheMiddle(panel), expected);
        BMRect bounds = panel.getBounds();
        EXPECT_GE(bounds.left, 0);
        EXPECT_EQ(bounds.left + bounds.right, 624) << "in the middle";
        if (c.viewHeight >= 300) {
            EXPECT_LE(bounds.bottom, c.viewHeight) << "inside the view";
        }
        EXPECT_EQ(panel.commandAt(bounds.left + 2, rowPoint(panel, kCommandOpen).y), 0u) << "margin";
        EXPECT_EQ(panel.commandAt(bounds.right + 1, rowPoint(panel, kCommandOpen).y), 0u);
    }
}
