// The version dialog as the user opens it from the menu: what it says, and that OK closes it.
#include <chrono>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMConstants.h"
#include "editor/shell/BMWindow.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/DialogAnswerer.h"

namespace {

BOOL CALLBACK collectLabel(HWND child, LPARAM labels)
{
    if (DialogAnswerer::classOf(child) == "Static") {
        reinterpret_cast<std::vector<std::string>*>(labels)->push_back(DialogAnswerer::textOf(child));
    }
    return TRUE;
}

}  // namespace

TEST(VersionDialog, ShowsVersionBuildDateLicenceAndWhatItUsesUntilOk)
{
    EditorSession editor;  // the item itself: CommandWindowTest
    std::string caption;
    std::vector<std::string> labels;
    HWND shown = nullptr;
    auto start = std::chrono::steady_clock::now();
    {
        DialogAnswerer answerer([&](HWND dialog) {
            shown = dialog;
            caption = DialogAnswerer::textOf(dialog);
            EnumChildWindows(dialog, collectLabel, reinterpret_cast<LPARAM>(&labels));
            DialogAnswerer::press(dialog, IDOK);
            return true;
        });
        editor.command(kCommandVersion);
    }
    // OK closed it at once, not the answerer's cancel after ten seconds.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(caption, "ﾊﾞｰｼﾞｮﾝ情報");
    ASSERT_EQ(labels.size(), 4u);
    // The version the window title shows while no scenario is open.
    EXPECT_EQ(labels[0], DialogAnswerer::textOf(editor.handle()));
    EXPECT_EQ(labels[0], std::string(APPLICATION_NAME) + " " + APPLICATION_VERSION);
    const std::string built = "ビルド日: ";  // Shift-JIS: kept out of the pattern
    EXPECT_EQ(labels[1].substr(0, built.size()), built);
    EXPECT_TRUE(std::regex_match(labels[1].substr(built.size()),
                                 std::regex("20[0-9]{2}-(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01])")))
        << labels[1];
    EXPECT_EQ(labels[2], APPLICATION_COPYRIGHT);
    EXPECT_NE(labels[2].find("MIT License"), std::string::npos);
    for (const char* used : {"Win32", "Direct3D 9", "WIC"}) {
        EXPECT_NE(labels[3].find(used), std::string::npos) << used;
    }
}
