// The main window's layout. The menu and accelerator tables are BMCommandTableTest's; the keys as
// they come from the keyboard (Alt shortcuts, a lone Alt, F10, Alt+F) are the journey's.
#include "editor/shell/BMWindow.h"

#include <string>

#include <gtest/gtest.h>

#include "editor/view/BMDisplay.h"
#include "framework/base/HText.h"
#include "framework/gui/HEventListener.h"
#include "framework/gui/HImageView.h"
#include "framework/gui/HScrollBar.h"
#include "tests/editor/shell/EditorSession.h"

namespace {

// Lets the test make the window larger than the test display, as a user with a larger
// screen could.
class AnySize : public HEventListener {
public:
    AnySize() : HEventListener(HEventType(WM_GETMINMAXINFO, "WM_GETMINMAXINFO")) {}
    bool handleEvent(HWND, UINT, WPARAM, LPARAM lParam, HComponent*, LRESULT* result) override
    {
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMaxTrackSize = {4000, 4000};
        *result = 0;
        return true;
    }
};

class WindowTest : public ::testing::Test {
protected:
    // Gives the window a client area of exactly width x height.
    void resizeClient(int width, int height)
    {
        RECT frame = {0, 0, width, height};
        AdjustWindowRectEx(&frame, GetWindowLongA(editor.handle(), GWL_STYLE), TRUE,
                           GetWindowLongA(editor.handle(), GWL_EXSTYLE));
        SetWindowPos(editor.handle(), nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client;
        GetClientRect(editor.handle(), &client);
        ASSERT_EQ(client.right, width);
        ASSERT_EQ(client.bottom, height);
    }
    HScrollBar* bar(uint32_t id) { return dynamic_cast<HScrollBar*>(editor.window().findById(id)); }

    EditorSession editor;
    AnySize anySize;
};

TEST_F(WindowTest, LayoutFitsTheViewAndShowsABarOnlyBelowTheCanvasSize)
{
    editor.window().addEventListener(&anySize);
    // The start panel has nothing to scroll to; the first map brings the bars.
    resizeClient(640, 480);
    EXPECT_FALSE(bar(BMWindow::ID_VERTICAL_BAR)->isVisible());
    EXPECT_FALSE(bar(BMWindow::ID_HORIZONTAL_BAR)->isVisible());
    EXPECT_EQ(editor.display()->getLayout().getViewSize().x, 640);
    ASSERT_TRUE(editor.open("Default"));
    EXPECT_TRUE(bar(BMWindow::ID_VERTICAL_BAR)->isVisible());
    EXPECT_TRUE(bar(BMWindow::ID_HORIZONTAL_BAR)->isVisible());
    struct Case {
        int width, height;
        bool vertical, horizontal;
        int viewWidth, viewHeight;
    } cases[] = {
        {1296, 1200, false, false, 1296, 1180},
        {1400, 1300, false, false, 1400, 1280},
        {1295, 1200, false, true, 1295, 1164},
        {1296, 1199, true, false, 1280, 1179},
        {640, 480, true, true, 624, 444},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(HText::format("%d x %d", c.width, c.height));
        resizeClient(c.width, c.height);
        RECT view = editor.window().getMapView()->getBounds();
        EXPECT_EQ(view.left, 0);
        EXPECT_EQ(view.top, 0);
        EXPECT_EQ(view.right, c.viewWidth);
        EXPECT_EQ(view.bottom, c.viewHeight);
        EXPECT_EQ(bar(BMWindow::ID_VERTICAL_BAR)->isVisible(), c.vertical);
        EXPECT_EQ(bar(BMWindow::ID_HORIZONTAL_BAR)->isVisible(), c.horizontal);
        if (c.horizontal) {
            EXPECT_EQ(bar(BMWindow::ID_HORIZONTAL_BAR)->getY(), c.viewHeight);
            EXPECT_EQ(bar(BMWindow::ID_HORIZONTAL_BAR)->getPage(), c.viewWidth);
        }
        if (c.vertical) {
            EXPECT_EQ(bar(BMWindow::ID_VERTICAL_BAR)->getX(), c.viewWidth);
            EXPECT_EQ(bar(BMWindow::ID_VERTICAL_BAR)->getPage(), c.viewHeight);
        }
        EXPECT_EQ(editor.display()->getLayout().getViewSize().x, c.viewWidth);
        EXPECT_EQ(editor.display()->getLayout().getViewSize().y, c.viewHeight);
    }
    // Shrinking clamps the scroll position to the canvas minus the view, plus one.
    resizeClient(1296, 1200);
    editor.display()->setScroll(900, 900);
    resizeClient(1000, 800);
    EXPECT_EQ(editor.display()->getLayout().getScroll().x, 1296 - 984 + 1);
    EXPECT_EQ(editor.display()->getLayout().getScroll().y, 1200 - 764 + 1);
    EXPECT_EQ(bar(BMWindow::ID_HORIZONTAL_BAR)->getPosition(), 1296 - 984 + 1);
    EXPECT_EQ(bar(BMWindow::ID_VERTICAL_BAR)->getPosition(), 1200 - 764 + 1);
    editor.window().removeEventListener(&anySize);
}

}  // namespace
