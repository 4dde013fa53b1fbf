// The command operations on a copy of the sample game, through the main window's real
// commands and message boxes: the unsaved-edits question, map navigation, save failures,
// scenarios that cannot be read, folders dropped on the window, files another program changed,
// interrupted saves and the recovery copy of unsaved edits.
#include "editor/shell/BMOperations.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/shell/BMListeners.h"
#include "editor/shell/BMRecovery.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "framework/gui/HClipBoard.h"
#include "framework/gui/HImageView.h"
#include "framework/gui/HScrollBar.h"
#include "scenario/ZDFileSet.h"
#include "scenario/ZDRecoveryCopy.h"
#include "scenario/ZDRecoverySchedule.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/BitmapFile.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/DropList.h"
#include "tests/support/TestFolder.h"

namespace {

const char* const kMap1 = "game\\Default\\Data\\BMap_No1";
const char* const kMap2 = "game\\Default\\Data\\BMap_No2";

class OperationsTest : public DefaultScenarioTest {
protected:
    // Writes character chip 7 into cell (3, 4) of the current map, as an edit would.
    void edit() { editor.data()->setByte(BMData::TYPE_CHARACTER, 7, 0, 3, 4); }
    static char chipInFile(const std::string& file) { return TestFolder::read(file)[3 * 32 + 4]; }
    BMRecovery& recovery() { return *editor.window().getListeners()->getRecovery(); }
    // The recovery copy of the open scenario, written as the timer would once the edits stop.
    ZDRecoveryCopy writeRecoveryCopy()
    {
        int64_t now = static_cast<int64_t>(GetTickCount64());
        recovery().look(now);
        recovery().look(now + ZDRecoverySchedule::QUIET_MS);
        recovery().getWriter().wait();
        return ZDRecoveryCopy(BMRecovery::root(), BMRecovery::scenarioOf(editor.data()));
    }
};

// Exit's question itself, Cancel and Yes included, the journey answers.
TEST_F(OperationsTest, TheCloseBoxAsksAndNoLeavesTheFilesAndGivesUpTheEdits)
{
    edit();
    ZDRecoveryCopy copy = writeRecoveryCopy();
    ASSERT_TRUE(TestFolder::exists(copy.getPath()));
    auto before = EditorSession::snapshot();
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
    EXPECT_FALSE(TestFolder::exists(copy.getPath()));  // the edits were given up
}

TEST_F(OperationsTest, MapNavigationWrapsAround)
{
    ASSERT_EQ(editor.data()->getAreaCount(), 16u);
    const std::pair<BMCommandId, uint32_t> steps[] = {{kCommandPreviousMap, 16}, {kCommandNextMap, 1},
                                                      {kCommandLastMap, 16}, {kCommandPreviousMap, 15},
                                                      {kCommandFirstMap, 1}};
    for (const auto& step : steps) {
        editor.command(step.first);
        EXPECT_EQ(editor.data()->getCurrent(), step.second) << step.first;
    }
}

TEST_F(OperationsTest, RefusedPasteTellsWhichLineAndChangesNothing)
{
    HClipBoard clipboard(editor.handle());
    clipboard.setText("0,0,5,0,0,0,0,0,0,0\r\n1,0,250,0,0,0,0,0,0,0\r\n");
    ASSERT_TRUE(clipboard.write());
    const std::string before = editor.display()->getEditor().copySelection();
    {
        BoxAnswers ok(IDOK);
        editor.command(kCommandPaste);
        ASSERT_EQ(ok.boxes().size(), 1u);
        EXPECT_EQ(ok.boxes()[0].caption, "貼り付け");
        EXPECT_EQ(ok.boxes()[0].text,
                  "クリップボードの内容はマップとして貼り付けられません。\n"
                  "クリップボードの 2 行目の地形チップ 250 は範囲外です（0 以上 239 以下）。");
    }
    EXPECT_EQ(editor.display()->getEditor().copySelection(), before);
    EXPECT_FALSE(editor.data()->isModified());
}

TEST_F(OperationsTest, FailedSaveOfAReadOnlyFileShowsItsBoxAndLosesNothing)
{
    edit();
    ASSERT_TRUE(SetFileAttributesA(kMap1, FILE_ATTRIBUTE_READONLY));
    auto before = EditorSession::snapshot();
    {
        BoxAnswers ok(IDOK);
        editor.command(kCommandSave);
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
        editor.command(kCommandSaveAs);
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
    TestFolder::write("game\\Islands\\Data\\BMap_No2", std::string(100, '\0'));
    // More area lines than the scenario has maps.
    std::string lines;
    for (int i = 0; i < 8; ++i) {
        lines += std::string(40, '\x81') + "\r\n";
    }
    TestFolder::write("game\\Northland\\Data\\AreaData", lines);
    std::filesystem::remove("game\\Default\\Data\\BMap_No3");
    editor.command(kCommandNextMap);
    edit();
    BMData* data = editor.data();
    auto before = EditorSession::snapshot();
    for (const char* name : {"Islands", "Northland", "Default"}) {
        SCOPED_TRACE(name);
        BoxAnswers ok(IDOK);
        EXPECT_FALSE(editor.open(name));
        ASSERT_EQ(ok.boxes().size(), 1u);
        EXPECT_EQ(ok.boxes()[0].text.find("シナリオフォルダを開けませんでした。\n" + editor.scenario(name) + "\n"),
                  0u);
        EXPECT_EQ(editor.data(), data);
        EXPECT_EQ(data->getCurrent(), 2u);
        EXPECT_EQ(data->getByte(BMData::TYPE_CHARACTER, 0, 3, 4), 7);
    }
    {
        BoxAnswers ok(IDOK);  // the discard question, then the failure
        editor.command(kCommandReload);
        EXPECT_EQ(ok.boxes().size(), 2u);
    }
    EXPECT_EQ(editor.data(), data);
    EXPECT_EQ(EditorSession::snapshot(), before);

    {
        // Another program removed a map: it is written again only after the question.
        BoxAnswers yes(IDYES);
        editor.command(kCommandSave);
        ASSERT_EQ(yes.boxes().size(), 1u);
        EXPECT_EQ(yes.boxes()[0].text, editor.scenario("Default") +
                                           "\\Data\\BMap_No3 は開いた後に他のプログラムで変更されています。上書きしますか？");
    }
    EXPECT_EQ(chipInFile("game\\Default\\Data\\BMap_No2"), 7);
    std::string saved = TestFolder::read("game\\Default\\Data\\BMap_No2");
    saved[3 * 32 + 4] = map2[3 * 32 + 4];
    EXPECT_EQ(saved, map2);
    EXPECT_EQ(TestFolder::read("game\\Default\\Data\\BMap_No3").size(), 4428u);
}

TEST_F(OperationsTest, SaveAsksBeforeOverwritingAnotherProgramsChangeAndNoWritesNothing)
{
    edit();
    editor.data()->setByte(BMData::TYPE_CHARACTER, 9, 2, 5, 6);
    std::string theirs = TestFolder::read(kMap2);
    theirs[100] ^= 1;
    TestFolder::write(kMap2, theirs);
    std::filesystem::last_write_time(kMap2, std::filesystem::last_write_time(kMap2) + std::chrono::seconds(2));
    auto before = EditorSession::snapshot();
    {
        BoxAnswers no(IDNO);
        editor.command(kCommandSave);
        ASSERT_EQ(no.boxes().size(), 1u);
        EXPECT_EQ(no.boxes()[0].caption, "上書き保存");
        EXPECT_EQ(no.boxes()[0].text, editor.scenario("Default") +
                                          "\\Data\\BMap_No2 は開いた後に他のプログラムで変更されています。上書きしますか？");
    }
    EXPECT_EQ(EditorSession::snapshot(), before);
    EXPECT_TRUE(editor.data()->isModified());
    {
        BoxAnswers yes(IDYES);
        editor.command(kCommandSave);
        EXPECT_EQ(yes.boxes().size(), 1u);
    }
    EXPECT_EQ(chipInFile(kMap1), 7);
    EXPECT_EQ(TestFolder::read(kMap2)[5 * 32 + 6], 9);
    EXPECT_FALSE(editor.data()->isModified());
}

// As after an editor that did not end: the scenario opened again finds the recovery copy.
TEST_F(OperationsTest, ARecoveryCopyIsOfferedAtOpenYesBringsTheEditsBackNoKeepsItAside)
{
    edit();
    ZDRecoveryCopy copy = writeRecoveryCopy();
    ASSERT_TRUE(TestFolder::exists(copy.getPath()));
    auto files = EditorSession::snapshot();
    {
        BoxAnswers no(IDNO);
        ASSERT_TRUE(editor.open("Default"));
        ASSERT_EQ(no.boxes().size(), 1u);
        EXPECT_EQ(no.boxes()[0].caption, "シナリオを開く");
        EXPECT_EQ(no.boxes()[0].text.find("前回の編集が保存されていません。復元しますか？\n\n" +
                                          editor.scenario("Default") + "\n"), 0u);
    }
    EXPECT_FALSE(editor.data()->isModified());
    EXPECT_FALSE(TestFolder::exists(copy.getPath()));
    EXPECT_TRUE(TestFolder::exists(copy.getAsidePath()));
    {
        BoxAnswers none(IDYES);
        ASSERT_TRUE(editor.open("Default"));
        EXPECT_TRUE(none.boxes().empty());
    }

    edit();
    writeRecoveryCopy();
    {
        BoxAnswers yes(IDYES);
        ASSERT_TRUE(editor.open("Default"));
        EXPECT_EQ(yes.boxes().size(), 1u);
    }
    EXPECT_TRUE(editor.data()->isModified());
    EXPECT_EQ(editor.data()->getByte(BMData::TYPE_CHARACTER, 1, 3, 4), 7);
    EXPECT_NE(editor.title().find(" (更新) - Tessel"), std::string::npos) << editor.title();
    EXPECT_EQ(EditorSession::snapshot(), files);
    editor.command(kCommandSave);
    EXPECT_EQ(chipInFile(kMap1), 7);
    EXPECT_FALSE(TestFolder::exists(copy.getPath()));
}

TEST_F(OperationsTest, AnOpenCompletesASaveThatAKillInterruptedAndSaysSo)
{
    std::string data = editor.scenario("Default") + "\\Data\\";
    ZDFileSet save;
    std::string map = TestFolder::read(kMap1);
    map[3 * 32 + 4] = 7;
    save.write("BMap_No1", map);
    save.write("AreaData", "Renamed 1 2\r\nEnd");
    TestFolder::write(data + "Save.journal", save.toBytes());
    TestFolder::write(data + "BMap_No1.tmp", "half");
    {
        BoxAnswers ok(IDOK);
        ASSERT_TRUE(editor.open("Default"));
        ASSERT_EQ(ok.boxes().size(), 1u);
        EXPECT_EQ(ok.boxes()[0].text, "前回の保存は途中で中断されていました。中断された保存を最後まで行いました。\n" +
                                          editor.scenario("Default"));
    }
    EXPECT_EQ(TestFolder::read(kMap1), map);
    EXPECT_FALSE(TestFolder::exists(data + "Save.journal"));
    EXPECT_FALSE(TestFolder::exists(data + "BMap_No1.tmp"));
    EXPECT_EQ(editor.data()->getAreaCount(), 1u);
    EXPECT_EQ(editor.data()->getByte(BMData::TYPE_CHARACTER, 1, 3, 4), 7);
}

// Rewrites the lines of an area list (CR LF ended) through edit(index, line).
std::string editLines(const std::string& text, const std::function<void(size_t, std::string&)>& edit)
{
    std::string result;
    size_t start = 0;
    for (size_t index = 0, stop; (stop = text.find("\r\n", start)) != std::string::npos; ++index) {
        std::string line = text.substr(start, stop - start);
        edit(index, line);
        result += line + "\r\n";
        start = stop + 2;
    }
    return result + text.substr(start);
}

// Damaged scenarios say in one box which files failed and why. What a save would write back
// unread (the area list, a map) keeps the scenario closed; chip bitmaps that cannot be read
// are named once after opening, their chips drawn as numbers, and a save writes no picture.
TEST_F(OperationsTest, DamagedScenariosNameEveryFailedFileAndBrokenChipsBlockNothing)
{
    const std::string cut = BitmapFile::sample(24).build().substr(0, 30);
    const std::string notBitmap = "GIF89a" + std::string(100, '\0');
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;  // under game\Northland
        bool opens;
        std::vector<std::string> lines;  // after the first line and the folder
    } kCases[] = {
        {"an empty object bitmap", {{"Picture\\BMAPOBJ.BMP", ""}}, true,
         {"Picture\\BMAPOBJ.BMP: 空のファイルです。チップを番号で表示します。"}},
        {"a character bitmap that is no bitmap and a cut one",
         {{"Picture\\BMAPCHAR.BMP", notBitmap}, {"Picture\\BMAPOBJ.BMP", cut}}, true,
         {"Picture\\BMAPCHAR.BMP: ビットマップではないか、ヘッダが正しくありません（先頭が BM ではありま"
          "せん）。チップを番号で表示します。",
          "Picture\\BMAPOBJ.BMP: ビットマップではないか、ヘッダが正しくありません（情報ヘッダの大きさ）"
          "。チップを番号で表示します。"}},
        {"a short map, an empty map and an empty bitmap",
         {{"Data\\BMap_No2", std::string(100, '\7')}, {"Data\\BMap_No4", ""}, {"Picture\\BMAPOBJ.BMP", ""}},
         false,
         {"Data\\BMap_No2: 100 バイトしかなく、マップの 4428 バイトに足りません。",
          "Data\\BMap_No4: 0 バイトしかなく、マップの 4428 バイトに足りません。",
          "Picture\\BMAPOBJ.BMP: 空のファイルです。"}},
    };
    const std::string folder = editor.scenario("Northland");
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        for (const auto& file : c.files) {
            TestFolder::write("game\\Northland\\" + file.first, file.second);
        }
        auto before = EditorSession::snapshot();
        {
            BoxAnswers ok(IDOK);
            EXPECT_EQ(editor.open("Northland"), c.opens);
            std::string expected = c.opens ? folder + " を開きました。次の点に注意してください。"
                                           : "シナリオフォルダを開けませんでした。\n" + folder;
            for (const std::string& line : c.lines) {
                expected += "\n" + line;
            }
            ASSERT_EQ(ok.boxes().size(), 1u);
            EXPECT_EQ(ok.boxes()[0].text, expected);
            EXPECT_EQ(ok.boxes()[0].caption, "シナリオを開く");
        }
        if (c.opens) {
            // Edited and saved: the map file gets the edit, nothing else changes.
            ASSERT_EQ(editor.data()->getScenarioDirectory().getPath(), folder);
            edit();
            editor.command(kCommandSave);
            EXPECT_EQ(chipInFile("game\\Northland\\Data\\BMap_No1"), 7);
            before.erase(std::remove_if(before.begin(), before.end(),
                                        [](const auto& file) { return file.first.find("BMap_No1") != std::string::npos; }),
                         before.end());
            auto after = EditorSession::snapshot();
            after.erase(std::remove_if(after.begin(), after.end(),
                                       [](const auto& file) { return file.first.find("BMap_No1") != std::string::npos; }),
                        after.end());
            EXPECT_EQ(after, before);
        } else {
            EXPECT_EQ(EditorSession::snapshot(), before);
        }
        std::filesystem::remove_all("game\\Northland");
        std::filesystem::copy(GameDirectory::sampleGame() + "\\Northland", "game\\Northland",
                              std::filesystem::copy_options::recursive);
    }

    // Lines the columns cannot carry are named after opening, and kept through a save.
    const std::string list = editLines(TestFolder::read("game\\Northland\\Data\\AreaData"),
                                       [](size_t index, std::string& line) {
                                           if (index == 1) {
                                               line += " note";
                                           } else if (index == 3) {
                                               line.insert(line.find(' '), 1, '\0');
                                           }
                                       });
    TestFolder::write("game\\Northland\\Data\\AreaData", list);
    {
        BoxAnswers ok(IDOK);
        ASSERT_TRUE(editor.open("Northland"));
        ASSERT_EQ(ok.boxes().size(), 1u);
        const ZDEditArea& second = *editor.data()->getArea(1);
        const ZDEditArea& fourth = *editor.data()->getArea(3);
        EXPECT_EQ(ok.boxes()[0].text,
                  folder + " を開きました。次の点に注意してください。\n"
                  "エリア 2「" + second.getName() + "」: 書式に収まらない行です（19 を超える欄）。\n"
                  "エリア 4「" + fourth.getName().substr(0, fourth.getName().find('\0'))
                      + "」: 書式に収まらない行です（NUL 文字）。\n"
                  "書式に収まらない行は、そのエリアを編集しない限り読んだとおりに保存します。");
    }
    edit();
    editor.command(kCommandSave);
    EXPECT_EQ(TestFolder::read("game\\Northland\\Data\\AreaData"), list);
}

// The scenario items themselves open their folders in the settings journey.
TEST_F(OperationsTest, AnIdWithoutAScenarioItemOpensNothing)
{
    BMData* data = editor.data();
    editor.command(kCommandEditTikeiType);  // a menu item without an operation
    EXPECT_EQ(editor.data(), data);
}

}  // namespace

// The brush keys step the radius within 0..3, and the same-value item selects every cell of
// the cursor cell's terrain. (The shapes' items: their check marks in CommandWindowTest, what
// they paint in the painting journey.)
TEST_F(OperationsTest, TheBrushStepsStayInRangeAndTheSameValueItemSelects)
{
    const BMCommandId larger = kCommandBrushLarger, smaller = kCommandBrushSmaller;
    const std::pair<BMCommandId, int> steps[] = {{larger, 1},  {larger, 2},  {larger, 3},
                                                 {larger, 3},  {smaller, 2}, {smaller, 1},
                                                 {smaller, 0}, {smaller, 0}};
    for (const auto& step : steps) {
        editor.command(step.first);
        EXPECT_EQ(editor.display()->getEditor().getBrushRadius(), step.second);
    }

    BMData* data = editor.data();
    editor.display()->setCursor(3, 4);
    const uint8_t terrain = data->getByte(BMData::TYPE_CHARACTER, 0, 3, 4);
    editor.command(kCommandSelectSameValue);
    int same = 0;
    for (int index = 0; index < 1024; ++index) {
        const bool selected = (editor.display()->getEditor().getCellMark(index) & CELL_SELECTED) != 0;
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
        EXPECT_EQ(editor.openFolder(), c.opened[0] != '\0' ? editor.scenario(c.opened) : "");
        EXPECT_EQ(ok.boxes().size(), c.boxes);
        EXPECT_EQ(editor.display()->getEditor().hasMap(), c.opened[0] != '\0');
    }
    // With unsaved edits the drop asks first; cancelling keeps everything.
    EditorSession editor;
    ASSERT_TRUE(editor.open("Default"));
    editor.command(kCommandSet);
    BoxAnswers cancel(IDCANCEL);
    std::vector<std::string> islands = {editor.scenario("Islands")};
    SendMessageA(editor.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop<char>(islands)), 0);
    ASSERT_EQ(cancel.boxes().size(), 1u);
    EXPECT_EQ(cancel.boxes()[0].text, "現在のデータは更新されています。保存しますか？");
    EXPECT_EQ(cancel.boxes()[0].caption, "フォルダを開く");
    EXPECT_EQ(editor.openFolder(), editor.scenario("Default"));
}

// The zoom commands step through 25, 50, 100 and 200 % (the View menu's marks:
// CommandWindowTest): the status bar shows the percentage, the scroll bars cover the zoomed
// canvas, and the cursor cell stays in view.
TEST_F(OperationsTest, ZoomStepsShowInTheStatusBarAndTheScrollBars)
{
    BMWindow& window = editor.window();
    auto* horizontal = dynamic_cast<HScrollBar*>(window.findById(BMWindow::ID_HORIZONTAL_BAR));
    EXPECT_EQ(editor.status(1), "100%");
    editor.command(kCommandCursorBottomRight);  // the cursor to (31, 31)
    const std::pair<BMCommandId, int> steps[] = {
        {kCommandZoomIn, 200},  {kCommandZoomIn, 200},  {kCommandZoomOut, 100},
        {kCommandZoomOut, 50},  {kCommandZoomOut, 25},  {kCommandZoomOut, 25},
        {kCommandZoom100, 100}, {kCommandZoom50, 50}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.first);
        editor.command(step.first);
        const BMZoom& zoom = editor.display()->getLayout().getZoom();
        EXPECT_EQ(zoom.getPercent(), step.second);
        EXPECT_EQ(editor.status(1), std::to_string(step.second) + "%");
        EXPECT_EQ(horizontal->getMaximum(), 1040 * step.second / 100 + 256);
        // The cursor cell, (31, 31), lies wholly in the view.
        int cell = zoom.getCellPixels();
        BMPoint scroll = editor.display()->getLayout().getScroll();
        BMPoint view = editor.display()->getLayout().getViewSize();
        EXPECT_GE(31 * cell + cell / 2, scroll.x);
        EXPECT_GE(31 * cell, scroll.y);
        EXPECT_LE(32 * cell + cell / 2, scroll.x + view.x);
        EXPECT_LE(32 * cell, scroll.y + view.y);
    }
    EXPECT_EQ(editor.status(0), "カーソル位置：(31,31)  ブラシ半径：0") << "the cursor text stays";
}

// Ctrl and the wheel zoom about the pointer: the cell under it stays under it. The wheel
// alone scrolls.
TEST_F(OperationsTest, CtrlWheelZoomsAboutThePointer)
{
    BMWindow& window = editor.window();
    BMDisplay* display = editor.display();
    HWND view = window.getMapView()->getHandle();
    // Scrolled in far enough that zooming out to 50 % needs no position left of the map.
    display->scrollBy(0, 400, 300);
    ASSERT_EQ(display->getLayout().getScroll().x, 400);
    ASSERT_EQ(display->getLayout().getScroll().y, 300);
    const POINT inView = {300, 200};
    POINT screen = inView;
    ClientToScreen(view, &screen);
    auto wheel = [&](int delta, int keys) {
        SendMessageA(editor.handle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, delta),
                     MAKELPARAM(screen.x, screen.y));
    };
    BMPoint before = display->getLayout().cellAt(inView.x, inView.y, BMViewLayout::PICK_PRESS);
    wheel(120, MK_CONTROL);
    EXPECT_EQ(display->getLayout().getZoom().getPercent(), 200);
    BMPoint after = display->getLayout().cellAt(inView.x, inView.y, BMViewLayout::PICK_PRESS);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
    wheel(-60, MK_CONTROL);  // half a notch: nothing yet
    EXPECT_EQ(display->getLayout().getZoom().getPercent(), 200);
    wheel(-60, MK_CONTROL);
    wheel(-120, MK_CONTROL);
    EXPECT_EQ(display->getLayout().getZoom().getPercent(), 50);
    after = display->getLayout().cellAt(inView.x, inView.y, BMViewLayout::PICK_PRESS);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);

    editor.command(kCommandZoom100);
    int top = display->getLayout().getScroll().y;
    wheel(-120, 0);  // towards the user: down three lines
    EXPECT_EQ(display->getLayout().getScroll().y, top + 3 * 32);
    wheel(120, 0);
    EXPECT_EQ(display->getLayout().getScroll().y, top);
}
