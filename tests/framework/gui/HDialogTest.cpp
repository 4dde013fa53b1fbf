#include "framework/gui/HDialog.h"

#include <gtest/gtest.h>

#include "tests/support/DialogAnswerer.h"

namespace {

const int kName = 100;
const int kLink = 101;

// A name field and a list of links; OK refuses an empty name. What the editor's dialogs show
// and refuse, their own tests follow through the main window.
class NameDialog : public HDialog {
public:
    NameDialog() : HDialog("エリアの編集", 200, 80)
    {
        addEdit(kName, "ソ連の森", 50, 6, 140, 12);
        addComboList(kLink, {"0: なし", "1: 北の丘", "2: 南の谷"}, 1, 50, 24, 140, 60);
        addButton(IDOK, "OK", 80, 60, 50, 14, true);
        addButton(IDCANCEL, "キャンセル", 140, 60, 50, 14);
    }

    int inits = 0;
    std::string textAtInit;

protected:
    void onInit() override
    {
        ++inits;
        textAtInit = getText(kName);
    }
    bool onOK() override
    {
        if (getText(kName).empty()) {
            focus(kName);
            return false;
        }
        return true;
    }
};

}  // namespace

// Values set before the dialog shows are what it shows; a refused OK leaves the focus on the
// field; what was entered is kept after OK closes the dialog, and a cancel keeps what it had.
TEST(HDialog, KeepsWhatWasEnteredAtOkAndWhatItHadAtCancel)
{
    NameDialog dialog;
    dialog.setText(kName, "西の島");
    dialog.setSelection(kLink, 0);
    std::string shown;
    int selected = -1;
    bool refused = false;
    {
        DialogAnswerer answerer([&](HWND window) {
            HWND name = GetDlgItem(window, kName);
            if (!refused) {
                shown = DialogAnswerer::textOf(name);
                selected = static_cast<int>(SendDlgItemMessageA(window, kLink, CB_GETCURSEL, 0, 0));
                SetWindowTextA(name, "");
                SetFocus(GetDlgItem(window, kLink));  // the refusal must bring it back
                DialogAnswerer::press(window, IDOK);
                refused = true;
                return false;
            }
            EXPECT_EQ(GetFocus(), name);
            SetWindowTextA(name, "北の森");
            SendDlgItemMessageA(window, kLink, CB_SETCURSEL, 2, 0);
            DialogAnswerer::press(window, IDOK);
            return true;
        });
        EXPECT_EQ(dialog.showModal(nullptr), IDOK);
    }
    EXPECT_EQ(shown, "西の島");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(dialog.inits, 1);
    EXPECT_EQ(dialog.textAtInit, "西の島");
    EXPECT_EQ(dialog.getHandle(), nullptr);
    EXPECT_EQ(dialog.getText(kName), "北の森");
    EXPECT_EQ(dialog.getSelection(kLink), 2);

    DialogAnswerer cancel([](HWND window) {
        SetWindowTextA(GetDlgItem(window, kName), "捨てる名前");
        SendDlgItemMessageA(window, kLink, CB_SETCURSEL, 1, 0);
        DialogAnswerer::press(window, IDCANCEL);
        return true;
    });
    EXPECT_EQ(dialog.showModal(nullptr), IDCANCEL);
    EXPECT_EQ(dialog.getText(kName), "北の森");
    EXPECT_EQ(dialog.getSelection(kLink), 2);
}
