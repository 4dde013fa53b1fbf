#include "framework/HStatusBar.h"

#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "framework/HWindow.h"
#include "tests/support/MessagePump.h"

namespace {

// Pixels of the bar's client area dark enough to be text (the platform gives no way to read
// the simple part's text back).
int textPixels(HWND bar)
{
    UpdateWindow(bar);
    RECT client;
    GetClientRect(bar, &client);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HDC source = GetDC(bar);
    BitBlt(memory, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
    ReleaseDC(bar, source);
    int dark = 0;
    const uint32_t* pixels = static_cast<const uint32_t*>(bits);
    for (LONG i = 0; i < client.right * client.bottom; ++i) {
        uint32_t p = pixels[i];
        if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 150) {
            ++dark;
        }
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return dark;
}

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setClassName("TesselStatusBar");
        window.setBounds(0, 0, 400, 300);
        window.setResizable(true);
    }
    void TearDown() override
    {
        window.dispose();
        MessagePump::drain();
    }
    HWindow window;
};

TEST_F(StatusBarTest, ShowsItsTextFromTheStartAndAfterwards)
{
    HStatusBar bar(&window, 2004, "開始", false, false);
    EXPECT_FALSE(bar.setWindowText("early"));
    window.create();
    ASSERT_NE(bar.getHandle(), nullptr);
    ShowWindow(window.getHandle(), SW_SHOW);
    EXPECT_TRUE(SendMessageA(bar.getHandle(), SB_ISSIMPLE, 0, 0));
    int start = textPixels(bar.getHandle());
    EXPECT_GT(start, 0);
    EXPECT_TRUE(bar.setWindowText(""));
    EXPECT_EQ(textPixels(bar.getHandle()), 0);
    EXPECT_TRUE(bar.setWindowText("カーソル位置：( 3, 4)"));
    EXPECT_GT(textPixels(bar.getHandle()), start);
}

TEST_F(StatusBarTest, FollowsTheBottomEdgeWhenTheWindowIsResizedWithASizeGripThere)
{
    HStatusBar bar(&window, 2004, "", false, true);
    HStatusBar top(&window, 2005, "", true, true);
    HStatusBar plain(&window, 2006, "", false, false);
    window.create();
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
