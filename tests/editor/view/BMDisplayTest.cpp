// The display in a real window: pixels to cells on the offset rows, presses, drags and pans,
// the panels' hot spots and hover marks, the chooser pages, and the scroll requests it sends.

#include "editor/view/BMDisplay.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "framework/base/HWin32.h"
#include "framework/gui/HEventListener.h"
#include "framework/gui/HScrollBar.h"
#include "framework/gui/HStatusBar.h"
#include "framework/gui/HWindow.h"
#include "tests/editor/EditorScenario.h"
#include "tests/support/MessagePump.h"

#include <commctrl.h>  // after the platform header

namespace {

// Writes down the wParam of every message of its kind that reaches the window.
class MessageRecorder : public HEventListener {
public:
    explicit MessageRecorder(const HEventType& type) : HEventListener(type) {}
    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override
    {
        seen.push_back(wParam);
        return HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    }
    std::vector<WPARAM> seen;
};

// The centre of cell (x, y) in view pixels at scroll (0, 0).
int px(int x, int y) { return x * 32 + 16 + (y % 2 == 1 ? 16 : 0); }
int py(int y) { return y * 32 + 16; }

class Display : public ::testing::Test {
protected:
    void SetUp() override
    {
        scenario.reset(new EditorScenario(std::vector<ZDBMap>(20)));
        BMData* data = BMData::getInstance(true);
        data->load(scenario->data().getScenarioDirectory(), HFile());
        data->setCurrent(1);

        window.setClassName("TesselDisplayTest");
        window.setBounds(0, 0, 820, 640);
        vertical.setBounds(800, 0, 16, 600);
        horizontal.setBounds(0, 600, 800, 16);
        vertical.setParameters(HScrollBar::VERTICAL, 0, 1024, 600, 32, 0);
        horizontal.setParameters(HScrollBar::HORIZONTAL, 0, 1040, 800, 32, 0);
        window.addEventListener(&commands);
        window.addEventListener(&verticalScrolls);
        window.addEventListener(&horizontalScrolls);
        window.create();
        ASSERT_NE(window.getHandle(), nullptr);
        ShowWindow(window.getHandle(), SW_SHOW);  // the display scrolls only shown bars

        display.setWindow(&window);
        display.setData(true);
        display.setViewSize(800, 600);
        display.resetState();
        display.setupChooserPage();
    }

    void TearDown() override
    {
        window.dispose();
        MessagePump::drain();
        BMData::deleteInstance();
    }

    bool selected(int x, int y) { return (display.getCellMark(y * 32 + x) & CELL_SELECTED) != 0; }

    std::string statusText()
    {
        char text[256] = {};
        // A simple bar answers with its one text whatever the part asked (Wine).
        SendMessageA(status.getHandle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }

    std::unique_ptr<EditorScenario> scenario;
    HWindow window;
    HScrollBar vertical{&window, 2002, ""};
    HScrollBar horizontal{&window, 2003, ""};
    HStatusBar status{&window, 2004, "", false, false};
    MessageRecorder commands{HEventType::WM_COMMAND_TYPE};
    MessageRecorder verticalScrolls{HEventType::WM_VSCROLL_TYPE};
    MessageRecorder horizontalScrolls{HEventType::WM_HSCROLL_TYPE};
    BMDisplay display;
};

}  // namespace

TEST_F(Display, PressesFindCellsOnTheOffsetRows)
{
    EXPECT_FALSE(display.pressLeft(10, py(1)));  // the strip before odd row 1's first cell
    EXPECT_TRUE(display.pressLeft(px(5, 3), py(3)));
    EXPECT_EQ(display.getCursor().x, 5);
    EXPECT_EQ(display.getCursor().y, 3);
    EXPECT_EQ(statusText(), "カーソル位置：( 5, 3)  ブラシ半径：0");

    display.setCellMark(7, 7, CELL_SELECTED, true);
    display.setCellMark(8, 7, CELL_SELECTED, true);
    display.setCellMark(9, 7, CELL_SELECTED, true);
    EXPECT_TRUE(display.pressLeft(px(5, 3) + 10, py(3) - 10));  // the cursor cell again
    EXPECT_TRUE(selected(7, 7));
    EXPECT_TRUE(display.pressRight(px(8, 7), py(7)));  // a selected cell: only it goes
    EXPECT_TRUE(selected(7, 7));
    EXPECT_FALSE(selected(8, 7));
    EXPECT_TRUE(display.pressRight(px(1, 1), py(1)));  // an unselected one: all go
    EXPECT_FALSE(selected(7, 7) || selected(9, 7));

    display.setCellMark(2, 2, CELL_SELECTED, true);
    const size_t items = display.getUndoList()->getCount();
    EXPECT_TRUE(display.pressLeft(px(0, 0), py(0)));  // a new cursor drops the selection
    EXPECT_FALSE(selected(2, 2));
    EXPECT_EQ(display.getUndoList()->getCount(), items + 1);
    display.undo();
    EXPECT_TRUE(selected(2, 2));
}

TEST_F(Display, AFreeHandDragIgnoresTheCellEdges)
{
    EXPECT_TRUE(display.startDrag(10, py(1)));  // the strip counts as column 0 in a drag
    EXPECT_EQ(display.getCursor().x, 0);
    EXPECT_EQ(display.getCursor().y, 1);
    EXPECT_TRUE(display.moveDrag(px(3, 1) + 13, py(1)));  // 3 pixels from the right edge
    EXPECT_EQ(display.getCellMark(1 * 32 + 3), 0u);
    EXPECT_TRUE(display.moveDrag(px(3, 1), py(1)));
    EXPECT_EQ(display.getCellMark(1 * 32 + 3), CELL_PENDING);
    EXPECT_TRUE(display.endDrag(px(3, 1), py(1)));
    EXPECT_TRUE(selected(0, 1) && selected(3, 1));
    EXPECT_FALSE(selected(1, 1));  // free hand: only the cells passed over
    EXPECT_EQ(display.getCursor().x, 3);
}

// The fill shape goes by the layer under the pointer: a press takes the region of the cell, the
// same press with Shift every cell of its value; a brush stroke in direct mode paints along the
// path the pointer jumped over.
TEST_F(Display, FillPressesAndBrushStrokesGoThroughTheCellsUnderThePointer)
{
    BMData* data = display.getData();
    for (BMPoint cell : {BMPoint{5, 4}, BMPoint{4, 3}, BMPoint{6, 3}}) {
        data->setByte(BMData::TYPE_CHARACTER, 9, 0, cell.x, cell.y);
    }
    display.setShape(SHAPE_FILL);
    EXPECT_TRUE(display.pressLeft(px(5, 4), py(4)));
    EXPECT_TRUE(selected(5, 4) && selected(4, 3));
    EXPECT_FALSE(selected(6, 3));
    EXPECT_TRUE(display.pressLeft(px(5, 4), py(4), MK_SHIFT));
    EXPECT_TRUE(selected(5, 4) && selected(4, 3) && selected(6, 3));
    EXPECT_FALSE(selected(7, 3));

    display.setBrushRadius(7);  // held at 3
    EXPECT_EQ(statusText(), "カーソル位置：( 5, 4)  ブラシ半径：3");
    display.setBrushRadius(1);
    display.setShape(SHAPE_FREE);
    display.setMouseMode(MOUSE_DIRECT);
    display.setCharacter(40);
    const size_t items = display.getUndoList()->getPosition();
    EXPECT_TRUE(display.startDrag(px(3, 14), py(14)));
    EXPECT_TRUE(display.moveDrag(px(9, 14), py(14)));  // six cells in one move
    EXPECT_TRUE(display.endDrag(px(9, 14), py(14)));
    EXPECT_EQ(display.getUndoList()->getPosition(), items + 1);
    for (int x = 2; x <= 10; ++x) {  // row 14 from 3 to 9, and one cell more each side
        EXPECT_EQ(data->getByte(BMData::TYPE_CHARACTER, 0, x, 14), 40) << x;
    }
    EXPECT_EQ(data->getByte(BMData::TYPE_CHARACTER, 0, 1, 14), 0);
    EXPECT_EQ(data->getByte(BMData::TYPE_CHARACTER, 0, 6, 13), 40);
    EXPECT_EQ(data->getByte(BMData::TYPE_CHARACTER, 0, 6, 12), 0);
}

TEST_F(Display, TheFillButtonAndTheBrushArrowsSendTheirCommands)
{
    const BMPoint palette = panelOrigin(PANEL_PALETTE, 800, 600);
    struct Case {
        int x, y, spot;
        uint32_t command;
    } cases[] = {{5, 125, 93, 2333}, {130, 128, 94, 2336}, {146, 128, 95, 2335}};
    for (const Case& c : cases) {
        display.hover(palette.x + c.x, palette.y + c.y);
        EXPECT_NE(display.getHoverMark(c.spot), 0) << c.spot;
        EXPECT_TRUE(display.pressLeft(palette.x + c.x, palette.y + c.y));
        EXPECT_EQ(LOWORD(commands.seen.back()), c.command);
    }
    display.hover(px(1, 1), py(1));
    for (int spot = 93; spot <= 95; ++spot) {
        EXPECT_EQ(display.getHoverMark(spot), 0) << spot;
    }
}

TEST_F(Display, HotSpotsSendTheirCommandsAndAPanelPressStartsNoDrag)
{
    const BMPoint palette = panelOrigin(PANEL_PALETTE, 800, 600);
    EXPECT_TRUE(display.pressLeft(palette.x + 32 + 5, palette.y + 5));  // the object tab
    ASSERT_EQ(commands.seen.size(), 1u);
    EXPECT_EQ(LOWORD(commands.seen[0]), 2311);
    display.setCellMark(4, 4, CELL_SELECTED, true);
    EXPECT_TRUE(selected(4, 4));  // the press did not reach the map

    display.setViewFlag(VIEW_PAGES, false);
    display.setViewFlag(VIEW_PAGE_CHAR, true);
    display.setupChooserPage();
    const BMPoint chooser = panelOrigin(PANEL_CHOOSER, 800, 600);
    EXPECT_TRUE(display.pressLeft(chooser.x + 6 + 33 * 3 + 1, chooser.y + 24 + 33 * 2 + 1));
    EXPECT_EQ(display.getChooserIndex(), 24);  // spot 52 + 10 * 2 + 3, index spot - 51
    EXPECT_EQ(LOWORD(commands.seen.back()), 2332);

    display.hover(chooser.x + 10, chooser.y + 30);
    EXPECT_NE(display.getHoverMark(52), 0);
    EXPECT_TRUE(display.startDrag(chooser.x + 10, chooser.y + 30));
    display.endDrag(chooser.x + 10, chooser.y + 30);
    EXPECT_EQ(display.getCursor().x, 0);  // no drag ran
    EXPECT_EQ(display.getCursor().y, 0);
}

// Hovering a row of the area list left its mark set when the chooser showed another page,
// and every later drag then refused to start.
TEST_F(Display, ChangingTheChooserPageClearsTheHoverMarks)
{
    const BMPoint chooser = panelOrigin(PANEL_CHOOSER, 800, 600);
    display.hover(chooser.x + 20, chooser.y + 30);
    EXPECT_NE(display.getHoverMark(36), 0);
    display.setViewFlag(VIEW_PAGES, false);
    display.setViewFlag(VIEW_PAGE_OBJ, true);
    display.setupChooserPage();
    display.hover(px(5, 5), py(5));
    for (int spot = 0; spot < 93; ++spot) {
        EXPECT_EQ(display.getHoverMark(spot), 0) << spot;
    }
    EXPECT_TRUE(display.startDrag(px(5, 5), py(5)));
    display.endDrag(px(5, 5), py(5));
    EXPECT_TRUE(selected(5, 5));
}

TEST_F(Display, TheChooserOpensOnThePageOfTheCurrentValue)
{
    display.getData()->setCurrent(18);
    display.setupChooserPage();  // the area list
    EXPECT_EQ(display.getChooserPageCount(), 2);
    EXPECT_EQ(display.getChooserPage(), 2);
    EXPECT_EQ(display.getChooserIndex(), 2);
    display.getData()->setCurrent(0);
    display.setupChooserPage();
    EXPECT_EQ(display.getChooserPage(), 1);
    EXPECT_EQ(display.getChooserIndex(), 0);

    display.setViewFlag(VIEW_PAGES, false);
    display.setViewFlag(VIEW_PAGE_CHAR, true);
    display.setCharacter(-1);  // wraps to 239
    display.setupChooserPage();
    EXPECT_EQ(display.getChooserPage(), 6);
    EXPECT_EQ(display.getChooserIndex(), 40);
    display.setChooserPage(0);
    EXPECT_EQ(display.getChooserPage(), 6);
    display.setChooserPage(7);
    EXPECT_EQ(display.getChooserPage(), 1);
    display.setObject(40);
    EXPECT_EQ(display.getObject(), 0);
}

TEST_F(Display, PansAndPagesGoToTheScrollBarsAsRequests)
{
    display.startPan();
    display.movePan(-100, -5000);
    ASSERT_EQ(horizontalScrolls.seen.size(), 1u);
    EXPECT_EQ(LOWORD(horizontalScrolls.seen[0]), 4);
    EXPECT_EQ(HIWORD(horizontalScrolls.seen[0]), 100);
    ASSERT_EQ(verticalScrolls.seen.size(), 1u);
    EXPECT_EQ(HIWORD(verticalScrolls.seen[0]), 1024 - 600);  // at most maximum - page

    display.scrollBy(2263, 0, 0);
    EXPECT_EQ(LOWORD(verticalScrolls.seen.back()), 3);
    display.scrollBy(2265, 0, 0);
    EXPECT_EQ(LOWORD(horizontalScrolls.seen.back()), 2);

    // Undo scrolls back to where the edit was made.
    display.setScroll(64, 96);
    display.execSet(0);
    display.setScroll(0, 0);
    display.undo();
    EXPECT_EQ(HIWORD(horizontalScrolls.seen.back()), 64);
    EXPECT_EQ(HIWORD(verticalScrolls.seen.back()), 96);
}
