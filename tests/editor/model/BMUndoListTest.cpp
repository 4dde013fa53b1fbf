#include "editor/model/BMUndoList.h"

#include <gtest/gtest.h>

TEST(UndoList, ANewActionDropsTheRedoBranch)
{
    BMUndoList list;
    for (int action = 0; action < 5; ++action) {
        list.add(UNDO_CHAR, action, 0, 0, 0);
    }
    EXPECT_EQ(list.redo(), nullptr);
    EXPECT_EQ(list.undo()->getValue(), 4);
    EXPECT_EQ(list.undo()->getValue(), 3);
    BMUndoItem* item = list.add(UNDO_SELECTION, 7, 32, 64, 99);
    EXPECT_EQ(list.getCount(), 4u);
    EXPECT_EQ(list.redo(), nullptr);
    EXPECT_EQ(list.undo(), item);
    EXPECT_EQ(item->getScroll().x, 32);
    EXPECT_EQ(item->getScroll().y, 64);
    EXPECT_EQ(item->getCursor(), 99);
    EXPECT_EQ(item->getB(0), nullptr);
    list.clear();
    EXPECT_EQ(list.undo(), nullptr);
    EXPECT_EQ(list.getPosition(), 0u);
}
