// The chooser's pages: which page and entry each list opens on for the current map or value,
// and turning pages round both ends.

#include "editor/view/BMChooserPages.h"

#include <gtest/gtest.h>

#include "editor/model/BMEditor.h"
#include "editor/view/BMViewFlags.h"

TEST(ChooserPages, EachListOpensOnThePageOfTheCurrentValue)
{
    const struct {
        uint32_t flags;
        int maps, current, value;  // value: the editor's value of the list
        int page, count, index;
    } cases[] = {
        {VIEW_PAGE_AREA, 20, 18, 0, 2, 2, 2},  // map 18: the second row of page 2
        {VIEW_PAGE_AREA, 20, 16, 0, 1, 2, 16},
        {VIEW_PAGE_AREA, 20, 0, 0, 1, 2, 0},  // no current map: page 1, no row chosen
        {VIEW_PAGE_AREA, 32, 17, 0, 2, 2, 1},
        {VIEW_PAGE_AREA, 0, 0, 0, 1, 0, 0},
        {VIEW_PAGE_CHAR, 20, 3, -1, 6, 6, 40},  // wraps to 239, the last chip
        {VIEW_PAGE_CHAR, 20, 3, 40, 2, 6, 1},
        {VIEW_PAGE_CHAR, 20, 3, 39, 1, 6, 40},
        {VIEW_PAGE_OBJ, 20, 3, 7, 1, 1, 8},
        {VIEW_PAGE_OBJ, 20, 3, 40, 1, 1, 1},  // beyond the last object: wraps to 0
        {VIEW_PAGE_HEIGHT, 20, 3, 5, 1, 1, 6},
        {VIEW_PAGE_CONNECTION, 20, 3, 2, 1, 1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.flags << std::dec << " " << c.current
                                        << " " << c.value);
        BMEditor editor;
        editor.setCharacter(c.value);
        editor.setObject(c.value);
        editor.setHeight(c.value);
        editor.setGroupIndex(c.value);
        BMChooserPages pages;
        pages.setIndex(9);  // a pick on the page before goes
        pages.setup(c.flags, c.maps, c.current, editor);
        EXPECT_EQ(pages.getPage(), c.page);
        EXPECT_EQ(pages.getPageCount(), c.count);
        EXPECT_EQ(pages.getIndex(), c.index);
    }
}

TEST(ChooserPages, TurningGoesRoundBothEndsAndAnEmptyListNeverTurns)
{
    BMEditor editor;
    BMChooserPages pages;
    pages.setup(VIEW_PAGE_CHAR, 0, 0, editor);
    const int turns[][2] = {{0, 6}, {7, 1}, {3, 3}, {-5, 6}, {6, 6}, {1, 1}};
    for (const auto& turn : turns) {
        EXPECT_TRUE(pages.setPage(turn[0]));
        EXPECT_EQ(pages.getPage(), turn[1]) << turn[0];
    }
    pages.setup(VIEW_PAGE_AREA, 0, 0, editor);
    EXPECT_FALSE(pages.setPage(2));
    EXPECT_EQ(pages.getPage(), 1);
}
