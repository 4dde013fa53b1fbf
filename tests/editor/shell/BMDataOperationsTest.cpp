// The Data menu's commands on the list of areas through the main window's real commands,
// questions and dialogs, on a copy of the sample game's "Default" (16 areas), for what the
// journey of the map commands does not see: the chooser's pages, the move dialog's answers,
// the clipboard's text and a whole map put there by someone else. (The changes of the list
// themselves, links and undo included, are the model test's.)
#include "editor/model/BMEditor.h"
#include "editor/shell/BMOperations.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/shell/BMMoveDialog.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "framework/base/HWin32.h"
#include "framework/gui/HClipBoard.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/DialogAnswerer.h"

namespace {

class MapOperationsTest : public DefaultScenarioTest {
protected:
    BMData& data() { return *editor.data(); }
    std::string name(uint32_t number) { return data().getArea(number - 1)->getName(); }
    // The file image of map number.
    std::string image(uint32_t number)
    {
        std::string bytes(ZDBMap::IMAGE_SIZE, '\0');
        data().getBMap(number - 1)->writeToBytes(reinterpret_cast<uint8_t*>(&bytes[0]));
        return bytes;
    }
    // The clipboard text of a selection of every cell of the current map.
    std::string wholeSelection()
    {
        editor.display()->show(editor.display()->getEditor().selectAll());
        std::string text = editor.display()->getEditor().copySelection();
        editor.display()->show(editor.display()->getEditor().selectNone());
        return text;
    }
    void go(uint32_t number)
    {
        while (data().getCurrent() != number) {
            editor.command(kCommandNextMap);
        }
    }
    bool modifiedInTitle() { return editor.title().find(" (更新)") != std::string::npos; }
};

// An area nothing leads to, at the end, its record offered for editing at once: the removal
// question says nothing leads to it and no number changes.
TEST_F(MapOperationsTest, AppendShowsTheNewAreaAndItsRemovalQuestionIsShort)
{
    // The chooser shows the list of areas from the start: one page of 16.
    ASSERT_TRUE(editor.display()->getLayout().isViewFlag(VIEW_PAGE_AREA));
    ASSERT_EQ(editor.display()->getChooser().getPageCount(), 1);
    {
        // The area editor opens on the new record; Cancel keeps the proposed one.
        BoxAnswers cancel(IDCANCEL);
        editor.command(kCommandAddMap);
        ASSERT_EQ(cancel.boxes().size(), 1u);
        EXPECT_EQ(cancel.boxes()[0].caption, "AreaData編集");
    }
    ASSERT_EQ(data().getAreaCount(), 17u);
    EXPECT_EQ(data().getCurrent(), 17u);
    EXPECT_EQ(name(17), "新規エリア17");
    EXPECT_EQ(editor.status(), "エリア 17:新規エリア17 を追加しました。");
    EXPECT_EQ(editor.display()->getChooser().getPageCount(), 2);
    EXPECT_EQ(editor.display()->getChooser().getPage(), 2);
    EXPECT_TRUE(modifiedInTitle());
    {
        BoxAnswers yes(IDYES);
        editor.command(kCommandRemoveMap);
        ASSERT_EQ(yes.boxes().size(), 1u);
        EXPECT_EQ(
            yes.boxes()[0].text,
            "エリア 17:新規エリア17 とそのマップを削除します。\n"
            "他のエリアのグループのリンクでこのエリアを指すものはありません。\n削除しますか？");
    }
    EXPECT_EQ(data().getAreaCount(), 16u);
    EXPECT_EQ(data().getCurrent(), 16u);
    EXPECT_EQ(editor.display()->getChooser().getPageCount(), 1);
    EXPECT_FALSE(modifiedInTitle());
}

// The dialog offers the area's own position and keeps asking until the position is one of
// 1..16 (too large, then empty); Cancel moves nothing.
TEST_F(MapOperationsTest, MoveAsksUntilThePositionIsInRange)
{
    go(3);
    const std::string third = name(3);
    {
        BoxAnswers cancel(IDCANCEL);
        editor.command(kCommandMoveMap);
        ASSERT_EQ(cancel.boxes().size(), 1u);
        EXPECT_EQ(cancel.boxes()[0].caption, "マップ移動");
    }
    EXPECT_EQ(name(3), third);
    int step = 0;
    std::vector<std::string> said;
    {
        DialogAnswerer answerer([&](HWND dialog) {
            HWND edit = GetDlgItem(dialog, BMMoveDialog::ID_POSITION);
            if (edit != nullptr && IsWindowEnabled(dialog) && step % 2 == 0) {
                said.push_back(DialogAnswerer::textOf(edit));
                const char* const answers[] = {"17", "", "1"};
                SetWindowTextA(edit, answers[step / 2]);
                DialogAnswerer::press(dialog, IDOK);
                return ++step == 5;
            }
            if (edit == nullptr && step % 2 == 1) {  // the message over the dialog
                said.push_back(DialogAnswerer::textOf(GetDlgItem(dialog, 0xFFFF)));
                DialogAnswerer::press(dialog, IDOK);
                ++step;
            }
            return false;
        });
        editor.command(kCommandMoveMap);
    }
    const std::string range = "1 から 16 までの位置を入力してください。";
    EXPECT_EQ(said, std::vector<std::string>({"3", range, "17", range, ""}));
    EXPECT_EQ(name(1), third);
    EXPECT_EQ(data().getCurrent(), 1u);
    EXPECT_EQ(editor.status(), "エリア 03:" + third + " を 1 番に移動しました。");
}

// Copy puts the whole map on the clipboard as the text of a selection of every cell; overwrite
// and insert take it, also from a text put there by someone else.
TEST_F(MapOperationsTest, CopiedMapsOverwriteAndInsertFromTheBufferOrTheClipboard)
{
    {
        BoxAnswers ok(IDOK);
        editor.command(kCommandOverwriteMap);
        ASSERT_EQ(ok.boxes().size(), 1u);
        EXPECT_EQ(
            ok.boxes()[0].text,
            "上書きするマップがありません。先に「マップコピー」でマップをコピーしてください。");
    }
    EXPECT_FALSE(data().isModified());
    go(7);
    const std::string seventh = wholeSelection();
    go(2);
    const std::string second = wholeSelection();
    editor.command(kCommandCopyMap);
    HClipBoard clipboard(editor.handle());
    ASSERT_TRUE(clipboard.read());
    EXPECT_EQ(clipboard.getText(), second);
    EXPECT_EQ(editor.status(), "エリア 02:" + name(2) + " のマップをコピーしました。");

    go(5);
    const std::string fifth = image(5);
    editor.command(kCommandOverwriteMap);
    EXPECT_EQ(image(5), image(2));
    EXPECT_EQ(data().getArea(4)->getCityCount(), data().getArea(1)->getCityCount());
    EXPECT_TRUE(modifiedInTitle());
    editor.command(kCommandUndo);
    EXPECT_EQ(image(5), fifth);
    EXPECT_FALSE(modifiedInTitle());

    // A whole map from elsewhere on the clipboard comes before the buffer.
    clipboard.setText(seventh);
    ASSERT_TRUE(clipboard.write());
    editor.command(kCommandInsertMap);
    ASSERT_EQ(data().getAreaCount(), 17u);
    EXPECT_EQ(data().getCurrent(), 5u);
    EXPECT_EQ(name(5), "新規エリア5");
    EXPECT_EQ(image(5), image(8));  // area 7 is number 8 now
    EXPECT_EQ(image(6), fifth);
    // A region is no whole map: the buffer, map 7's since the insert, is written.
    clipboard.setText("0,0,5,0,0,0,0,0,0,0\r\n");
    ASSERT_TRUE(clipboard.write());
    go(1);
    editor.command(kCommandOverwriteMap);
    EXPECT_EQ(image(1), image(8));
}

TEST(MapOperationsWithoutScenario, CommandsDoNothing)
{
    EditorSession editor;
    BoxAnswers any(IDNO);
    for (uint32_t id = kCommandAddMap; id <= kCommandInsertMap; ++id) {
        editor.command(id);
    }
    EXPECT_TRUE(any.boxes().empty());
    BMData* data = editor.data();
    EXPECT_TRUE(data == nullptr || data->getAreaCount() == 0);
}

}  // namespace
