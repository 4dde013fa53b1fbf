#include "framework/gui/HScrollBar.h"

#include <vector>

#include <gtest/gtest.h>

#include "framework/gui/HScrollBarListener.h"
#include "tests/support/TestWindow.h"

namespace {

// Keeps the default handling and writes down what it was asked.
class ScrollRecorder : public HScrollBarListener {
public:
    explicit ScrollRecorder(int orientation) : HScrollBarListener(orientation) {}
    bool onScroll(HScrollBar* bar, int position) override
    {
        scrolls.push_back(position);
        return HScrollBarListener::onScroll(bar, position);
    }
    bool onTrack(HScrollBar* bar, int position) override
    {
        tracks.push_back(position);
        return HScrollBarListener::onTrack(bar, position);
    }
    std::vector<int> scrolls;
    std::vector<int> tracks;
};

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vertical.setBounds(260, 0, 16, 150);
        horizontal.setBounds(0, 160, 250, 16);
        // Range 0..10 with a page of 3: the highest position a request reaches is 8.
        vertical.setParameters(HScrollBar::VERTICAL, 0, 10, 3, 2, 0);
        horizontal.setParameters(HScrollBar::HORIZONTAL, 0, 10, 3, 2, 0);
        window.addEventListener(&verticalListener);
        window.addEventListener(&horizontalListener);
        window.create();
        ASSERT_NE(vertical.getHandle(), nullptr);
    }
    int request(HScrollBar& bar, WORD code, WORD thumb = 0)
    {
        UINT message = bar.getOrientation() == HScrollBar::HORIZONTAL ? WM_HSCROLL : WM_VSCROLL;
        SendMessageA(window.getHandle(), message, MAKEWPARAM(code, thumb),
                     reinterpret_cast<LPARAM>(bar.getHandle()));
        return bar.getPosition();
    }
    // The position the native control shows, read without the class under test.
    int nativePosition(HScrollBar& bar) { return GetScrollPos(bar.getHandle(), SB_CTL); }

    TestWindow window;
    HScrollBar vertical{&window, 2002, ""};
    HScrollBar horizontal{&window, 2003, ""};
    ScrollRecorder verticalListener{HScrollBar::VERTICAL};
    ScrollRecorder horizontalListener{HScrollBar::HORIZONTAL};
};

TEST_F(ScrollBarTest, RequestsMoveTheBarWithinItsLimitsAndReachItsListenerAlone)
{
    EXPECT_EQ(request(vertical, SB_LINEUP), 0);
    EXPECT_EQ(request(vertical, SB_LINEDOWN), 2);
    EXPECT_EQ(request(vertical, SB_PAGEDOWN), 5);
    EXPECT_EQ(request(vertical, SB_PAGEDOWN), 8);
    EXPECT_EQ(request(vertical, SB_LINEDOWN), 8);
    EXPECT_EQ(request(vertical, SB_PAGEDOWN), 8);
    EXPECT_EQ(nativePosition(vertical), 8);
    EXPECT_EQ(request(vertical, SB_PAGEUP), 5);
    EXPECT_EQ(request(vertical, SB_LINEUP), 3);
    EXPECT_EQ(request(vertical, SB_PAGEUP), 0);
    EXPECT_EQ(request(vertical, SB_PAGEUP), 0);
    EXPECT_EQ(verticalListener.scrolls, (std::vector<int>{0, 2, 5, 8, 8, 8, 5, 3, 0, 0}));
    const size_t heard = verticalListener.scrolls.size();

    EXPECT_EQ(request(horizontal, SB_BOTTOM), 8);
    EXPECT_EQ(request(horizontal, SB_TOP), 0);
    EXPECT_EQ(request(horizontal, SB_THUMBPOSITION, 6), 6);
    EXPECT_EQ(nativePosition(horizontal), 6);
    // Tracking reports the thumb but leaves moving the bar to the listener.
    EXPECT_EQ(request(horizontal, SB_THUMBTRACK, 2), 6);
    EXPECT_EQ(horizontalListener.tracks, (std::vector<int>{2}));
    EXPECT_EQ(request(horizontal, SB_ENDSCROLL), 6);
    EXPECT_EQ(horizontalListener.scrolls, (std::vector<int>{8, 0, 6}));
    // The vertical listener heard none of it, nor of a disabled bar or a foreign control.
    vertical.setEnabled(false);
    EXPECT_EQ(request(vertical, SB_LINEDOWN), 0);
    SendMessageA(window.getHandle(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(verticalListener.scrolls.size(), heard);
    EXPECT_TRUE(verticalListener.tracks.empty());
}

TEST_F(ScrollBarTest, ParametersReachTheNativeControl)
{
    vertical.setParameters(HScrollBar::VERTICAL, 0, 40, 10, 32, 7);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(vertical.getHandle(), SB_CTL, &info));
    EXPECT_EQ(info.nMax, 40);
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_EQ(info.nPos, 7);
    // A position set on the control itself is what the bar reports.
    SetScrollPos(vertical.getHandle(), SB_CTL, 12, FALSE);
    EXPECT_EQ(vertical.getPosition(), 12);
    EXPECT_NE(GetWindowLongPtrA(vertical.getHandle(), GWL_STYLE) & SBS_VERT, 0);
    EXPECT_EQ(GetWindowLongPtrA(horizontal.getHandle(), GWL_STYLE) & SBS_VERT, 0);
}

}  // namespace
