#include "editor/model/BMEditor.h"

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "tests/editor/EditorScenario.h"

namespace {

int character(BMData& data, uint32_t x, uint32_t y) { return data.getByte(BMData::TYPE_CHARACTER, 0, x, y); }
int object(BMData& data, uint32_t x, uint32_t y) { return data.getByte(BMData::TYPE_OBJECT, 0, x, y); }
int order(BMData& data, uint32_t x, uint32_t y) { return data.getWord(BMData::TYPE_ORDER, 0, x, y); }

// A map with terrain 5 everywhere, two cities and a placement cell.
ZDBMap sampleMap()
{
    ZDBMap map;
    for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
        for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
            map.setCharacter(x, y, 5);
        }
    }
    map.setObject(0, 0, 2);
    map.setObject(20, 20, 3);
    map.setConnect(9, 9, 1);
    return map;
}

// All six layers and the counts of the current map, for comparing whole states.
std::string state(BMData& data) { return EditorScenario::mapState(*data.getBMap(data.getCurrent() - 1)); }

class Editing : public ::testing::Test {
protected:
    Editing() : scenario({sampleMap(), sampleMap()}), data(scenario.data())
    {
        editor.setData(&data);
    }

    void select(std::initializer_list<BMPoint> cells)
    {
        for (const BMPoint& cell : cells) {
            editor.setCellMark(cell.x, cell.y, CELL_SELECTED, true);
        }
    }

    EditorScenario scenario;
    BMData& data;
    BMEditor editor;
};

}  // namespace

TEST_F(Editing, AnExplicitModeWinsOverTheEditModeAndClearingTracesNoBorder)
{
    editor.setEditMode(MODE_OBJ);
    select({{0, 0}, {3, 3}});
    editor.execSet(0x101);
    EXPECT_EQ(character(data, 0, 0), 0);
    EXPECT_EQ(character(data, 3, 3), 0);
    EXPECT_EQ(object(data, 0, 0), 2);
    EXPECT_EQ(character(data, 1, 0), 5);

    editor.setEditMode(MODE_BORDER);
    editor.setCharacter(23);
    editor.setCursor(10, 10);
    const BMChange change = editor.execSet(0x110);
    EXPECT_EQ(character(data, 10, 10), 0);
    EXPECT_EQ(change.data, DATA_CHARACTER);
    EXPECT_TRUE(editor.getBorderToggle());  // no trace ran
}

TEST_F(Editing, NewObjectsAreNumberedAfterTheirCategoryThenTheWholeMapIsRenumbered)
{
    editor.setEditMode(MODE_OBJ);
    editor.setObject(7);
    select({{1, 0}, {5, 25}});
    editor.setCursor(2, 0);
    const BMChange change = editor.execSet(0);
    EXPECT_EQ(object(data, 1, 0), 7);
    EXPECT_EQ(object(data, 2, 0), 7);
    EXPECT_EQ(object(data, 5, 25), 7);
    // The new cities follow the two old ones in cell order; renumbering keeps that order.
    EXPECT_EQ(order(data, 0, 0), 0);
    EXPECT_EQ(order(data, 20, 20), 1);
    EXPECT_EQ(order(data, 1, 0), 2);
    EXPECT_EQ(order(data, 2, 0), 3);
    EXPECT_EQ(order(data, 5, 25), 4);
    EXPECT_EQ(data.getWord(BMData::TYPE_CITY_COUNT, 0, 0, 0), 5u);
    EXPECT_EQ(data.getArea(0)->getCityCount(), 5);
    EXPECT_EQ(change.data, DATA_OBJECT);
}

TEST_F(Editing, ResettingEverySelectedCellRevertsTheWholeMap)
{
    editor.setEditMode(MODE_HEIGHT);
    editor.setHeight(9);
    editor.setCursor(4, 4);
    editor.execSet(0);
    data.setByte(BMData::TYPE_CHARACTER, 77, 0, 30, 30);  // a cell the editor never touched
    editor.selectAll();
    editor.execReset();
    EXPECT_EQ(data.getByte(BMData::TYPE_HEIGHT, 0, 4, 4), 0);
    EXPECT_EQ(character(data, 30, 30), 5);
    EXPECT_FALSE(data.getBMap(0)->isModified());
}

// The map's own counts after undo and redo, and what a save writes of them, are
// BMEditorModelTest's; here the area list's counts follow them.
TEST_F(Editing, UndoAndRedoBringBackTheCountsOfTheRestoredCells)
{
    editor.setEditMode(MODE_OBJ);
    editor.setObject(16);  // walls
    select({{3, 3}, {4, 3}, {5, 3}});
    editor.setCursor(4, 3);
    editor.execSet(0);
    editor.setEditMode(MODE_PLACEMENT);
    editor.setGroupIndex(2);
    editor.execSet(0);
    const std::string edited = state(data);
    EXPECT_EQ(data.getWord(BMData::TYPE_WALL_COUNT, 0, 0, 0), 3u);
    EXPECT_EQ(data.getWord(BMData::TYPE_CONNECT_COUNT, 0, 2, 0), 3u);

    editor.undo();
    editor.undo();
    EXPECT_EQ(data.getWord(BMData::TYPE_WALL_COUNT, 0, 0, 0), 0u);
    EXPECT_EQ(data.getWord(BMData::TYPE_CONNECT_COUNT, 0, 2, 0), 0u);
    EXPECT_EQ(data.getArea(0)->getWallCount(), 0);  // the area list's count follows the map's

    editor.redo();
    editor.redo();
    EXPECT_EQ(state(data), edited);
    EXPECT_EQ(data.getArea(0)->getWallCount(), 3);
}

TEST_F(Editing, APasteKeepsEveryCellBesideItsCopiedNeighbours)
{
    editor.setEditMode(MODE_CHAR);
    data.setByte(BMData::TYPE_CHARACTER, 11, 0, 3, 2);
    data.setByte(BMData::TYPE_CHARACTER, 12, 0, 3, 3);
    editor.setCursor(3, 2);
    select({{3, 3}});
    const std::string text = editor.copySelection();
    EXPECT_EQ(text, "0,0,11,0,0,0,0,0,2,0\r\n0,1,12,0,0,0,0,0,2,0");
    editor.setCursor(5, 5);
    BMChange change;
    ASSERT_TRUE(editor.pasteSelection(text, &change));
    EXPECT_EQ(character(data, 5, 5), 11);
    EXPECT_EQ(character(data, 6, 6), 12);
    EXPECT_EQ(character(data, 5, 6), 5);
    EXPECT_EQ(editor.getCellMark(5 * 32 + 5), CELL_SELECTED);
    EXPECT_EQ(editor.getCellMark(6 * 32 + 6), CELL_SELECTED);
    EXPECT_EQ(editor.getCellMark(3 * 32 + 3), 0u);  // the old selection went
    editor.undo();
    EXPECT_EQ(character(data, 6, 6), 5);
    EXPECT_EQ(editor.getCellMark(3 * 32 + 3), CELL_SELECTED);
}

TEST_F(Editing, AOneCellPasteFillsTheSelectionWithItsValues)
{
    editor.setEditMode(MODE_OBJ);
    select({{1, 1}, {2, 1}});
    editor.setCursor(9, 30);
    BMChange change;
    ASSERT_TRUE(editor.pasteSelection("4,4,200,12,0,3,2,1,0,0", &change));
    for (BMPoint cell : {BMPoint{1, 1}, BMPoint{2, 1}, BMPoint{9, 30}}) {
        EXPECT_EQ(object(data, cell.x, cell.y), 12);
        EXPECT_EQ(character(data, cell.x, cell.y), 5);  // object mode writes objects only
    }
    EXPECT_EQ(data.getWord(BMData::TYPE_CITY_COUNT, 0, 0, 0), 5u);
    EXPECT_EQ(editor.getCellMark(1 * 32 + 1), CELL_SELECTED);
}

TEST_F(Editing, ChoosersWrapAtBothEndsAndMarksOutsideTheMapReadAsNone)
{
    struct Chooser {
        void (BMEditor::*set)(int);
        int (BMEditor::*get)() const;
        int last;
    };
    const Chooser choosers[] = {
        {&BMEditor::setCharacter, &BMEditor::getCharacter, 239},
        {&BMEditor::setObject, &BMEditor::getObject, 39},
        {&BMEditor::setHeight, &BMEditor::getHeight, 15},
        {&BMEditor::setGroupIndex, &BMEditor::getGroupIndex, 7},
    };
    for (const Chooser& chooser : choosers) {
        (editor.*chooser.set)(chooser.last + 1);
        EXPECT_EQ((editor.*chooser.get)(), 0) << chooser.last;
        (editor.*chooser.set)(-1);
        EXPECT_EQ((editor.*chooser.get)(), chooser.last);
        (editor.*chooser.set)(chooser.last);
        EXPECT_EQ((editor.*chooser.get)(), chooser.last);
    }
    editor.setCellMark(-1, -1, CELL_SELECTED, true);
    EXPECT_EQ(editor.getCellMark(MAP_CELLS - 1), CELL_SELECTED);
    EXPECT_EQ(editor.getCellMark(MAP_CELLS), 0u);
    EXPECT_EQ(editor.getCellMark(-1), 0u);
}

// An edit of an area's record is one undo step among the map edits: undo and redo bring back
// each record, whichever map is current, and a record that stays the same opens no step.
TEST_F(Editing, AnAreaRecordEditUndoesAndRedoesAsOneStepAmongMapEdits)
{
    const ZDArea original = *data.getArea(1);
    ZDArea record = original;
    record.setName("砦");
    record.setValue(1, -5);
    record.setLink(7, 1);
    record.setMusic("war.mid");
    record.setNumber(77);  // neither number nor file is the record's to change
    record.setCityCount(99);

    EXPECT_EQ(editor.editArea(3, record).data, 0u);  // no such area
    EXPECT_EQ(editor.editArea(2, original).data, 0u);  // nothing changes
    EXPECT_EQ(editor.getUndoList().getCount(), 0u);
    BMChange change = editor.editArea(2, record);
    EXPECT_EQ(change.data, DATA_AREA_RECORD);
    editor.execSet(MODE_CHAR);  // a map edit after it
    const ZDEditArea& area = *data.getArea(1);
    EXPECT_TRUE(area.sameFields(record));
    EXPECT_EQ(area.getNumber(), 2);
    EXPECT_TRUE(area.isModified());
    EXPECT_EQ(editor.getUndoList().getCount(), 2u);

    const std::string edited = state(data);
    editor.undo();  // the map edit
    EXPECT_TRUE(area.sameFields(record));
    editor.undo();
    EXPECT_TRUE(area.sameFields(original));
    EXPECT_FALSE(area.isModified());
    data.setCurrent(2);
    editor.redo();
    EXPECT_TRUE(area.sameFields(record));
    data.setCurrent(1);
    editor.redo();
    EXPECT_EQ(state(data), edited);
}
