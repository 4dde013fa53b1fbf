// The display in a real window: pixels to cells on the offset rows, presses, drags and pans,
// the panels' hot spots and hover marks, the chooser pages, and the scroll requests it sends.

#include "editor/view/BMDisplay.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/view/BMLimitText.h"
#include "editor/view/BMMiniMap.h"
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

// A cell as a pair, to compare in one assertion.
std::pair<int, int> xy(BMPoint cell) { return {cell.x, cell.y}; }

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
    EXPECT_TRUE(display.pressLeft(px(5, 3), py(3)));
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
    EXPECT_EQ(xy(display.getCursor()), xy({0, 1}));
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
    display.setViewFlag(VIEW_MINIMAP, false);  // it covers the rows of the stroke
    display.setShape(SHAPE_FREE);
    display.setMouseMode(MOUSE_DIRECT);
    display.setCharacter(40);
    const size_t items = display.getUndoList()->getPosition();
    EXPECT_TRUE(display.startDrag(px(3, 14), py(14)));
    EXPECT_TRUE(display.moveDrag(px(9, 14), py(14)));  // six cells in one move
    EXPECT_TRUE(display.endDrag(px(9, 14), py(14)));
    EXPECT_EQ(display.getUndoList()->getPosition(), items + 1);
    for (int x = 1; x <= 11; ++x) {  // row 14 from 3 to 9, and one cell more each side
        EXPECT_EQ(data->getByte(BMData::TYPE_CHARACTER, 0, x, 14), x == 1 || x == 11 ? 0 : 40) << x;
    }
}

// What an edit leaves out because the map file cannot hold it is said in the status bar at
// once, naming the limit; the next move of the cursor shows the cursor again.
TEST_F(Display, TheStatusBarNamesTheLimitAnEditReached)
{
    display.setEditMode(MODE_PLACEMENT);
    display.setGroupIndex(2);
    EXPECT_TRUE(display.execSet(0));
    EXPECT_EQ(statusText(), "(0,0) には初期配置を置けません");
    display.selectAll();
    EXPECT_TRUE(display.execSet(0));
    EXPECT_EQ(statusText(), "初期配置グループ3は20マスまでです（1003マスは置けませんでした）　(0,0) には初期配置を置けません");
    EXPECT_TRUE(display.getLastCut().any());
    display.setCursor(4, 4);
    EXPECT_EQ(statusText(), "カーソル位置：( 4, 4)  ブラシ半径：0");

    // The objects by the guide's names, and the box of a cut paste or map.
    BMLimitCut cut;
    cut.categories[BMMapLimits::CITY] = 1;
    cut.categories[BMMapLimits::WALL] = 2;
    cut.categories[BMMapLimits::ROAD] = 300;
    cut.groups[7] = 5;
    EXPECT_EQ(BMLimitText::status(cut), "初期配置グループ8は20マスまでです（5マスは置けませんでした）"
                                        "　都市は256マスまでです（1マスは置けませんでした）"
                                        "　城壁は256マスまでです（2マスは置けませんでした）"
                                        "　道路は256マスまでです（300マスは置けませんでした）");
    cut = BMLimitCut();
    cut.groups[0] = 20;
    cut.origin = true;
    EXPECT_EQ(BMLimitText::box(cut, "貼り付けたセルのうち、"),
              "貼り付けたセルのうち、マップのファイルに収まらないマスは置きませんでした。\n"
              "初期配置グループ1は20マスまでです（20マスは置けませんでした）。\n"
              "(0,0) には初期配置を置けません。");
    EXPECT_EQ(BMLimitText::status(BMLimitCut()), "");
}

// The palette's object tab, fill button and brush arrows, and a chooser entry: each is marked
// under the pointer and sends its command; a press or drag there never reaches the map.
TEST_F(Display, HotSpotsSendTheirCommandsAndAPanelPressStartsNoDrag)
{
    const BMPoint palette = panelOrigin(PANEL_PALETTE, 800, 600);
    struct Case {
        int x, y, spot;  // no spot: the tab is not marked
        uint32_t command;
    } cases[] = {{37, 5, -1, 2311}, {5, 125, 93, 2333}, {130, 128, 94, 2336}, {146, 128, 95, 2335}};
    for (const Case& c : cases) {
        display.hover(palette.x + c.x, palette.y + c.y);
        if (c.spot >= 0) {
            EXPECT_NE(display.getHoverMark(c.spot), 0) << c.spot;
        }
        const size_t sent = commands.seen.size();
        EXPECT_TRUE(display.pressLeft(palette.x + c.x, palette.y + c.y));
        ASSERT_EQ(commands.seen.size(), sent + 1);
        EXPECT_EQ(LOWORD(commands.seen.back()), c.command);
    }
    EXPECT_EQ(xy(display.getCursor()), xy({0, 0})) << "no press reached the map";
    display.hover(px(1, 1), py(1));
    for (int spot = 93; spot <= 95; ++spot) {
        EXPECT_EQ(display.getHoverMark(spot), 0) << spot;
    }

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
    EXPECT_EQ(xy(display.getCursor()), xy({0, 0})) << "no drag ran";
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

namespace {

// Where a pointer position lands at one zoom step: the cell of a press (column -1 in the strip
// before an odd row), of a drag (the strip is column 0), and whether a drag ignores it there.
struct Landing {
    int step;
    BMPoint scroll;
    int px, py;
    BMPoint press, drag;
    bool dead;
    const char* what;
};

const Landing kLandings[] = {
    // 25 %: cells of 8, odd rows shifted 4, a dead band of 2.
    {0, {0, 0}, 28, 20, {3, 2}, {3, 2}, false, "an even row's cell"},
    {0, {0, 0}, 3, 12, {-1, 1}, {0, 1}, true, "the strip before odd row 1"},
    {0, {0, 0}, 4, 12, {0, 1}, {0, 1}, true, "odd row 1's first pixel"},
    {0, {0, 0}, 6, 10, {0, 1}, {0, 1}, false, "two pixels into it"},
    {0, {0, 0}, 9, 13, {0, 1}, {0, 1}, false, "five pixels into it"},
    {0, {0, 0}, 10, 13, {0, 1}, {0, 1}, true, "two pixels before its end"},
    {0, {40, 16}, 3, 3, {5, 2}, {5, 2}, false, "scrolled"},
    // 50 %: cells of 16, shift 8, band 4.
    {1, {0, 0}, 56, 40, {3, 2}, {3, 2}, false, "an even row's cell"},
    {1, {0, 0}, 7, 24, {-1, 1}, {0, 1}, true, "the strip before odd row 1"},
    {1, {0, 0}, 11, 24, {0, 1}, {0, 1}, true, "three pixels into odd row 1"},
    {1, {0, 0}, 12, 24, {0, 1}, {0, 1}, false, "four pixels into it"},
    {1, {0, 0}, 19, 27, {0, 1}, {0, 1}, false, "eleven pixels into it"},
    {1, {0, 0}, 20, 24, {0, 1}, {0, 1}, true, "four pixels before its end"},
    {1, {0, 0}, 24, 24, {1, 1}, {1, 1}, true, "the next cell's first pixel"},
    {1, {100, 50}, 300, 200, {24, 15}, {24, 15}, false, "scrolled, odd row"},
    // 100 %: cells of 32, shift 16, band 4.
    {2, {0, 0}, 112, 80, {3, 2}, {3, 2}, false, "an even row's cell"},
    {2, {0, 0}, 15, 48, {-1, 1}, {0, 1}, true, "the strip before odd row 1"},
    {2, {0, 0}, 19, 48, {0, 1}, {0, 1}, true, "three pixels into odd row 1"},
    {2, {0, 0}, 20, 48, {0, 1}, {0, 1}, false, "four pixels into it"},
    {2, {0, 0}, 43, 48, {0, 1}, {0, 1}, false, "27 pixels into it"},
    {2, {0, 0}, 44, 48, {0, 1}, {0, 1}, true, "four pixels before its end"},
    {2, {0, 0}, 40, 35, {0, 1}, {0, 1}, true, "three pixels below the row's top"},
    {2, {64, 96}, 100, 100, {5, 6}, {5, 6}, false, "scrolled"},
    // 200 %: cells of 64, shift 32, band 4.
    {3, {0, 0}, 224, 160, {3, 2}, {3, 2}, false, "an even row's cell"},
    {3, {0, 0}, 31, 96, {-1, 1}, {0, 1}, true, "the strip before odd row 1"},
    {3, {0, 0}, 35, 96, {0, 1}, {0, 1}, true, "three pixels into odd row 1"},
    {3, {0, 0}, 36, 96, {0, 1}, {0, 1}, false, "four pixels into it"},
    {3, {0, 0}, 91, 96, {0, 1}, {0, 1}, false, "59 pixels into it"},
    {3, {0, 0}, 92, 96, {0, 1}, {0, 1}, true, "four pixels before its end"},
    {3, {1000, 600}, 500, 300, {23, 14}, {23, 14}, false, "scrolled"},
    // Left of the palette's edge (its left column is at x 632 in this view) the map takes
    // the press; the cell there depends on the step.
    {0, {0, 0}, 631, 93, {78, 11}, {78, 11}, false, "beside the palette, 25 %"},
    {2, {0, 0}, 631, 93, {19, 2}, {19, 2}, true, "beside the palette, 100 %"},
    {3, {0, 0}, 631, 93, {9, 1}, {9, 1}, false, "beside the palette, 200 %"},
};

}  // namespace

TEST_F(Display, PointerPositionsLandOnTheirCellsAtEveryZoomStep)
{
    display.setViewFlag(VIEW_MINIMAP, false);
    for (const Landing& landing : kLandings) {
        SCOPED_TRACE(landing.what);
        SCOPED_TRACE(landing.step);
        display.setZoomStep(landing.step);
        display.setScroll(landing.scroll.x, landing.scroll.y);
        BMPoint press = display.cellAt(landing.px, landing.py, BMDisplay::PICK_PRESS);
        BMPoint drag = display.cellAt(landing.px, landing.py, BMDisplay::PICK_DRAG);
        EXPECT_EQ(xy(press), xy(landing.press));
        EXPECT_EQ(xy(drag), xy(landing.drag));
        EXPECT_EQ(display.inDeadBand(landing.px, landing.py), landing.dead);
        // A press inside the map moves the cursor there.
        display.setCursor(31, 31);
        bool inside = press.x >= 0 && press.x < 32 && press.y >= 0 && press.y < 32;
        EXPECT_EQ(display.pressLeft(landing.px, landing.py), inside);
        EXPECT_EQ(xy(display.getCursor()), inside ? xy(press) : xy({31, 31}));
    }
    // On the palette's edge the press is the palette's at every step.
    for (int step = 0; step < BMZoom::STEP_COUNT; ++step) {
        display.setZoomStep(step);
        display.setScroll(0, 0);
        display.setCursor(31, 31);
        size_t sent = commands.seen.size();
        EXPECT_TRUE(display.pressLeft(632, 93));
        ASSERT_EQ(commands.seen.size(), sent + 1);
        EXPECT_EQ(LOWORD(commands.seen.back()), 2310);
        EXPECT_EQ(display.getCursor().x, 31);
    }
}

// Every view pixel, at every step and several scroll positions, lands on the cell whose
// picture covers it: the one cell (x, y) with x * c + (y odd) * c / 2 <= map x < that + c and
// y * c <= map y < y * c + c, where c is the step's cell size.
TEST_F(Display, EveryPixelLandsOnTheCellDrawnUnderIt)
{
    const BMPoint scrolls[] = {{0, 0}, {5, 3}, {333, 77}};
    for (int step = 0; step < BMZoom::STEP_COUNT; ++step) {
        display.setZoomStep(step);
        const int c = 8 << step;
        for (BMPoint scroll : scrolls) {
            display.setScroll(scroll.x, scroll.y);
            for (int py = 0; py < 300; py += 3) {
                for (int px = 0; px < 400; px += 7) {
                    int mx = px + scroll.x, my = py + scroll.y;
                    BMPoint drawn = {-1, -1};
                    for (int y = my / c - 1; y <= my / c + 1 && drawn.y < 0; ++y) {
                        for (int x = mx / c - 1; x <= mx / c + 1; ++x) {
                            int left = x * c + (y % 2) * c / 2;
                            if (left <= mx && mx < left + c && y * c <= my && my < y * c + c) {
                                drawn = {x, y};
                                break;
                            }
                        }
                    }
                    BMPoint press = display.cellAt(px, py, BMDisplay::PICK_PRESS);
                    // Left of an odd row's first cell: column -1 of that row.
                    ASSERT_EQ(xy(press), drawn.y >= 0 ? xy(drawn) : std::make_pair(-1, my / c))
                        << step << " " << px << "," << py;
                }
            }
        }
    }
}

TEST_F(Display, TheMiniMapScrollsTheViewMovesOnAndCloses)
{
    ASSERT_TRUE(display.isViewFlag(VIEW_MINIMAP)) << "shown from the start";
    // Bottom left of the 800 x 600 view; the picture 3, 19 pixels into it, 4 pixels a cell.
    const BMPoint panel = {8, 600 - 150 - 8};
    EXPECT_EQ(display.getMiniMap().place(800, 600).x, panel.x);
    EXPECT_EQ(display.getMiniMap().place(800, 600).y, panel.y);
    auto picture = [&](int x, int y) { return BMPoint{panel.x + 3 + 4 * x + 1, panel.y + 19 + 4 * y + 1}; };

    // Cell (20, 10) at 100 %: map pixel (652, 332) to the view's centre (400, 300), as far as
    // the bars go (240 across).
    BMPoint point = picture(20, 10);
    EXPECT_TRUE(display.pressLeft(point.x, point.y));
    EXPECT_EQ(HIWORD(horizontalScrolls.seen.back()), 240);
    EXPECT_EQ(HIWORD(verticalScrolls.seen.back()), 32);
    EXPECT_EQ(display.getCursor().x, 0) << "the map under the panel is not pressed";
    // At 50 % the same point is half as far into the zoomed picture.
    display.setZoomStep(1);
    EXPECT_TRUE(display.pressLeft(point.x, point.y));
    EXPECT_EQ(HIWORD(horizontalScrolls.seen.back()), 0);  // 326 - 400, limited
    EXPECT_EQ(HIWORD(verticalScrolls.seen.back()), 0);
    display.setZoomStep(2);

    // A drag on the picture follows the pointer and marks no cell.
    point = picture(2, 5);
    BMPoint later = picture(6, 12);
    EXPECT_TRUE(display.startDrag(point.x, point.y));
    EXPECT_EQ(HIWORD(verticalScrolls.seen.back()), 0);
    EXPECT_TRUE(display.moveDrag(later.x, later.y));
    EXPECT_EQ(HIWORD(verticalScrolls.seen.back()), 396 - 300);
    EXPECT_TRUE(display.endDrag(later.x, later.y));
    for (int cell = 0; cell < 1024; ++cell) {
        ASSERT_EQ(display.getCellMark(cell), 0u);
    }

    // A right press on it leaves the selection alone.
    display.setCellMark(3, 3, CELL_SELECTED, true);
    EXPECT_TRUE(display.pressRight(point.x, point.y));
    EXPECT_TRUE(selected(3, 3));

    // The move button goes round the corners, staying clear of the panels on the right.
    const BMPoint move = {panel.x + 136 - 16 - 42 + 5, panel.y + 5};
    EXPECT_TRUE(display.pressLeft(move.x, move.y));
    EXPECT_EQ(display.getMiniMap().getCorner(), BMMiniMap::CORNER_TOP_LEFT);
    EXPECT_EQ(display.getMiniMap().place(800, 600).y, 8);
    display.getMiniMap().nextCorner();
    EXPECT_LE(display.getMiniMap().place(800, 600).x + 136, 800 - 348);

    // The close box asks for the View menu's item, which hides it.
    display.getMiniMap().setCorner(BMMiniMap::CORNER_BOTTOM_LEFT);
    size_t sent = commands.seen.size();
    EXPECT_TRUE(display.pressLeft(panel.x + 136 - 8, panel.y + 8));
    ASSERT_EQ(commands.seen.size(), sent + 1);
    EXPECT_EQ(LOWORD(commands.seen.back()), 2205);
    // Hidden, the same place is map again.
    display.setViewFlag(VIEW_MINIMAP, false);
    point = picture(20, 10);
    EXPECT_TRUE(display.pressLeft(point.x, point.y));
    EXPECT_EQ(display.getCursor().x, display.cellAt(point.x, point.y, BMDisplay::PICK_PRESS).x);
    EXPECT_EQ(display.getCursor().y, (point.y) / 32);
}
