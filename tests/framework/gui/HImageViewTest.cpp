#include "framework/gui/HImageView.h"

#include <gtest/gtest.h>

#include "framework/graphics/HImage.h"
#include "tests/support/TestWindow.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

void fillArea(HDC dc, int left, int top, int right, int bottom, COLORREF color)
{
    RECT area = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

class ImageViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.setBounds(10, 10, 64, 48);
        view.setBackground(HColor::WHITE);
        window.create();
        ASSERT_NE(view.getHandle(), nullptr);
        ShowWindow(window.getHandle(), SW_SHOW);
        UpdateWindow(window.getHandle());
    }
    // Paints the view through a real WM_PAINT.
    void repaintNow()
    {
        view.repaint();
        UpdateWindow(view.getHandle());
    }
    COLORREF pixel(int x, int y)
    {
        HDC dc = GetDC(view.getHandle());
        COLORREF color = GetPixel(dc, x, y);
        ReleaseDC(view.getHandle(), dc);
        return color;
    }

    TestWindow window;
    HImageView view{&window, 2001, ""};
};

TEST_F(ImageViewTest, PaintsTheContentFromItsOffsetInAViewSizedBufferAndNothingWithout)
{
    // Without content, painting leaves the window as it was; the platform never erases the
    // view's background either.
    EXPECT_EQ(view.getImage(), nullptr);
    HDC dc = GetDC(view.getHandle());
    fillArea(dc, 0, 0, 64, 48, kGreen);
    EXPECT_EQ(SendMessageA(view.getHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    ReleaseDC(view.getHandle(), dc);
    view.paint();
    EXPECT_EQ(pixel(0, 0), kGreen);
    EXPECT_EQ(pixel(63, 47), kGreen);

    view.setImageSize(128, 48);
    HDC content = view.getImage()->getDC();
    fillArea(content, 0, 0, 20, 48, kRed);
    fillArea(content, 20, 0, 128, 48, kBlue);
    repaintNow();
    EXPECT_EQ(pixel(5, 5), kRed);
    EXPECT_EQ(pixel(30, 40), kBlue);

    view.setOffset(20, 0);
    repaintNow();
    EXPECT_EQ(pixel(0, 0), kBlue);
    EXPECT_EQ(pixel(63, 47), kBlue);
    // Past the content's right edge the background shows.
    view.setOffset(100, 0);
    repaintNow();
    EXPECT_EQ(pixel(10, 10), kBlue);
    EXPECT_EQ(pixel(40, 10), kWhite);

    view.setOffset(0, 0);
    view.setImageSize(200, 100);
    fillArea(view.getImage()->getDC(), 0, 0, 200, 100, kRed);
    view.setBounds(10, 10, 150, 90);
    view.layout();
    repaintNow();
    EXPECT_EQ(pixel(140, 80), kRed);
}

TEST_F(ImageViewTest, AnimationShowsOneFrameAtATimeAndWrapsOnTimerTicks)
{
    view.setImageSize(48, 16);
    HDC content = view.getImage()->getDC();
    fillArea(content, 0, 0, 16, 16, kRed);
    fillArea(content, 16, 0, 32, 16, kGreen);
    fillArea(content, 32, 0, 48, 16, kBlue);
    view.startAnimation(16, 16, 3, false, 60000);
    repaintNow();
    EXPECT_EQ(pixel(8, 8), kRed);
    EXPECT_EQ(pixel(20, 8), kWhite);  // outside the frame: background

    SendMessageA(view.getHandle(), WM_TIMER, view.getId(), 0);
    UpdateWindow(view.getHandle());
    EXPECT_EQ(pixel(8, 8), kGreen);
    SendMessageA(view.getHandle(), WM_TIMER, view.getId(), 0);
    SendMessageA(view.getHandle(), WM_TIMER, view.getId(), 0);
    UpdateWindow(view.getHandle());
    EXPECT_EQ(view.getFrame(), 0);
    EXPECT_EQ(pixel(8, 8), kRed);

    view.stopAnimation();
    EXPECT_EQ(view.getFrame(), -1);
    view.nextFrame();
    EXPECT_EQ(view.getFrame(), -1);
    EXPECT_EQ(pixel(8, 8), kWhite);

    // Stacked frames are taken from rows.
    view.setImageSize(16, 32);
    content = view.getImage()->getDC();
    fillArea(content, 0, 0, 16, 16, kBlue);
    fillArea(content, 0, 16, 16, 32, kGreen);
    view.startAnimation(16, 16, 2, true, 60000);
    view.nextFrame();
    repaintNow();
    EXPECT_EQ(pixel(8, 8), kGreen);
}

}  // namespace
