#include "framework/gui/HFileChooser.h"

#include <string>

#include <gtest/gtest.h>

#include "framework/gui/HApplication.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/TestFolder.h"

namespace {

const int kFileNameId = 1148;  // the file-name box of the explorer-style dialog
const int kMessageTextId = 0xFFFF;

bool isMessageBox(HWND dialog)
{
    return GetDlgItem(dialog, kMessageTextId) != nullptr;
}

// Types a name into the dialog's file-name box and presses its OK button.
void enterName(HWND dialog, const std::string& name)
{
    HWND box = GetDlgItem(dialog, kFileNameId);
    HWND edit = DialogAnswerer::findChild(box, "Edit", "");
    SetWindowTextA(edit != nullptr ? edit : box, name.c_str());
    DialogAnswerer::press(dialog, IDOK);
}

class FileChooserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateDirectoryA("保存先", nullptr));
        target = folder.path() + "\\保存先";
        chooser.setStartFolder(target);
        chooser.setTitle("名前をつけて保存");
    }

    TestFolder folder;
    std::string target;
    HFileChooser chooser;
};

TEST_F(FileChooserTest, NewNameInTheStartFolderIsChosenAndACancelKeepsIt)
{
    std::string title;
    {
        DialogAnswerer answerer([&](HWND dialog) {
            if (isMessageBox(dialog)) {
                DialogAnswerer::press(dialog, IDYES);  // a prompt to create the file
            } else if (title.empty()) {
                title = DialogAnswerer::textOf(dialog);
                enterName(dialog, "AreaData");
            }
            return false;
        });
        ASSERT_TRUE(chooser.showSave());
    }
    EXPECT_EQ(title, "名前をつけて保存");
    EXPECT_EQ(chooser.getFile().getPath(), target + "\\AreaData");
    // The dialog did not move the process into the chosen folder.
    EXPECT_EQ(HApplication::getCurrentDirectory().getPath(), folder.path());

    // Cancelled, the dialog leaves the name of the last choice, whatever was typed.
    DialogAnswerer answerer([](HWND dialog) {
        HWND box = GetDlgItem(dialog, kFileNameId);
        SetWindowTextA(DialogAnswerer::findChild(box, "Edit", ""), "typed but cancelled");
        DialogAnswerer::press(dialog, IDCANCEL);
        return true;
    });
    EXPECT_FALSE(chooser.showSave());
    EXPECT_EQ(chooser.getFile().getPath(), target + "\\AreaData");
}

TEST_F(FileChooserTest, ExistingFileIsReplacedOnlyAfterTheUserAgrees)
{
    TestFolder::write("保存先\\AreaData", "keep");
    int prompts = 0;
    bool cancelled = false;
    DialogAnswerer answerer([&](HWND dialog) {
        if (isMessageBox(dialog)) {
            ++prompts;
            DialogAnswerer::press(dialog, IDNO);
        } else if (prompts == 0) {
            enterName(dialog, "AreaData");
        } else {
            DialogAnswerer::press(dialog, IDCANCEL);
            cancelled = true;
            return true;
        }
        return false;
    });
    EXPECT_FALSE(chooser.showSave());
    EXPECT_EQ(prompts, 1);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(TestFolder::read("保存先\\AreaData"), "keep");
}

}  // namespace
