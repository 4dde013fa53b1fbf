// The command operations on a copy of the sample game, through the main window's real
// commands and message boxes: the unsaved-edits question, map navigation, save failures and
// scenarios that cannot be read.
#include "editor/shell/BMOperations.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "framework/gui/HClipBoard.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/BitmapFile.h"
#include "tests/support/DialogAnswerer.h"
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
    TestFolder::write("game\\Islands\\Data\\BMap_No2", std::string(100, '\0'));
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
        EXPECT_EQ(ok.boxes()[0].text.find("シナリオフォルダを開けませんでした。\n" + editor.scenario(name) + "\n"),
                  0u);
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
            editor.command(2103);
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
    editor.command(2103);
    EXPECT_EQ(TestFolder::read("game\\Northland\\Data\\AreaData"), list);
}

TEST_F(OperationsTest, ScenarioItemsOpenTheirFolderOtherIdsNothing)
{
    BMData* data = editor.data();
    editor.command(2402);  // a menu item without an operation
    editor.command(2005);
    EXPECT_EQ(editor.data(), data);
    editor.command(2503);  // Northland
    ASSERT_NE(editor.data(), data);
    EXPECT_EQ(editor.data()->getScenarioDirectory().getPath(), editor.scenario("Northland"));
    EXPECT_EQ(editor.data()->getAreaCount(), 5u);
}

}  // namespace
