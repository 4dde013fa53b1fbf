#include "framework/gui/HStatusBar.h"

#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"

namespace {

// The text of the bar's simple part, the one it shows: a simple bar answers with it whatever
// the part asked (Wine), and with its own parts' texts once it is no simple bar.
std::string shownText(const HStatusBar& bar)
{
    char text[256] = {};
    SendMessageA(bar.getHandle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(HStatusBarTest, ShowsItsTextAndFollowsTheBottomEdgeWithASizeGripThere)
{
    TestWindow window(400, 300);
    window.setResizable(true);
    HStatusBar bar(&window, 2004, "開始", false, true);
    HStatusBar top(&window, 2005, "", true, true);
    HStatusBar plain(&window, 2006, "", false, false);
    EXPECT_FALSE(bar.setWindowText("early"));
    window.create();
    ASSERT_NE(bar.getHandle(), nullptr);
    EXPECT_TRUE(SendMessageA(bar.getHandle(), SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(shownText(bar), "開始");
    EXPECT_TRUE(bar.setWindowText(""));
    EXPECT_EQ(shownText(bar), "");
    EXPECT_TRUE(bar.setWindowText("カーソル位置：( 3, 4)"));
    EXPECT_EQ(shownText(bar), "カーソル位置：( 3, 4)");

    EXPECT_NE(GetWindowLongPtrA(bar.getHandle(), GWL_STYLE) & SBARS_SIZEGRIP, 0);
    EXPECT_EQ(GetWindowLongPtrA(top.getHandle(), GWL_STYLE) & SBARS_SIZEGRIP, 0);
    EXPECT_EQ(GetWindowLongPtrA(plain.getHandle(), GWL_STYLE) & SBARS_SIZEGRIP, 0);
    ShowWindow(window.getHandle(), SW_SHOW);
    SetWindowPos(window.getHandle(), nullptr, 0, 0, 500, 420, SWP_NOZORDER | SWP_NOMOVE);
    RECT client;
    GetClientRect(window.getHandle(), &client);
    EXPECT_EQ(bar.getY() + bar.getHeight(), client.bottom);
    EXPECT_EQ(bar.getWidth(), client.right);
    EXPECT_GT(bar.getHeight(), 0);

    ShowWindow(window.getHandle(), SW_MAXIMIZE);
    GetClientRect(window.getHandle(), &client);
    EXPECT_EQ(bar.getY() + bar.getHeight(), client.bottom);
    EXPECT_EQ(bar.getWidth(), client.right);
}

}  // namespace
