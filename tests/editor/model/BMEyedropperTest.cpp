// The eyedropper against the map it reads: on random maps, a press in every edit mode makes
// the cell's value the current value of that layer and of no other, and leaves the map, the
// cursor, the marks and the history as they were; values a layer cannot hold are refused.

#include "editor/model/BMEyedropperTool.h"

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMToolBox.h"
#include "tests/editor/EditorScenario.h"

namespace {

struct Values {
    int character, object, height, group;
    bool operator==(const Values& other) const
    {
        return character == other.character && object == other.object && height == other.height
               && group == other.group;
    }
};

Values currentOf(const BMEditor& editor)
{
    return {editor.getCharacter(), editor.getObject(), editor.getHeight(), editor.getGroupIndex()};
}

class Eyedropper : public ::testing::Test {
protected:
    Eyedropper() : random(33), scenario({EditorScenario::randomMap(random, 40)})
    {
        editor.setData(&scenario.data());
    }

    int cell(int type, int x, int y)
    {
        return scenario.data().getByte(type, 0, static_cast<uint32_t>(x), static_cast<uint32_t>(y));
    }

    BMChange pick(int x, int y)
    {
        return BMToolBox::eyedropper().press(editor, x, y, BMFloodFill::CONNECTED);
    }

    std::mt19937 random;
    EditorScenario scenario;
    BMEditor editor;
};

TEST_F(Eyedropper, TakesTheCellsValueOfTheModesLayerAndTouchesNothingElse)
{
    struct Mode {
        int mode;
        int type;
        int Values::*current;
        int offset;  // current value = cell value - offset (placement groups 1..8 are 0..7)
    };
    const Mode modes[] = {
        {MODE_CHAR, BMData::TYPE_CHARACTER, &Values::character, 0},
        {MODE_OBJ, BMData::TYPE_OBJECT, &Values::object, 0},
        {MODE_HEIGHT, BMData::TYPE_HEIGHT, &Values::height, 0},
        {MODE_PLACEMENT, BMData::TYPE_CONNECT, &Values::group, 1},
        {MODE_BORDER, BMData::TYPE_CHARACTER, &Values::character, 0},
    };
    editor.setCursor(7, 9);
    editor.setCellMark(3, -1, CELL_SELECTED, true);
    editor.getUndoList().add(UNDO_CHAR, 0, 0, 0, 0);
    const std::string bytes = EditorScenario::image(*scenario.data().getBMap(0));
    int taken = 0;
    for (int round = 0; round < 400; ++round) {
        const Mode& mode = modes[random() % 5];
        const int x = static_cast<int>(random() % 32);
        const int y = static_cast<int>(random() % 32);
        editor.setEditMode(mode.mode);
        Values expected = currentOf(editor);
        const int value = cell(mode.type, x, y);
        const bool takes = value - mode.offset >= 0;  // an empty placement cell gives nothing
        if (takes) {
            expected.*mode.current = value - mode.offset;
        }
        const BMChange change = pick(x, y);
        SCOPED_TRACE(testing::Message() << "mode " << mode.mode << " cell " << x << "," << y);
        EXPECT_TRUE(currentOf(editor) == expected);
        EXPECT_EQ(change.data, takes ? DATA_CURRENT : 0u);
        EXPECT_TRUE(change.cells.empty());
        EXPECT_FALSE(change.cursor);
        const std::string status = BMEyedropperTool::status(editor, x, y);
        EXPECT_NE(status.find(takes ? "を現在の値にしました" : "ありません"), std::string::npos)
            << status;
        taken += takes ? 1 : 0;
    }
    EXPECT_GT(taken, 300);
    EXPECT_EQ(EditorScenario::image(*scenario.data().getBMap(0)), bytes);
    EXPECT_EQ(editor.getCursorIndex(), 9 * 32 + 7);
    for (int index = 0; index < 1024; ++index) {
        ASSERT_EQ(editor.getCellMark(index), index % 32 == 3 ? CELL_SELECTED : 0u) << index;
    }
    EXPECT_EQ(editor.getUndoList().getCount(), 1u);
}

// A stray byte of a map edited by hand is no chip to paint with; outside the map there is
// nothing to take; a drag takes nothing more than its press.
TEST_F(Eyedropper, RefusesWhatTheLayerCannotHold)
{
    scenario.data().setByte(BMData::TYPE_CHARACTER, 250, 0, 4, 5);
    scenario.data().setByte(BMData::TYPE_OBJECT, 41, 0, 6, 7);
    editor.setCharacter(12);
    editor.setObject(3);
    editor.setEditMode(MODE_CHAR);
    EXPECT_EQ(pick(4, 5).data, 0u);
    EXPECT_EQ(editor.getCharacter(), 12);
    EXPECT_EQ(BMEyedropperTool::status(editor, 4, 5), "スポイト：(4,5) のCHAR 250 は範囲外のため取りません");
    editor.setEditMode(MODE_OBJ);
    EXPECT_EQ(pick(6, 7).data, 0u);
    EXPECT_EQ(editor.getObject(), 3);
    EXPECT_EQ(pick(32, 0).data, 0u);
    EXPECT_EQ(BMEyedropperTool::status(editor, -1, 0), "スポイト：マップの外です");
    EXPECT_EQ(BMToolBox::eyedropper().release(editor, 6, 7).data, 0u);
    EXPECT_EQ(editor.getObject(), 3);
}

}  // namespace
