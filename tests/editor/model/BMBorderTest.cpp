#include "editor/model/BMEditor.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "editor/model/BMBorderTable.h"
#include "editor/model/BMBorderTracer.h"
#include "editor/model/BMData.h"
#include "framework/base/HProperties.h"
#include "tests/editor/EditorScenario.h"
#include "tests/support/LogCapture.h"

namespace {

int character(BMData& data, int x, int y)
{
    return data.getByte(BMData::TYPE_CHARACTER, 0, static_cast<uint32_t>(x), static_cast<uint32_t>(y));
}

void setCharacter(BMData& data, int x, int y, int chip)
{
    data.setByte(BMData::TYPE_CHARACTER, static_cast<uint8_t>(chip), 0, static_cast<uint32_t>(x),
                 static_cast<uint32_t>(y));
}

class Borders : public ::testing::Test {
protected:
    Borders() : scenario({ZDBMap()}), data(scenario.data())
    {
        editor.setData(&data);
        editor.loadBorderTable();  // "S" is not listed anywhere: the default table
        editor.setEditMode(MODE_BORDER);
        editor.setCharacter(23);  // group 1
    }

    EditorScenario scenario;
    BMData& data;
    BMEditor editor;
};

}  // namespace

TEST(BorderTable, TheDefaultTableHasElevenGroupsOfEighteenChips)
{
    BMBorderTable table;
    table.loadDefault();
    struct Case {
        int chip, group;
        uint32_t mask;
    };
    const Case cases[] = {{0, 0, 0},      {21, 0, 0},     {22, 1, 0xA00}, {23, 1, 0x012},
                          {29, 1, 0x014}, {39, 1, 0x900}, {40, 0, 0},     {41, 0, 0},
                          {42, 2, 0x012}, {44, 2, 0xA00}, {49, 2, 0x401}, {221, 0, 0},
                          {222, 11, 0x012}, {239, 11, 0x900}};
    for (const Case& c : cases) {
        EXPECT_EQ(table.getGroup(c.chip), c.group) << c.chip;
        EXPECT_EQ(table.getMask(c.chip), c.mask) << c.chip;
    }
    EXPECT_EQ(table.find(0x012, 2, true), 42);
    EXPECT_EQ(table.find(0x010, 2, true), -1);
    EXPECT_EQ(table.find(0x010, 2, false), 42);
    EXPECT_EQ(table.find(0x012, 12, false), -1);
}

TEST(BorderTable, TheFileAppliesOnlyToTheScenariosItNames)
{
    EditorScenario scenario({ZDBMap()});  // the scenario "S", in the current folder
    TestFolder::write("border.ini",
                      "names=X,S\r\nS.bdr.023=3,A1,B6,b2,X\r\nT.bdr.024=4,A1\r\nS.bdr.200=x\r\n");
    BMEditor editor;
    editor.setData(&scenario.data());
    editor.getUndoList().add(UNDO_CHAR, 0, 0, 0, 0);
    editor.startScenario();  // the history of the scenario before goes
    EXPECT_EQ(editor.getUndoList().getCount(), 0u);
    EXPECT_EQ(editor.getBorderTable().getGroup(23), 3);
    EXPECT_EQ(editor.getBorderTable().getMask(23), 0x801u);
    EXPECT_EQ(editor.getBorderTable().getGroup(24), 0);
    EXPECT_EQ(editor.getBorderTable().getGroup(200), 0);  // "x" reads as 0
    EXPECT_EQ(editor.findBorderChip(0x001, 3, false), 23);
    EXPECT_EQ(editor.getBorderTableName(), "S");

    // Without a scenario name the table stays as it was.
    editor.setData(nullptr);
    editor.loadBorderTable();
    EXPECT_EQ(editor.getBorderTable().getGroup(23), 3);

    TestFolder::write("border.ini", "names=T\r\nS.bdr.023=3,A1\r\n");
    editor.setData(&scenario.data());
    editor.reloadBorderFile();
    editor.getUndoList().add(UNDO_CHAR, 0, 0, 0, 0);
    editor.loadBorderTable();
    EXPECT_EQ(editor.getBorderTable().getGroup(23), 1);  // the default, despite the S keys
    EXPECT_EQ(editor.getBorderTableName(), "");
    EXPECT_EQ(editor.getUndoList().getCount(), 1u);      // a reload of the table keeps the history
}

TEST_F(Borders, ALoneCellJoinsTheLinesOfItsNeighbours)
{
    setCharacter(data, 4, 5, 23);  // A2 A5: its right end points at (5, 5)
    setCharacter(data, 6, 5, 23);  // its left end too
    editor.setCursor(5, 5);
    editor.execSet(0);
    EXPECT_EQ(character(data, 5, 5), 23);
}

TEST_F(Borders, ConsecutiveTracesAlternateTheSlotLetters)
{
    for (int x = 3; x <= 8; ++x) {
        editor.setCellMark(x, 10, CELL_SELECTED, true);
    }
    editor.setCursor(3, 10);
    editor.execSet(0);
    EXPECT_EQ(character(data, 5, 10), 23);  // A2 A5
    EXPECT_FALSE(editor.getBorderToggle());
    editor.execSet(0);
    EXPECT_EQ(character(data, 5, 10), 25);  // B2 B5
    EXPECT_TRUE(editor.getBorderToggle());
    editor.undo();
    EXPECT_EQ(character(data, 5, 10), 23);
}

// The reported case: an unselected cursor cell below two selected cells started a walk that
// could never come back to it.
TEST_F(Borders, ATraceFromAnUnselectedCursorBesideTheSelectionEnds)
{
    setCharacter(data, 9, 1, 23);
    setCharacter(data, 12, 1, 23);
    editor.setCellMark(10, 1, CELL_SELECTED, true);
    editor.setCellMark(11, 1, CELL_SELECTED, true);
    editor.setCursor(11, 2);
    LogCapture log({"info"});
    editor.execSet(0);
    EXPECT_NE(character(data, 10, 1), 0);
    EXPECT_NE(character(data, 11, 1), 0);
    EXPECT_NE(character(data, 11, 2), 0);
    EXPECT_EQ(character(data, 10, 2), 0);
    EXPECT_FALSE(log.contains("traceBorder:error step limit"));
}

// Every selection of a 4 x 4 window, traced from each of its cells (a selected one, or an
// unselected cursor cell), ends by coming back to its start, well inside the step bound, and
// changes only the selection and the start cell.
TEST_F(Borders, EveryTraceEndsAndChangesOnlyTheSelection)
{
    const int left = 10;
    const int top = 1;
    // Border chips of two groups around and inside the window.
    int before[8][8];
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            before[y][x] = 22 + (x * 7 + y * 3) % 18 + ((x + y) % 3 == 0 ? 20 : 0);
            setCharacter(data, left - 2 + x, top - 1 + y, before[y][x]);
        }
    }
    ZDBMap& map = *data.getBMap(0);  // read and restored directly: a million traces
    uint32_t marks[MAP_CELLS] = {};
    BMBorderTracer aTracer(data, marks, editor.getBorderTable(), true);
    BMBorderTracer bTracer(data, marks, editor.getBorderTable(), false);
    int longest = 0;
    int changing = 0;
    for (uint32_t subset = 0; subset < (1u << 16); ++subset) {
        for (int start = 0; start < 16; ++start) {
            for (int bit = 0; bit < 16; ++bit) {
                marks[(top + bit / 4) * 32 + left + bit % 4] = (subset >> bit) & 1;
            }
            const int sx = left + start % 4;
            const int sy = top + start / 4;
            BMBorderTracer& tracer = (subset & 1) != 0 ? aTracer : bTracer;
            ASSERT_TRUE(tracer.trace(sx, sy, 1 + start % 2))
                << "subset " << subset << " start " << start;
            longest = std::max(longest, tracer.getSteps());
            bool changed = false;
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8; ++x) {
                    const int cx = left - 2 + x;
                    const int cy = top - 1 + y;
                    if (map.getCharacter(static_cast<uint32_t>(cx), static_cast<uint32_t>(cy)) == before[y][x]) {
                        continue;
                    }
                    changed = true;
                    const bool selected = (marks[cy * 32 + cx] & CELL_SELECTED) != 0;
                    ASSERT_TRUE(selected || (cx == sx && cy == sy))
                        << "subset " << subset << " start " << start << " changed " << cx << "," << cy;
                    map.setCharacter(static_cast<uint32_t>(cx), static_cast<uint32_t>(cy),
                                     static_cast<uint8_t>(before[y][x]));
                }
            }
            changing += changed ? 1 : 0;
        }
    }
    EXPECT_LT(longest, 200);
    EXPECT_GT(changing, 1 << 19);  // most traces draw something
}
