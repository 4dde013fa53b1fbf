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

// A right part keeps its width at the bar's right end through resizes, and the bar's text
// goes on showing in the part before it; without the right part the bar is simple again.
TEST(HStatusBarTest, ARightPartKeepsItsWidthAtTheRightEnd)
{
    TestWindow window(400, 300);
    window.setResizable(true);
    HStatusBar bar(&window, 2004, "開始", false, false);
    EXPECT_FALSE(bar.setRightPart(60, "early"));
    window.create();
    ASSERT_NE(bar.getHandle(), nullptr);
    auto part = [&](int index) {
        char text[256] = {};
        SendMessageA(bar.getHandle(), SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    auto rightEdge = [&](int index) {
        RECT rect = {};
        SendMessageA(bar.getHandle(), SB_GETRECT, index, reinterpret_cast<LPARAM>(&rect));
        return rect.right;
    };
    EXPECT_FALSE(SendMessageA(bar.getHandle(), SB_ISSIMPLE, 0, 0)) << "kept from before";
    EXPECT_EQ(part(0), "開始");
    EXPECT_EQ(part(1), "early");
    EXPECT_TRUE(bar.setRightPart(60, "50%"));
    EXPECT_TRUE(bar.setWindowText("カーソル位置：( 3, 4)"));
    EXPECT_EQ(part(0), "カーソル位置：( 3, 4)");
    EXPECT_EQ(part(1), "50%");
    for (int width : {500, 320}) {
        SetWindowPos(window.getHandle(), nullptr, 0, 0, width, 300, SWP_NOZORDER | SWP_NOMOVE);
        RECT client;
        GetClientRect(window.getHandle(), &client);
        EXPECT_EQ(rightEdge(0), client.right - 60) << width;
    }
    EXPECT_TRUE(bar.setRightPart(0, ""));
    EXPECT_TRUE(SendMessageA(bar.getHandle(), SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(part(0), "カーソル位置：( 3, 4)");
}

}  // namespace
