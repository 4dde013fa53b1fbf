#include "editor/model/BMUndoList.h"

#include <gtest/gtest.h>

#include "editor/model/BMCellRecord.h"

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

TEST(UndoList, ARecordsTextFormListsItsTenFieldsInOrder)
{
    BMCellRecord record;
    record.x = -1;
    record.y = 2;
    record.character = 12;
    record.height = 3;
    record.group = 1;
    record.placementOrder = 4;
    record.originRow = 5;
    EXPECT_EQ(record.toText(), "-1,2,12,0,0,3,1,4,5,0");
}
