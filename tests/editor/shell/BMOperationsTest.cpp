// The command operations on a copy of the sample game, through the main window's real
// commands and message boxes: the unsaved-edits question, map navigation, save failures and
// scenarios that cannot be read, folders dropped on the window.
#include "editor/shell/BMOperations.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "framework/gui/HClipBoard.h"
#include "framework/gui/HMenuItem.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/DropList.h"
#include "tests/support/TestFolder.h"

namespace {

const char* const kMap1 = "game\\Default\\Data\\BMap_No1";

class OperationsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(editor.open("Default")); }
    // Writes character chip 7 into cell (3, 4) of the current map, as an edit would.
    void edit() { editor.data()->setByte(BMData::TYPE_CHARACTER, 7, 0, 3, 4); }
    static char chipInFile(const std::string& file) { return TestFolder::read(file)[3 * 32 + 4]; }

    EditorSession editor;
};

TEST_F(OperationsTest, UnsavedEditsQuestionSavesOnYesOnly)
{
    edit();
    auto before = EditorSession::snapshot();
    const int answers[] = {IDCANCEL, IDNO, IDYES};
    const int results[] = {BMOperations::CANCELLED, BMOperations::NOT_SAVED, BMOperations::SAVED};
    for (int i = 0; i < 3; ++i) {
        BoxAnswers box(answers[i]);
        EXPECT_EQ(BMOperations::saveHasEdited(&editor.window(), editor.data(), "テスト"),
                  results[i]);
        ASSERT_EQ(box.boxes().size(), 1u);
        EXPECT_EQ(box.boxes()[0].caption, "テスト");
        EXPECT_EQ(box.boxes()[0].text, "現在のデータは更新されています。保存しますか？");
        if (answers[i] != IDYES) {
            EXPECT_EQ(EditorSession::snapshot(), before);
        }
    }
    EXPECT_EQ(chipInFile(kMap1), 7);
}

TEST_F(OperationsTest, ExitAsksAndStaysOnCancelLeavesFilesOnNo)
{
    edit();
    auto before = EditorSession::snapshot();
    {
        BoxAnswers cancel(IDCANCEL);
        editor.command(2106);
        EXPECT_EQ(cancel.boxes().size(), 1u);
    }
    EXPECT_NE(editor.handle(), nullptr);
    EXPECT_NE(editor.data(), nullptr);
    {
        BoxAnswers no(IDNO);
        PostMessageA(editor.handle(), WM_CLOSE, 0, 0);  // the close box runs the same exit
        MSG message;
        while (editor.handle() != nullptr && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        EXPECT_EQ(no.boxes().size(), 1u);
    }
    EXPECT_EQ(editor.handle(), nullptr);
    EXPECT_EQ(editor.data(), nullptr);
    EXPECT_EQ(EditorSession::snapshot(), before);
}

TEST_F(OperationsTest, MapNavigationWrapsAround)
{
    BMData* data = editor.data();
    ASSERT_EQ(data->getAreaCount(), 16u);
    ASSERT_EQ(data->getCurrent(), 1u);
    editor.command(2352);  // previous on the first
    EXPECT_EQ(data->getCurrent(), 16u);
    editor.command(2351);  // next on the last
    EXPECT_EQ(data->getCurrent(), 1u);
    editor.command(2354);
    EXPECT_EQ(data->getCurrent(), 16u);
    editor.command(2352);
    EXPECT_EQ(data->getCurrent(), 15u);
    editor.command(2353);
    EXPECT_EQ(data->getCurrent(), 1u);
}

TEST_F(OperationsTest, RefusedPasteTellsWhichLineAndChangesNothing)
{
    HClipBoard clipboard(editor.handle());
    clipboard.setText("0,0,5,0,0,0,0,0,0,0\r\n1,0,250,0,0,0,0,0,0,0\r\n");
    ASSERT_TRUE(clipboard.write());
    const std::string before = editor.display()->copySelection();
    {
        BoxAnswers ok(IDOK);
        editor.command(2159);
        ASSERT_EQ(ok.boxes().size(), 1u);
        EXPECT_EQ(ok.boxes()[0].caption, "貼り付け");
        EXPECT_EQ(ok.boxes()[0].text,
                  "クリップボードの内容はマップとして貼り付けられません。\n"
                  "クリップボードの 2 行目の地形チップ 250 は範囲外です（0 以上 239 以下）。");
    }
    EXPECT_EQ(editor.display()->copySelection(), before);
    EXPECT_FALSE(editor.data()->isModified());
}

TEST_F(OperationsTest, FailedSaveOfAReadOnlyFileShowsItsBoxAndLosesNothing)
{
    edit();
    ASSERT_TRUE(SetFileAttributesA(kMap1, FILE_ATTRIBUTE_READONLY));
    auto before = EditorSession::snapshot();
    {
        BoxAnswers ok(IDOK);
        editor.command(2103);
        ASSERT_EQ(ok.boxes().size(), 1u);
        EXPECT_EQ(ok.boxes()[0].caption, "上書き保存");
        EXPECT_EQ(ok.boxes()[0].text, "ファイルの保存に失敗しました。");
    }
    EXPECT_EQ(EditorSession::snapshot(), before);
    EXPECT_TRUE(editor.data()->isModified());
    EXPECT_EQ(editor.data()->getByte(BMData::TYPE_CHARACTER, 1, 3, 4), 7);

    // Saved as over a read-only file elsewhere: the scenario keeps its own AreaData file.
    std::string areaData = editor.data()->getAreaDataFile().getPath();
    TestFolder::makeFolder("copy\\Data");
    TestFolder::write("copy\\Data\\AreaData", "read-only\r\n");
    ASSERT_TRUE(SetFileAttributesA("copy\\Data\\AreaData", FILE_ATTRIBUTE_READONLY));
    std::string target = std::filesystem::absolute("copy\\Data\\AreaData").string();
    std::string failure;
    {
        DialogAnswerer answerer([&](HWND dialog) {
            HWND box = GetDlgItem(dialog, 1148);  // the file name of the save dialog
            if (box != nullptr) {
                HWND edit = DialogAnswerer::findChild(box, "Edit", "");
                SetWindowTextA(edit != nullptr ? edit : box, target.c_str());
            } else if (GetDlgItem(dialog, 0xFFFF) != nullptr) {
                failure = DialogAnswerer::textOf(dialog) + ":" +
                          DialogAnswerer::textOf(GetDlgItem(dialog, 0xFFFF));
            }
            DialogAnswerer::press(dialog, IDOK);
            return false;
        });
        editor.command(2104);
    }
    EXPECT_EQ(failure, "名前をつけて保存:ファイルの保存に失敗しました。");
    EXPECT_EQ(editor.data()->getAreaDataFile().getPath(), areaData);
    EXPECT_EQ(TestFolder::read("copy\\Data\\AreaData"), "read-only\r\n");
    SetFileAttributesA(kMap1, FILE_ATTRIBUTE_NORMAL);
}

// A scenario that cannot be read whole is not taken: the one open stays as it was, edits
// included, and a later save writes the data that was read, nothing half-loaded.
TEST_F(OperationsTest, UnreadableScenarioKeepsTheOpenOne)
{
    std::string map2 = TestFolder::read("game\\Default\\Data\\BMap_No2");
    TestFolder::write("game\\Islands\\Picture\\BMAPCHAR.BMP", "BM broken");
    // More area lines than the scenario has maps.
    std::string lines;
    for (int i = 0; i < 8; ++i) {
        lines += std::string(40, '\x81') + "\r\n";
    }
    TestFolder::write("game\\Northland\\Data\\AreaData", lines);
    std::filesystem::remove("game\\Default\\Data\\BMap_No3");
    editor.command(2351);
    edit();
    BMData* data = editor.data();
    auto before = EditorSession::snapshot();
    for (const char* name : {"Islands", "Northland", "Default"}) {
        SCOPED_TRACE(name);
        BoxAnswers ok(IDOK);
        EXPECT_FALSE(editor.open(name));
        ASSERT_EQ(ok.boxes().size(), 1u);
        EXPECT_EQ(ok.boxes()[0].text, "シナリオフォルダを開けませんでした。\n" + editor.scenario(name));
        EXPECT_EQ(editor.data(), data);
        EXPECT_EQ(data->getCurrent(), 2u);
        EXPECT_EQ(data->getByte(BMData::TYPE_CHARACTER, 0, 3, 4), 7);
    }
    {
        BoxAnswers ok(IDOK);  // the discard question, then the failure
        editor.command(2102);
        EXPECT_EQ(ok.boxes().size(), 2u);
    }
    EXPECT_EQ(editor.data(), data);
    EXPECT_EQ(EditorSession::snapshot(), before);

    editor.command(2103);
    EXPECT_EQ(chipInFile("game\\Default\\Data\\BMap_No2"), 7);
    std::string saved = TestFolder::read("game\\Default\\Data\\BMap_No2");
    saved[3 * 32 + 4] = map2[3 * 32 + 4];
    EXPECT_EQ(saved, map2);
    EXPECT_EQ(TestFolder::read("game\\Default\\Data\\BMap_No3").size(), 4428u);
}

TEST_F(OperationsTest, ScenarioItemsOpenTheirFolderOtherIdsNothing)
{
    BMData* data = editor.data();
    editor.command(2401);  // a panel button without an operation
    EXPECT_EQ(editor.data(), data);
    editor.command(2503);  // Northland
    ASSERT_NE(editor.data(), data);
    EXPECT_EQ(editor.data()->getScenarioDirectory().getPath(), editor.scenario("Northland"));
    EXPECT_EQ(editor.data()->getAreaCount(), 5u);
}

std::string openFolder(EditorSession& editor)
{
    BMData* data = editor.data();
    return data != nullptr ? data->getScenarioDirectory().getPath() : "";
}

}  // namespace

// The painting commands from the menu: the fill shape takes the check mark from the other
// shapes, the brush keys step the radius within 0..3, and the same-value item selects every
// cell of the cursor cell's terrain.
TEST_F(OperationsTest, PaintingCommandsSetTheShapeTheBrushAndTheSameValueSelection)
{
    auto checked = [&](uint32_t id) {
        return dynamic_cast<HMenuItem*>(editor.window().getMenuItem(id))->isChecked();
    };
    editor.command(2333);
    EXPECT_EQ(editor.display()->getShape(), SHAPE_FILL);
    EXPECT_TRUE(checked(2333));
    EXPECT_FALSE(checked(2305));
    editor.command(2306);
    EXPECT_EQ(editor.display()->getShape(), SHAPE_LINE);
    EXPECT_FALSE(checked(2333));

    const int steps[][2] = {{2335, 1}, {2335, 2}, {2335, 3}, {2335, 3}, {2336, 2}, {2336, 1},
                            {2336, 0}, {2336, 0}};
    for (const auto& step : steps) {
        editor.command(static_cast<uint32_t>(step[0]));
        EXPECT_EQ(editor.display()->getBrushRadius(), step[1]);
    }

    BMData* data = editor.data();
    editor.display()->setCursor(3, 4);
    const uint8_t terrain = data->getByte(BMData::TYPE_CHARACTER, 0, 3, 4);
    editor.command(2334);
    int same = 0;
    for (int index = 0; index < 1024; ++index) {
        const bool selected = (editor.display()->getCellMark(index) & CELL_SELECTED) != 0;
        const bool match = data->getByte(BMData::TYPE_CHARACTER, 0, index % 32, index / 32) == terrain;
        EXPECT_EQ(selected, match) << index;
        same += match;
    }
    EXPECT_GT(same, 1) << "the sample map has more than one cell of that terrain";
}

TEST(DroppedFolder, OpensTheScenarioItBelongsToAfterTheUnsavedEditsQuestion)
{
    struct Case {
        const char* what;
        std::vector<std::string> dropped;  // relative to the game folder
        const char* removed;               // a file taken away first, or nullptr
        const char* opened;                // scenario open afterwards; "" for none
        size_t boxes;
    };
    const Case cases[] = {
        {"a scenario folder", {"Northland"}, nullptr, "Northland", 0},
        {"its area list", {"Islands\\Data\\AreaData"}, nullptr, "Islands", 0},
        {"one of its maps", {"Islands\\Data\\BMap_No2"}, nullptr, "Islands", 0},
        {"a file at its top", {"Islands\\Config"}, nullptr, "Islands", 0},
        {"two folders", {"Islands", "Northland"}, nullptr, "", 0},
        {"a scenario that cannot be read", {"Islands"}, "Islands\\Data\\BMap_No3", "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditorSession editor;
        std::string game = editor.scenario("");
        if (c.removed != nullptr) {
            ASSERT_TRUE(DeleteFileA((game + c.removed).c_str()));
        }
        std::vector<std::string> names;
        for (const std::string& name : c.dropped) {
            names.push_back(game + name);
        }
        BoxAnswers ok(IDOK);
        SendMessageA(editor.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop<char>(names)), 0);
        EXPECT_EQ(openFolder(editor), c.opened[0] != '\0' ? editor.scenario(c.opened) : "");
        EXPECT_EQ(ok.boxes().size(), c.boxes);
        EXPECT_EQ(editor.display()->hasMap(), c.opened[0] != '\0');
    }
    // With unsaved edits the drop asks first; cancelling keeps everything.
    EditorSession editor;
    ASSERT_TRUE(editor.open("Default"));
    editor.command(2154);
    BoxAnswers cancel(IDCANCEL);
    std::vector<std::string> islands = {editor.scenario("Islands")};
    SendMessageA(editor.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop<char>(islands)), 0);
    ASSERT_EQ(cancel.boxes().size(), 1u);
    EXPECT_EQ(cancel.boxes()[0].text, "現在のデータは更新されています。保存しますか？");
    EXPECT_EQ(openFolder(editor), editor.scenario("Default"));
}
