#include "framework/gui/HFolderChooser.h"

#include <string>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/gui/HApplication.h"
#include "tests/support/DialogAnswerer.h"

namespace {

const int kPromptId = 14146;  // the static that shows the title in the shell's folder dialog

// The name of the folder selected in the dialog's tree.
std::string selectedFolderName(HWND dialog)
{
    HWND tree = DialogAnswerer::findChild(dialog, "SysTreeView32", "");
    char name[MAX_PATH] = {};
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = name;
    item.cchTextMax = sizeof(name);
    if (item.hItem != nullptr) {
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    return name;
}

// The shell's folder dialog needs COM on its thread.
class FolderChooserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HApplication::initializeApplication(nullptr, nullptr, "", 0, HApplication::FLAG_COM);
        // Away from the temporary folder where other tests make and remove folders, which the
        // shell's tree may still be catching up with; made with the platform's narrow calls,
        // so that the name on disk is what the Shift-JIS text says.
        base = "C:\\tessel-folder-chooser-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(base.c_str(), nullptr);
        ASSERT_TRUE(CreateDirectoryA((base + "\\シナリオ").c_str(), nullptr));
        start = HFile(base + "\\シナリオ");
    }
    void TearDown() override
    {
        RemoveDirectoryA(start.getPath().c_str());
        RemoveDirectoryA(base.c_str());
        HApplication::uninitializeApplication();
    }

    std::string base;
    HFile start;
    HFolderChooser chooser;
};

TEST_F(FolderChooserTest, OpensAtTheStartFolderAndOkChoosesIt)
{
    std::string prompt;
    std::string selected;
    DialogAnswerer answerer([&](HWND dialog) {
        // The tree may fill in a moment after the dialog shows; wait for the selection (a
        // dialog that never selects the start folder times out and fails below).
        selected = selectedFolderName(dialog);
        if (selected != "シナリオ") {
            return false;
        }
        prompt = DialogAnswerer::textOf(GetDlgItem(dialog, kPromptId));
        DialogAnswerer::press(dialog, IDOK);
        return true;
    });
    ASSERT_TRUE(chooser.show(nullptr, "シナリオフォルダを選択してください", start));
    EXPECT_EQ(prompt, "シナリオフォルダを選択してください");
    EXPECT_EQ(selected, "シナリオ");
    EXPECT_EQ(chooser.getFolder().getPath(), start.getFullPath());
}

TEST_F(FolderChooserTest, LongTitlesAreCutOnACharacterBoundaryAndCancelChoosesNothing)
{
    const std::string exact(259, 'x');
    std::string shown;
    auto answer = [&shown](HWND dialog) {
        shown = DialogAnswerer::textOf(GetDlgItem(dialog, kPromptId));
        DialogAnswerer::press(dialog, IDCANCEL);
        return true;
    };
    {
        DialogAnswerer answerer(answer);
        EXPECT_FALSE(chooser.show(nullptr, exact, start));
    }
    EXPECT_EQ(shown, exact);

    // One byte and 130 double-byte characters: 261 bytes, of which 259 fit only by
    // splitting the last character, so it goes whole.
    std::string japanese = "a";
    for (int i = 0; i < 130; ++i) {
        japanese += "あ";
    }
    {
        DialogAnswerer answerer(answer);
        EXPECT_FALSE(chooser.show(nullptr, japanese, start));
    }
    EXPECT_EQ(shown, japanese.substr(0, 259));
    EXPECT_TRUE(chooser.getFolder().isEmpty());
}

}  // namespace
