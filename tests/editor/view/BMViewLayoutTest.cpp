// What the view decides without drawing, on any platform: what a view pixel points at (cells at
// every zoom step and scroll position, the dead band of drags, the panels' hot spots and their
// hover marks), the scroll position that shows a cell, when a paint covers the whole view,
// which redraws a data change asks for, and the texts of the map file's limits.

#include "editor/view/BMViewLayout.h"

#include <algorithm>
#include <utility>

#include <gtest/gtest.h>

#include "editor/model/BMChange.h"
#include "editor/model/BMMapLimits.h"
#include "editor/view/BMLimitText.h"
#include "editor/view/BMRedraw.h"
#include "editor/view/BMRegion.h"

namespace {

// A cell as a pair, to compare in one assertion.
std::pair<int, int> xy(BMPoint cell) { return {cell.x, cell.y}; }

}  // namespace

// Every view pixel, at every step and several scroll positions (odd ones included), lands on
// the cell whose picture covers it: the one cell (x, y) with x * c + (y odd) * c / 2 <= map x
// < that + c and y * c <= map y < y * c + c, where c is the step's cell size. Left of an odd
// row's first cell a press finds column -1 and a drag column 0. A drag ignores the pixels
// within the step's dead band (2 at 25 %, else 4) of its cell's edges, and the strip.
TEST(ViewLayout, EveryPixelLandsOnTheCellDrawnUnderIt)
{
    BMViewLayout layout;
    layout.setViewSize(800, 600);
    const BMPoint scrolls[] = {{0, 0}, {5, 3}, {333, 77}, {1000, 600}};
    for (int step = 0; step < BMZoom::STEP_COUNT; ++step) {
        layout.setZoomStep(step);
        const int c = 8 << step;
        const int band = step == 0 ? 2 : 4;
        for (BMPoint scroll : scrolls) {
            layout.setScroll(scroll.x, scroll.y);
            for (int py = 0; py < 300; py += 3) {
                for (int px = 0; px < 400; px += 5) {
                    const int mx = px + scroll.x, my = py + scroll.y;
                    const int y = my / c;
                    const int left = (y % 2) * c / 2;
                    const BMPoint drawn = {mx < left ? -1 : (mx - left) / c, y};
                    SCOPED_TRACE(testing::Message() << step << " " << px << "," << py << " scroll "
                                                    << scroll.x << "," << scroll.y);
                    ASSERT_EQ(xy(layout.cellAt(px, py, BMViewLayout::PICK_PRESS)), xy(drawn));
                    ASSERT_EQ(xy(layout.cellAt(px, py, BMViewLayout::PICK_DRAG)),
                              xy({std::max(drawn.x, 0), y}));
                    const int u = mx - left - drawn.x * c;
                    const int v = my - y * c;
                    const bool dead = drawn.x < 0 || u < band || c - 1 - u < band || v < band
                                      || c - 1 - v < band;
                    ASSERT_EQ(layout.inDeadBand(px, py), dead);
                }
            }
        }
    }
}

// The closest scroll position that shows the whole cell: unchanged while it shows, else the
// cell just inside the nearer edge; odd rows are half a cell further right.
TEST(ViewLayout, ScrollShowingMovesOnlyAsFarAsTheCellNeeds)
{
    const struct {
        int step;
        BMPoint scroll;
        BMPoint cell;
        BMPoint expected;
    } cases[] = {
        {2, {0, 0}, {3, 2}, {0, 0}},        // shown already
        {2, {0, 0}, {24, 2}, {0, 0}},       // its right edge on the view's
        {2, {0, 0}, {25, 2}, {32, 0}},      // one cell further
        {2, {0, 0}, {24, 3}, {16, 0}},      // an odd row: half a cell further right
        {2, {0, 0}, {0, 19}, {0, 40}},
        {2, {200, 200}, {1, 1}, {48, 32}},  // above and left: its top left
        {2, {200, 200}, {1, 2}, {32, 64}},
        {0, {0, 0}, {31, 31}, {0, 0}},      // 25 %: the whole map shows
        {1, {100, 100}, {2, 3}, {40, 48}},  // 50 %: 2 * 16 + 8, 3 * 16
        {3, {0, 0}, {12, 9}, {64, 40}},     // 200 %: 12 * 64 + 32 + 64 - 800, 9 * 64 + 64 - 600
        {3, {0, 0}, {12, 10}, {32, 104}},
    };
    BMViewLayout layout;
    layout.setViewSize(800, 600);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.step << " " << c.cell.x << "," << c.cell.y);
        layout.setZoomStep(c.step);
        layout.setScroll(c.scroll.x, c.scroll.y);
        EXPECT_EQ(xy(layout.scrollShowing(c.cell.x, c.cell.y)), xy(c.expected));
    }
}

// Every hot spot answers at its centre while its panel (and for the chooser's lists and grids,
// its page) shows, and gives the chooser entry it stands for; hidden, it never answers.
// Hovering marks it and asks for its panel's redraw; hovering off the panels clears every mark.
TEST(ViewLayout, EveryHotSpotAnswersWhereItShows)
{
    const uint32_t pages[] = {VIEW_PAGE_AREA, VIEW_PAGE_CHAR, VIEW_PAGE_CONNECTION, VIEW_PAGE_OBJ};
    for (uint32_t page : pages) {
        for (uint32_t shown : {VIEW_AREA_INFO | VIEW_PALETTE | page, 0u}) {
            BMViewLayout layout;
            layout.setViewSize(900, 700);
            layout.setViewFlag(0xFFFFFFFF, false);
            layout.setViewFlag(shown, true);
            int previous = 0;  // the spot hovered last
            for (int number = 1; number < BMHotSpots::COUNT; ++number) {
                const BMHotSpot* spot = BMHotSpots::get(number);
                SCOPED_TRACE(testing::Message() << "spot " << number << " page " << page);
                const bool list = number >= 36 && number <= 51;
                const bool grid = number >= 52 && number <= 91;
                const uint32_t panelFlag = spot->panel == PANEL_AREA_INFO ? VIEW_AREA_INFO
                                           : spot->panel == PANEL_PALETTE ? VIEW_PALETTE
                                                                          : VIEW_PAGES;
                bool shows = (shown & panelFlag) != 0;
                if (list) {
                    shows = shows && (page == VIEW_PAGE_AREA || page == VIEW_PAGE_CONNECTION);
                } else if (grid) {
                    shows = shows && (page == VIEW_PAGE_CHAR || page == VIEW_PAGE_OBJ);
                }
                const BMPoint origin = panelOrigin(spot->panel, 900, 700);
                const int px = origin.x + spot->x + spot->width / 2;
                const int py = origin.y + spot->y + spot->height / 2;
                // Hidden, the place may belong to a spot of the page shown (the chooser's lists
                // and grid overlap), never to this one.
                int index = -7;
                const int hit = layout.hotSpotAt(px, py, &index);
                if (shows) {
                    EXPECT_EQ(hit, number);
                    EXPECT_EQ(index, list ? number - 35 : grid ? number - 51 : -7);
                } else {
                    EXPECT_NE(hit, number);
                }

                const uint32_t redraw = layout.hover(px, py);
                const uint32_t panelRedraw = spot->panel == PANEL_AREA_INFO ? REDRAW_AREA_INFO
                                             : spot->panel == PANEL_PALETTE ? REDRAW_PALETTE
                                                                            : REDRAW_CHOOSER;
                EXPECT_EQ(layout.getHoverMark(number), shows ? 1 : 0);
                if (shows) {
                    EXPECT_NE(redraw & panelRedraw, 0u);
                }
                EXPECT_EQ(layout.hover(px, py), 0u) << "nothing changed";
                // Straight from the spot before: its mark goes, whatever panel it was on.
                if (shows && previous != 0 && previous != number) {
                    EXPECT_EQ(layout.getHoverMark(previous), 0) << previous;
                }
                previous = shows ? number : previous;
            }
            layout.hover(-100, -100);
            EXPECT_FALSE(layout.anyHoverMark());
        }
    }
}

// The chooser's spots answer only right of its left column and below its top row (the close
// box reaches up to that row); a mark set by hand goes when a panel is shown or hidden, not
// when a layer is.
TEST(ViewLayout, PanelEdgesAndHoverMarks)
{
    BMViewLayout layout;
    layout.setViewSize(800, 600);
    const BMPoint chooser = panelOrigin(PANEL_CHOOSER, 800, 600);
    int index = 0;
    EXPECT_EQ(layout.hotSpotAt(chooser.x + 330, chooser.y + 1, &index), 35);  // the close box
    EXPECT_EQ(layout.hotSpotAt(chooser.x + 330, chooser.y, &index), 0);

    // From a palette tab straight onto the fill button: both marks follow.
    const BMPoint palette = panelOrigin(PANEL_PALETTE, 800, 600);
    layout.hover(palette.x + 5, palette.y + 5);
    EXPECT_EQ(layout.getHoverMark(6), 1);
    EXPECT_EQ(layout.hover(palette.x + 5, palette.y + 125), REDRAW_PALETTE);
    EXPECT_EQ(layout.getHoverMark(6), 0);
    EXPECT_EQ(layout.getHoverMark(BMHotSpots::FILL_BUTTON), 1);

    layout.setHoverMark(36, 1);
    layout.setHoverMark(BMHotSpots::COUNT, 1);  // ignored
    EXPECT_EQ(layout.getHoverMark(BMHotSpots::COUNT), 0);
    layout.setViewFlag(VIEW_GRID, false);
    EXPECT_EQ(layout.getHoverMark(36), 1);
    for (uint32_t panel : {VIEW_AREA_INFO, VIEW_PALETTE, VIEW_PAGE_CHAR}) {
        layout.setHoverMark(36, 1);
        layout.setViewFlag(panel, !layout.isViewFlag(panel));
        EXPECT_EQ(layout.getHoverMark(36), 0) << panel;
    }
}

TEST(ViewLayout, APaintCoversTheViewOnlyWhenOnePartCoversItAll)
{
    BMViewLayout layout;
    layout.setViewSize(800, 600);
    BMRegion area;
    EXPECT_FALSE(layout.coversView(area));
    area.add(0, 0, 800, 599);
    EXPECT_FALSE(layout.coversView(area));
    area.add(-5, -5, 900, 700);
    EXPECT_TRUE(layout.coversView(area));
    BMRegion two;
    two.add(0, 0, 400, 600);
    two.add(400, 0, 400, 600);
    EXPECT_FALSE(layout.coversView(two)) << "two halves are painted part by part";
}

// What each kind of data change asks to be drawn again: the layers and panels that show that
// data, and the title whenever a save would write something new; changes together ask for
// what each asks for.
TEST(ViewLayout, EachDataChangeRedrawsWhatShowsIt)
{
    const struct {
        uint32_t data;
        uint32_t redraw;
    } cases[] = {
        {0, 0},
        {DATA_CHARACTER, REDRAW_CHAR | REDRAW_NUMBER | REDRAW_TITLE},
        {DATA_OBJECT, REDRAW_OBJ | REDRAW_NUMBER | REDRAW_AREA_INFO | REDRAW_TITLE},
        {DATA_HEIGHT, REDRAW_NUMBER | REDRAW_TITLE},
        {DATA_PLACEMENT, REDRAW_PLACEMENT | REDRAW_PALETTE | REDRAW_TITLE},
        {DATA_MARKS, REDRAW_OVERLAY},
        {DATA_AREA_RECORD, REDRAW_AREA_INFO | REDRAW_PALETTE | REDRAW_CHOOSER | REDRAW_TITLE},
        {DATA_MAP, REDRAW_ALL | REDRAW_TITLE},
    };
    for (const auto& a : cases) {
        EXPECT_EQ(BMRedraw::of(a.data), a.redraw) << a.data;
        for (const auto& b : cases) {
            EXPECT_EQ(BMRedraw::of(a.data | b.data), a.redraw | b.redraw) << a.data << b.data;
        }
    }
}

// What an edit left out is told naming each limit: the objects by the guide's names, the
// groups by number, in the status bar on one line and in a box one per line.
TEST(ViewLayout, TheLimitTextsNameEveryLimitReached)
{
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
