#include "framework/gui/HDialog.h"

#include <gtest/gtest.h>

#include "tests/support/DialogAnswerer.h"

namespace {

const int kName = 100;
const int kLink = 101;

// A name field and a list of links; OK refuses an empty name the first times it is pressed.
class NameDialog : public HDialog {
public:
    NameDialog() : HDialog("エリアの編集", 200, 80)
    {
        addLabel("名前", 8, 8, 40, 10);
        addEdit(kName, "ソ連の森", 50, 6, 140, 12);
        addComboList(kLink, {"0: なし", "1: 北の丘", "2: 南の谷"}, 1, 50, 24, 140, 60);
        addButton(IDOK, "OK", 80, 60, 50, 14, true);
        addButton(IDCANCEL, "キャンセル", 140, 60, 50, 14);
    }

    int inits = 0;
    int refusals = 0;
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
            ++refusals;
            focus(kName);
            return false;
        }
        return true;
    }
};

}  // namespace

TEST(HDialog, ShowsItsControlsAndKeepsWhatWasEnteredAtOk)
{
    NameDialog dialog;
    std::string caption;
    std::string label;
    int step = 0;
    DialogAnswerer answerer([&](HWND window) {
        HWND name = GetDlgItem(window, kName);
        if (step == 0) {
            caption = DialogAnswerer::textOf(window);
            label = DialogAnswerer::textOf(DialogAnswerer::findChild(window, "Static", ""));
            // An empty name is refused and the dialog stays.
            SetWindowTextA(name, "");
            DialogAnswerer::press(window, IDOK);
            ++step;
            return false;
        }
        EXPECT_EQ(GetFocus(), name);
        SetWindowTextA(name, "北の森");
        SendDlgItemMessageA(window, kLink, CB_SETCURSEL, 2, 0);
        DialogAnswerer::press(window, IDOK);
        return true;
    });
    EXPECT_EQ(dialog.showModal(nullptr), IDOK);
    EXPECT_EQ(caption, "エリアの編集");
    EXPECT_EQ(label, "名前");
    EXPECT_EQ(dialog.inits, 1);
    EXPECT_EQ(dialog.textAtInit, "ソ連の森");
    EXPECT_EQ(dialog.refusals, 1);
    EXPECT_EQ(dialog.getHandle(), nullptr);
    EXPECT_EQ(dialog.getText(kName), "北の森");
    EXPECT_EQ(dialog.getSelection(kLink), 2);
}

TEST(HDialog, CancelKeepsTheValuesItWasGiven)
{
    NameDialog dialog;
    dialog.setText(kName, "西の島");
    dialog.setSelection(kLink, 0);
    std::string shown;
    int selected = -1;
    DialogAnswerer answerer([&](HWND window) {
        shown = DialogAnswerer::textOf(GetDlgItem(window, kName));
        selected = static_cast<int>(SendDlgItemMessageA(window, kLink, CB_GETCURSEL, 0, 0));
        SetWindowTextA(GetDlgItem(window, kName), "捨てる名前");
        DialogAnswerer::press(window, IDCANCEL);
        return true;
    });
    EXPECT_EQ(dialog.showModal(nullptr), IDCANCEL);
    EXPECT_EQ(shown, "西の島");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(dialog.refusals, 0);
    EXPECT_EQ(dialog.getText(kName), "西の島");
    EXPECT_EQ(dialog.getSelection(kLink), 0);
}
