#include "editor/BMUndoList.h"

#include <gtest/gtest.h>

#include "editor/BMCellRecord.h"

TEST(UndoList, KeepsTheLast256ActionsAndDropsTheRedoBranch)
{
    BMUndoList list;
    for (int action = 0; action < 300; ++action) {
        list.add(UNDO_CHAR, action, 0, 0, 0);
    }
    int undone = 0;
    int last = -1;
    while (BMUndoItem* item = list.undo()) {
        last = item->getValue();
        ++undone;
    }
    EXPECT_EQ(undone, 256);
    EXPECT_EQ(last, 44);
    EXPECT_EQ(list.undo(), nullptr);
    EXPECT_EQ(list.getPosition(), 0u);

    ASSERT_NE(list.redo(), nullptr);
    ASSERT_NE(list.redo(), nullptr);
    BMUndoItem* item = list.add(UNDO_SELECTION, 7, 32, 64, 99);
    EXPECT_EQ(list.getCount(), 3u);
    EXPECT_EQ(list.redo(), nullptr);
    EXPECT_EQ(list.getPosition(), 3u);
    EXPECT_EQ(list.undo(), item);
    EXPECT_EQ(item->getKind(), UNDO_SELECTION);
    EXPECT_EQ(item->getScroll().x, 32);
    EXPECT_EQ(item->getScroll().y, 64);
    EXPECT_EQ(item->getCursor(), 99);
    EXPECT_EQ(item->getB(0), nullptr);

    list.clear();
    EXPECT_EQ(list.undo(), nullptr);
    EXPECT_EQ(list.redo(), nullptr);
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
