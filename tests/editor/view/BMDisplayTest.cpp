// The display with a host standing in for the main window: pixels to cells on the offset rows,
// presses, drags and pans, the panels' hot spots and hover marks, and what it asks of its host
// (status text, commands, scrolling). What an edit says of the map file's limits and how fills
// and brush strokes go through the display, the journeys of limits and painting settle.

#include "editor/view/BMDisplay.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/view/BMCommandId.h"
#include "editor/view/BMMiniMap.h"
#include "editor/view/BMViewHost.h"
#include "framework/base/HWin32.h"
#include "tests/editor/EditorScenario.h"

namespace {

// Writes down what the display asks of its host.
class RecordingHost : public BMViewHost {
public:
    void showStatus(const std::string& text) override { status = text; }
    void shownChanged() override { ++titles; }
    void invalidate(const BMRegion&) override { ++paints; }
    void repaintAll() override { ++paints; }
    BMPoint getScrollBars() const override { return bars; }
    void scrollTo(int x, int y) override { scrolls.push_back({x, y}); }
    void scrollPage(bool horizontal, bool forward) override
    {
        pages.push_back({horizontal, forward});
    }
    void runCommand(uint32_t command) override { commands.push_back(command); }

    std::string status;
    int titles = 0;
    int paints = 0;
    BMPoint bars = {0, 0};
    std::vector<BMPoint> scrolls;
    std::vector<std::pair<bool, bool>> pages;  // horizontal, forward
    std::vector<uint32_t> commands;
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

        display.setHost(&host);
        display.setData(true);
        display.setViewSize(800, 600);
        display.resetState();
        display.setupChooserPage();
    }

    void TearDown() override
    {
        BMData::deleteInstance();
    }

    bool selected(int x, int y) { return (display.getEditor().getCellMark(y * 32 + x) & CELL_SELECTED) != 0; }

    std::string statusText() const { return host.status; }

    std::unique_ptr<EditorScenario> scenario;
    RecordingHost host;
    BMDisplay display;
};

}  // namespace

TEST_F(Display, PressesFindCellsOnTheOffsetRows)
{
    EXPECT_TRUE(display.pressLeft(px(5, 3), py(3)));
    EXPECT_EQ(statusText(), "カーソル位置：( 5, 3)  ブラシ半径：0");

    display.getEditor().setCellMark(7, 7, CELL_SELECTED, true);
    display.getEditor().setCellMark(8, 7, CELL_SELECTED, true);
    display.getEditor().setCellMark(9, 7, CELL_SELECTED, true);
    EXPECT_TRUE(display.pressLeft(px(5, 3) + 10, py(3) - 10));  // the cursor cell again
    EXPECT_TRUE(selected(7, 7));
    EXPECT_TRUE(display.pressRight(px(8, 7), py(7)));  // a selected cell: only it goes
    EXPECT_TRUE(selected(7, 7));
    EXPECT_FALSE(selected(8, 7));
    EXPECT_TRUE(display.pressRight(px(1, 1), py(1)));  // an unselected one: all go
    EXPECT_FALSE(selected(7, 7) || selected(9, 7));

    display.getEditor().setCellMark(2, 2, CELL_SELECTED, true);
    const size_t items = display.getEditor().getUndoList().getCount();
    EXPECT_TRUE(display.pressLeft(px(0, 0), py(0)));  // a new cursor drops the selection
    EXPECT_FALSE(selected(2, 2));
    EXPECT_EQ(display.getEditor().getUndoList().getCount(), items + 1);
    display.show(display.getEditor().undo());
    EXPECT_TRUE(selected(2, 2));
}

TEST_F(Display, AFreeHandDragIgnoresTheCellEdges)
{
    EXPECT_TRUE(display.startDrag(10, py(1)));  // the strip counts as column 0 in a drag
    EXPECT_EQ(xy(display.getEditor().getCursor()), xy({0, 1}));
    EXPECT_TRUE(display.moveDrag(px(3, 1) + 13, py(1)));  // 3 pixels from the right edge
    EXPECT_EQ(display.getEditor().getCellMark(1 * 32 + 3), 0u);
    EXPECT_TRUE(display.moveDrag(px(3, 1), py(1)));
    EXPECT_EQ(display.getEditor().getCellMark(1 * 32 + 3), CELL_PENDING);
    EXPECT_TRUE(display.endDrag(px(3, 1), py(1)));
    EXPECT_TRUE(selected(0, 1) && selected(3, 1));
    EXPECT_FALSE(selected(1, 1));  // free hand: only the cells passed over
    EXPECT_EQ(display.getEditor().getCursor().x, 3);
}

// The palette's object tab, fill button and brush arrows, and a chooser entry: each runs its
// command through the host (where each spot lies and how it is marked, BMViewLayoutTest
// settles); a press or drag there never reaches the map.
TEST_F(Display, HotSpotsSendTheirCommandsAndAPanelPressStartsNoDrag)
{
    const BMPoint palette = panelOrigin(PANEL_PALETTE, 800, 600);
    const struct {
        int x, y;
        uint32_t command;
    } cases[] = {{37, 5, kCommandModeObject},
                 {5, 125, kCommandShapeFill},
                 {130, 128, kCommandBrushSmaller},
                 {146, 128, kCommandBrushLarger}};
    for (const auto& c : cases) {
        const size_t sent = host.commands.size();
        EXPECT_TRUE(display.pressLeft(palette.x + c.x, palette.y + c.y));
        ASSERT_EQ(host.commands.size(), sent + 1);
        EXPECT_EQ(host.commands.back(), c.command);
    }
    EXPECT_EQ(xy(display.getEditor().getCursor()), xy({0, 0})) << "no press reached the map";

    display.getLayout().setViewFlag(VIEW_PAGES, false);
    display.getLayout().setViewFlag(VIEW_PAGE_CHAR, true);
    display.setupChooserPage();
    const BMPoint chooser = panelOrigin(PANEL_CHOOSER, 800, 600);
    EXPECT_TRUE(display.pressLeft(chooser.x + 6 + 33 * 3 + 1, chooser.y + 24 + 33 * 2 + 1));
    EXPECT_EQ(display.getChooser().getIndex(), 24);  // spot 52 + 10 * 2 + 3, index spot - 51
    EXPECT_EQ(host.commands.back(), kCommandTakeChooserEntry);

    display.hover(chooser.x + 10, chooser.y + 30);
    EXPECT_NE(display.getLayout().getHoverMark(52), 0);
    EXPECT_TRUE(display.startDrag(chooser.x + 10, chooser.y + 30));
    display.endDrag(chooser.x + 10, chooser.y + 30);
    EXPECT_EQ(xy(display.getEditor().getCursor()), xy({0, 0})) << "no drag ran";
}

// Hovering a row of the area list left its mark set when the chooser showed another page,
// and every later drag then refused to start.
TEST_F(Display, ChangingTheChooserPageClearsTheHoverMarks)
{
    const BMPoint chooser = panelOrigin(PANEL_CHOOSER, 800, 600);
    display.hover(chooser.x + 20, chooser.y + 30);
    EXPECT_NE(display.getLayout().getHoverMark(36), 0);
    display.getLayout().setViewFlag(VIEW_PAGES, false);
    display.getLayout().setViewFlag(VIEW_PAGE_OBJ, true);
    display.setupChooserPage();
    display.hover(px(5, 5), py(5));
    for (int spot = 0; spot < 93; ++spot) {
        EXPECT_EQ(display.getLayout().getHoverMark(spot), 0) << spot;
    }
    EXPECT_TRUE(display.startDrag(px(5, 5), py(5)));
    display.endDrag(px(5, 5), py(5));
    EXPECT_TRUE(selected(5, 5));
}

// Alt with a press takes the chip under the pointer: the chooser turns to its page and the
// status bar tells it; the cursor, the selection and the history stay, and a drag does nothing.
// The border mode names its table in the status line.
TEST_F(Display, AnAltPressTakesTheValueAndTheBorderModeNamesItsTable)
{
    display.getData()->setByte(BMData::TYPE_CHARACTER, 97, 0, 9, 6);
    display.getLayout().setViewFlag(VIEW_PAGES, false);
    display.getLayout().setViewFlag(VIEW_PAGE_CHAR, true);
    display.setupChooserPage();
    display.setCursor(2, 3);
    display.getEditor().setCellMark(4, 4, CELL_SELECTED, true);
    const size_t history = display.getEditor().getUndoList().getCount();
    EXPECT_TRUE(display.pressLeft(px(9, 6), py(6), BMDisplay::KEY_ALT));
    EXPECT_TRUE(display.startDrag(px(9, 6), py(6), BMDisplay::KEY_ALT));
    EXPECT_TRUE(display.moveDrag(px(12, 6), py(6), BMDisplay::KEY_ALT));
    EXPECT_TRUE(display.endDrag(px(12, 6), py(6)));
    EXPECT_EQ(display.getEditor().getCharacter(), 97);
    EXPECT_EQ(display.getChooser().getPage(), 3);
    EXPECT_EQ(display.getChooser().getIndex(), 18);
    EXPECT_EQ(statusText(), "スポイト：(9,6) のCHAR 97 を現在の値にしました");
    EXPECT_EQ(xy(display.getEditor().getCursor()), std::make_pair(2, 3));
    EXPECT_TRUE(selected(4, 4));
    EXPECT_FALSE(selected(9, 6));
    EXPECT_EQ(display.getEditor().getUndoList().getCount(), history);

    display.setEditMode(MODE_BORDER);
    EXPECT_EQ(statusText(), "カーソル位置：( 2, 3)  ブラシ半径：0  境界表: 既定");
    display.setEditMode(MODE_CHAR);
    EXPECT_EQ(statusText(), "カーソル位置：( 2, 3)  ブラシ半径：0");
}

TEST_F(Display, PansAndPagesGoToTheHost)
{
    host.bars = {20, 30};  // a pan starts where the bars are
    display.startPan();
    display.movePan(-100, -5000);
    ASSERT_EQ(host.scrolls.size(), 1u);
    EXPECT_EQ(xy(host.scrolls[0]), xy({120, 5030})) << "the host limits it to the bars";

    display.scrollBy(kCommandScrollDown, 0, 0);
    EXPECT_EQ(host.pages.back(), std::make_pair(false, true));
    display.scrollBy(kCommandScrollLeft, 0, 0);
    EXPECT_EQ(host.pages.back(), std::make_pair(true, false));

    // Undo scrolls back to where the edit was made.
    display.setScroll(64, 96);
    display.show(display.getEditor().execSet(0));
    display.setScroll(0, 0);
    display.show(display.getEditor().undo());
    EXPECT_EQ(xy(host.scrolls.back()), xy({64, 96}));
}

// A press on the map at any step moves the cursor to the cell the layout picks there (its
// tables are in BMViewLayoutTest); on the palette's edge the press is the palette's.
TEST_F(Display, PressesReachTheCellUnderThePointerAtEveryZoomStep)
{
    display.getLayout().setViewFlag(VIEW_MINIMAP, false);
    const BMPoint presses[] = {{28, 20}, {3, 12}, {300, 200}, {631, 93}, {15, 48}};
    for (int step = 0; step < BMZoom::STEP_COUNT; ++step) {
        display.setZoomStep(step);
        for (BMPoint scroll : {BMPoint{0, 0}, BMPoint{64, 96}}) {
            display.setScroll(scroll.x, scroll.y);
            for (BMPoint p : presses) {
                SCOPED_TRACE(testing::Message() << step << " " << p.x << "," << p.y);
                const BMPoint press = display.getLayout().cellAt(p.x, p.y, BMViewLayout::PICK_PRESS);
                display.setCursor(31, 31);
                const bool inside = press.x >= 0 && press.x < 32 && press.y >= 0 && press.y < 32;
                EXPECT_EQ(display.pressLeft(p.x, p.y), inside);
                EXPECT_EQ(xy(display.getEditor().getCursor()), inside ? xy(press) : xy({31, 31}));
            }
        }
        display.setScroll(0, 0);
        display.setCursor(31, 31);
        size_t sent = host.commands.size();
        EXPECT_TRUE(display.pressLeft(632, 93));
        ASSERT_EQ(host.commands.size(), sent + 1);
        EXPECT_EQ(host.commands.back(), kCommandModeCharacter);
        EXPECT_EQ(display.getEditor().getCursor().x, 31);
    }
}

TEST_F(Display, TheMiniMapScrollsTheViewMovesOnAndCloses)
{
    ASSERT_TRUE(display.getLayout().isViewFlag(VIEW_MINIMAP)) << "shown from the start";
    // Bottom left of the 800 x 600 view; the picture 3, 19 pixels into it, 4 pixels a cell.
    const BMPoint panel = {8, 600 - 150 - 8};
    EXPECT_EQ(display.getMiniMap().place(800, 600).x, panel.x);
    EXPECT_EQ(display.getMiniMap().place(800, 600).y, panel.y);
    auto picture = [&](int x, int y) { return BMPoint{panel.x + 3 + 4 * x + 1, panel.y + 19 + 4 * y + 1}; };

    // Cell (20, 10) at 100 %: map pixel (652, 332) to the view's centre (400, 300); the host
    // limits it to the bars.
    BMPoint point = picture(20, 10);
    EXPECT_TRUE(display.pressLeft(point.x, point.y));
    EXPECT_EQ(xy(host.scrolls.back()), xy({652 - 400, 332 - 300}));
    EXPECT_EQ(display.getEditor().getCursor().x, 0) << "the map under the panel is not pressed";
    // At 50 % the same point is half as far into the zoomed picture.
    display.setZoomStep(1);
    EXPECT_TRUE(display.pressLeft(point.x, point.y));
    EXPECT_EQ(xy(host.scrolls.back()), xy({326 - 400, 166 - 300}));
    display.setZoomStep(2);

    // A drag on the picture follows the pointer and marks no cell.
    point = picture(2, 5);
    BMPoint later = picture(6, 12);
    EXPECT_TRUE(display.startDrag(point.x, point.y));
    EXPECT_EQ(host.scrolls.back().y, 172 - 300);
    EXPECT_TRUE(display.moveDrag(later.x, later.y));
    EXPECT_EQ(host.scrolls.back().y, 396 - 300);
    EXPECT_TRUE(display.endDrag(later.x, later.y));
    for (int cell = 0; cell < 1024; ++cell) {
        ASSERT_EQ(display.getEditor().getCellMark(cell), 0u);
    }

    // A right press on it leaves the selection alone.
    display.getEditor().setCellMark(3, 3, CELL_SELECTED, true);
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
    size_t sent = host.commands.size();
    EXPECT_TRUE(display.pressLeft(panel.x + 136 - 8, panel.y + 8));
    ASSERT_EQ(host.commands.size(), sent + 1);
    EXPECT_EQ(host.commands.back(), kCommandShowMiniMap);
    // Hidden, the same place is map again.
    display.getLayout().setViewFlag(VIEW_MINIMAP, false);
    point = picture(20, 10);
    EXPECT_TRUE(display.pressLeft(point.x, point.y));
    EXPECT_EQ(display.getEditor().getCursor().x, display.getLayout().cellAt(point.x, point.y, BMViewLayout::PICK_PRESS).x);
    EXPECT_EQ(display.getEditor().getCursor().y, (point.y) / 32);
}
