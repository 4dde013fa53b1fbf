// The fill shape, the same-value selection and the brush through the editing engine: which
// cells each selects or paints, in which layer, and the selection an undo puts back. (The undo
// steps each adds and the maps undo and redo give are BMEditorModelTest's.)

#include <set>

#include <gtest/gtest.h>

#include "editor/model/BMBrush.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMFloodFill.h"
#include "tests/editor/EditorScenario.h"

namespace {

int at(int x, int y) { return y * 32 + x; }

// Terrain 5 at height 1, with one patch of each layer around (5, 4):
// - terrain 9 at (5, 4) and its upper-left neighbour (4, 3), and at (6, 3), which only touches
//   (5, 4) at a corner of its square, and far off at (20, 20);
// - height 3 down column 5 from row 2 to row 6;
// - cities at (5, 4), (6, 4) and (7, 4);
// - placement group 1 at (5, 4) and its lower-right neighbour (5, 5), and at (0, 0).
ZDBMap patchMap()
{
    ZDBMap map;
    for (uint32_t y = 0; y < 32; ++y) {
        for (uint32_t x = 0; x < 32; ++x) {
            map.setCharacter(x, y, 5);
            map.setHeight(x, y, 1);
        }
    }
    for (BMPoint cell : {BMPoint{5, 4}, BMPoint{4, 3}, BMPoint{6, 3}, BMPoint{20, 20}}) {
        map.setCharacter(cell.x, cell.y, 9);
    }
    for (uint32_t y = 2; y <= 6; ++y) {
        map.setHeight(5, y, 3);
    }
    for (uint32_t x = 5; x <= 7; ++x) {
        map.setObject(x, 4, 2);
    }
    map.setConnect(5, 4, 1);
    map.setConnect(5, 5, 1);
    map.setConnect(0, 0, 1);
    return map;
}

class Painting : public ::testing::Test {
protected:
    Painting() : scenario({patchMap()}), data(scenario.data())
    {
        editor.setData(&data);
        editor.loadBorderTable();
    }

    std::set<int> selection() const
    {
        std::set<int> cells;
        for (int index = 0; index < 1024; ++index) {
            if ((editor.getCellMark(index) & CELL_SELECTED) != 0) {
                cells.insert(index);
            }
        }
        return cells;
    }

    // Cells whose character differs from the terrain and patches the map began with.
    std::set<int> charactersChangedTo(int value) const
    {
        std::set<int> cells;
        for (int index = 0; index < 1024; ++index) {
            if (data.getByte(BMData::TYPE_CHARACTER, 0, index % 32, index / 32) == value) {
                cells.insert(index);
            }
        }
        return cells;
    }

    EditorScenario scenario;
    BMData& data;
    BMEditor editor;
};

}  // namespace

TEST_F(Painting, AFillPressSelectsTheRegionOfTheEditModesLayerInPlaceOfTheSelection)
{
    struct Case {
        int mode;
        std::set<int> region;
    };
    const Case cases[] = {
        {MODE_CHAR, {at(5, 4), at(4, 3)}},
        {MODE_BORDER, {at(5, 4), at(4, 3)}},
        {MODE_OBJ, {at(5, 4), at(6, 4), at(7, 4)}},
        {MODE_HEIGHT, {at(5, 2), at(5, 3), at(5, 4), at(5, 5), at(5, 6)}},
        {MODE_PLACEMENT, {at(5, 4), at(5, 5)}},
    };
    editor.setShape(SHAPE_FILL);
    for (const Case& c : cases) {
        editor.setEditMode(c.mode);
        editor.setCursor(5, 4);  // a press on the cursor cell fills too
        editor.setCellMark(-1, -1, 0, true);
        editor.setCellMark(1, 1, CELL_SELECTED, true);
        const std::string before = EditorScenario::mapState(*data.getBMap(0));
        const BMChange change = editor.pressCell(5, 4);
        EXPECT_EQ(selection(), c.region) << "mode " << c.mode;
        EXPECT_EQ(EditorScenario::mapState(*data.getBMap(0)), before) << "select mode changes no data";
        EXPECT_EQ(change.data, DATA_MARKS);
        editor.undo();
        EXPECT_EQ(selection(), std::set<int>{at(1, 1)});
    }
}

TEST_F(Painting, ShiftReachesEveryCellOfTheValueAndTheMenuTakesTheCursorsValue)
{
    editor.setShape(SHAPE_FILL);
    editor.pressCell(5, 4, BMFloodFill::MAP_WIDE);
    const std::set<int> nines = {at(5, 4), at(4, 3), at(6, 3), at(20, 20)};
    EXPECT_EQ(selection(), nines);

    editor.setShape(SHAPE_RECT);
    editor.setCursor(20, 20);
    editor.setEditMode(MODE_HEIGHT);
    editor.selectSameValue();
    EXPECT_EQ(selection().size(), 1024u - 5u);  // every height 1
    EXPECT_EQ(editor.getCursorIndex(), at(20, 20));
    editor.undo();
    EXPECT_EQ(selection(), nines);
}

TEST_F(Painting, InDirectModeAFillSetsTheRegionAndSelectsIt)
{
    editor.setMouseMode(MOUSE_DIRECT);
    editor.setShape(SHAPE_FILL);
    editor.setCharacter(33);
    editor.setCellMark(1, 1, CELL_SELECTED, true);
    const BMChange change = editor.pressCell(4, 3);
    EXPECT_EQ(charactersChangedTo(33), (std::set<int>{at(5, 4), at(4, 3)}));
    EXPECT_EQ(selection(), (std::set<int>{at(5, 4), at(4, 3)}));
    EXPECT_EQ(change.data, DATA_CHARACTER | DATA_MARKS);
    editor.undo();
    EXPECT_EQ(selection(), std::set<int>{at(1, 1)});
    editor.redo();
    EXPECT_EQ(selection(), (std::set<int>{at(5, 4), at(4, 3)}));
}

// Walls poured over the empty ground: from the pressed cell outwards, the fill's order, until
// the map file's 256 walls are there; every new wall is fitted to its neighbours and numbered,
// so the map is already as a load would correct it, and the counts follow.
TEST_F(Painting, FilledWallsStopAtTheFilesLimitAndAreFittedAndNumberedDensely)
{
    editor.setMouseMode(MOUSE_DIRECT);
    editor.setShape(SHAPE_FILL);
    editor.setEditMode(MODE_OBJ);
    editor.setObject(16);
    BMLayerValues objects;
    BMFloodFill::readLayer(data, MODE_OBJ, &objects);
    const std::vector<uint16_t> region = BMFloodFill::region(objects, at(0, 0), BMFloodFill::CONNECTED);
    ASSERT_EQ(region.size(), 1021u);
    const BMChange change = editor.pressCell(0, 0);
    EXPECT_EQ(change.cut.categories[BMMapLimits::WALL], 1021u - 256u);
    ZDBMap settled = *data.getBMap(0);
    settled.correct();
    EXPECT_EQ(EditorScenario::mapState(*data.getBMap(0)), EditorScenario::mapState(settled));
    EXPECT_EQ(data.getWord(BMData::TYPE_WALL_COUNT, 0, 0, 0), 256u);
    EXPECT_EQ(data.getArea(0)->getWallCount(), 256);
    std::set<int> orders;
    std::set<int> walls;
    int fitted = 0;
    for (int index = 0; index < 1024; ++index) {
        const int object = data.getByte(BMData::TYPE_OBJECT, 0, index % 32, index / 32);
        if (object >= 16 && object <= 24) {
            orders.insert(static_cast<int>(data.getWord(BMData::TYPE_ORDER, 0, index % 32, index / 32)));
            walls.insert(index);
            fitted += object != 16;
        }
    }
    EXPECT_EQ(walls, std::set<int>(region.begin(), region.begin() + 256));
    EXPECT_EQ(orders.size(), 256u);
    EXPECT_EQ(*orders.rbegin(), 255);
    EXPECT_GT(fitted, 0);
}

TEST_F(Painting, AFillDragInSelectModeJoinsTheRegionUnderThePointerToTheSelection)
{
    editor.setShape(SHAPE_FILL);
    editor.setCellMark(1, 1, CELL_SELECTED, true);
    editor.startDrag(5, 4);
    EXPECT_EQ(editor.getCellMark(at(4, 3)) & CELL_PENDING, CELL_PENDING);
    editor.moveDrag(5, 4, 20, 20);
    EXPECT_EQ(editor.getCellMark(at(4, 3)) & CELL_PENDING, 0u);
    editor.moveDrag(5, 4, 40, 20);  // off the map: the region stays
    EXPECT_EQ(editor.getCellMark(at(20, 20)) & CELL_PENDING, CELL_PENDING);
    editor.endDrag(20, 20);
    EXPECT_EQ(selection(), (std::set<int>{at(1, 1), at(20, 20)}));
}

// The pointer jumps from (3, 3) to (12, 9) in one event; the stroke still paints the brush on
// every cell between.
TEST_F(Painting, ADirectFreeHandStrokePaintsTheBrushAlongItsPath)
{
    editor.setMouseMode(MOUSE_DIRECT);
    editor.setCharacter(40);
    for (int radius = 0; radius <= 3; ++radius) {
        editor.setBrushRadius(radius);
        editor.startDrag(3, 3);
        editor.moveDrag(3, 3, 12, 9);
        editor.moveDrag(3, 3, 12, 9);
        editor.endDrag(12, 9);
        std::vector<uint16_t> expected;
        BMBrush::stroke({3, 3}, {12, 9}, radius, &expected);
        const std::set<int> cells(expected.begin(), expected.end());
        EXPECT_EQ(charactersChangedTo(40), cells) << "radius " << radius;
        EXPECT_EQ(selection(), cells);
        EXPECT_EQ(editor.getCursorIndex(), at(12, 9));
        editor.undo();
        EXPECT_TRUE(selection().empty());
    }
    // The stroke reaches the cell it ends on, though no move came there.
    editor.setBrushRadius(0);
    editor.startDrag(3, 20);
    editor.moveDrag(3, 20, 5, 20);
    editor.endDrag(9, 20);
    for (int x = 3; x <= 9; ++x) {
        EXPECT_EQ(data.getByte(BMData::TYPE_CHARACTER, 0, x, 20), 40) << x;
    }
    editor.undo();
    // A click paints the brush around the cell.
    editor.setBrushRadius(1);
    editor.pressCell(30, 30);
    EXPECT_EQ(charactersChangedTo(40),
              (std::set<int>{at(30, 30), at(29, 30), at(31, 30), at(29, 29), at(30, 29), at(29, 31),
                             at(30, 31)}));
    // The brush is the direct mode's: a select-mode stroke takes the cells under the pointer.
    editor.undo();
    editor.setMouseMode(MOUSE_SELECT);
    editor.startDrag(3, 3);
    editor.moveDrag(3, 3, 12, 9);
    editor.endDrag(12, 9);
    EXPECT_EQ(selection(), (std::set<int>{at(3, 3), at(12, 9)}));
    EXPECT_TRUE(charactersChangedTo(40).empty());
}

// Where a placement group fills up, the cells painted first win: a brush stroke's in the order
// the brush went, a line's from its anchor, a selection's in reading order. Cell (0, 0) takes
// none, and the change tells what was left out.
TEST_F(Painting, WhereAGroupFillsUpTheCellsPaintedFirstWin)
{
    editor.setEditMode(MODE_PLACEMENT);
    editor.setGroupIndex(1);
    auto groupTwo = [&] {
        std::set<int> cells;
        for (int index = 0; index < 1024; ++index) {
            if (data.getByte(BMData::TYPE_CONNECT, 0, index % 32, index / 32) == 2) {
                cells.insert(index);
            }
        }
        return cells;
    };
    auto first20 = [](const std::vector<uint16_t>& order) {
        std::set<int> cells;
        for (size_t i = 0; i < order.size() && cells.size() < 20; ++i) {
            cells.insert(order[i]);
        }
        return cells;
    };

    editor.setMouseMode(MOUSE_DIRECT);
    editor.setBrushRadius(3);
    editor.startDrag(8, 10);
    editor.moveDrag(8, 10, 20, 10);
    BMChange change = editor.endDrag(20, 10);
    std::vector<uint16_t> stroke = {static_cast<uint16_t>(at(8, 10))};
    BMBrush::stroke({8, 10}, {20, 10}, 3, &stroke);
    const std::set<int> brushed(stroke.begin(), stroke.end());
    EXPECT_EQ(groupTwo(), first20(stroke));
    EXPECT_EQ(change.cut.groups[1], brushed.size() - 20);
    editor.undo();

    editor.setShape(SHAPE_LINE);
    editor.startDrag(25, 5);
    editor.moveDrag(25, 5, 2, 5);
    change = editor.endDrag(2, 5);
    std::set<int> fromAnchor;
    for (int x = 6; x <= 25; ++x) {
        fromAnchor.insert(at(x, 5));
    }
    EXPECT_EQ(groupTwo(), fromAnchor);
    EXPECT_EQ(change.cut.groups[1], 4u);
    editor.undo();

    editor.setMouseMode(MOUSE_SELECT);
    editor.selectAll();
    change = editor.execSet(0);
    std::set<int> firstRow;
    for (int x = 1; x <= 20; ++x) {
        firstRow.insert(at(x, 0));
    }
    EXPECT_EQ(groupTwo(), firstRow);
    EXPECT_EQ(change.cut.groups[1], 1024u - 21u);
    EXPECT_TRUE(change.cut.origin);
}
