// The main window: its layout, and its keys as they come from the keyboard (the menu and
// accelerator tables themselves are BMCommandTableTest's).
#include "editor/shell/BMWindow.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/view/BMDisplay.h"
#include "framework/base/HText.h"
#include "framework/gui/HEventListener.h"
#include "framework/gui/HImageView.h"
#include "framework/gui/HScrollBar.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/LogCapture.h"
#include "tests/support/RecordingListener.h"

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

// Keys as the keyboard driver posts them, handed to the window one at a time from inside its
// message loop, each with the keyboard state it leaves (what the accelerator table and the
// default window procedure read while it is handled). Once the keys are out, Escape closes
// whatever menu they opened, and the loop ends.
class KeyScript : public HEventListener {
public:
    static constexpr UINT NEXT = WM_APP + 100;
    struct Key {
        UINT message;
        UINT key;
    };

    KeyScript(std::vector<Key> keys, const std::vector<std::string>* menus)
        : HEventListener(HEventType(NEXT, "NEXT_KEY")), m_keys(std::move(keys)), m_menus(menus)
    {
    }
    ~KeyScript() override { setKeyState(0, false, true); }

    bool handleEvent(HWND window, UINT, WPARAM, LPARAM, HComponent*, LRESULT* result) override
    {
        *result = 0;
        if (m_next < m_keys.size()) {
            post(window, m_keys[m_next++]);
        } else if (menusOpen() && m_escapes++ < 10) {
            post(window, {WM_KEYDOWN, VK_ESCAPE});
            post(window, {WM_KEYUP, VK_ESCAPE});
        } else {
            PostQuitMessage(0);
            return true;
        }
        PostMessageA(window, NEXT, 0, 0);
        return true;
    }

private:
    bool menusOpen() const
    {
        return std::count(m_menus->begin(), m_menus->end(), "enter")
               > std::count(m_menus->begin(), m_menus->end(), "exit");
    }
    static void setKeyState(UINT key, bool down, bool clearAll = false)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        if (clearAll) {
            std::fill(std::begin(keys), std::end(keys), 0);
        } else {
            keys[key] = down ? 0x80 : 0;
            if (key == VK_MENU) {
                keys[VK_LMENU] = keys[key];
            }
        }
        SetKeyboardState(keys);
    }
    static void post(HWND window, const Key& key)
    {
        bool down = key.message == WM_KEYDOWN || key.message == WM_SYSKEYDOWN;
        setKeyState(key.key, down);
        LPARAM lParam = 1 | (static_cast<LPARAM>(MapVirtualKeyA(key.key, MAPVK_VK_TO_VSC)) << 16);
        if ((key.message == WM_SYSKEYDOWN || key.message == WM_SYSKEYUP) && key.key != VK_F10) {
            lParam |= static_cast<LPARAM>(KF_ALTDOWN) << 16;
        }
        if (!down) {
            lParam |= static_cast<LPARAM>(KF_REPEAT | KF_UP) << 16;
        }
        PostMessageA(window, key.message, key.key, lParam);
    }

    std::vector<Key> m_keys;
    const std::vector<std::string>* m_menus;  // not owned: "enter" and "exit" of menu loops
    size_t m_next = 0;
    int m_escapes = 0;
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

// An Alt shortcut runs its command and leaves the menu bar alone: the letters after it run the
// editor's own commands. A lone Alt tap, F10 and Alt+F still open the menus.
TEST_F(WindowTest, AltShortcutsLeaveTheMenuBarToAltTapsF10AndMnemonics)
{
    ASSERT_TRUE(editor.open("Default"));
    BMWindow& window = editor.window();
    std::vector<std::string> menus;  // menu loops entered and left
    std::vector<std::string> popups;
    RecordingListener entered(HEventType(WM_ENTERMENULOOP, "WM_ENTERMENULOOP"), "enter", &menus);
    RecordingListener left(HEventType(WM_EXITMENULOOP, "WM_EXITMENULOOP"), "exit", &menus);
    RecordingListener opened(HEventType(WM_INITMENUPOPUP, "WM_INITMENUPOPUP"), "popup", &popups);
    window.addEventListener(&entered);
    window.addEventListener(&left);
    window.addEventListener(&opened);
    HMENU fileMenu = GetSubMenu(GetMenu(editor.handle()), 0);
    using K = KeyScript::Key;
    const K altDown = {WM_SYSKEYDOWN, VK_MENU};
    const K altUp = {WM_SYSKEYUP, VK_MENU};
    struct Case {
        const char* what;
        std::vector<K> keys;
        uint32_t hidden;  // the view flags the keys turned off
        bool menu;
        bool fileMenu;
    } cases[] = {
        // Alt let go before the digit, as X delivers xdotool's "alt+4" and as quick hands
        // do: the digit's release comes after the system keys have ended.
        {"Alt+4, c, f",
         {altDown, {WM_SYSKEYDOWN, '4'}, altUp, {WM_KEYUP, '4'}, {WM_KEYDOWN, 'C'},
          {WM_KEYUP, 'C'}, {WM_KEYDOWN, 'F'}, {WM_KEYUP, 'F'}},
         VIEW_GRID, false, false},
        {"Alt+Shift+5, Alt+9, u",
         {{WM_KEYDOWN, VK_SHIFT}, altDown, {WM_SYSKEYDOWN, '5'}, altUp, {WM_KEYUP, '5'},
          {WM_KEYUP, VK_SHIFT}, altDown, {WM_SYSKEYDOWN, '9'}, {WM_SYSKEYUP, '9'}, altUp,
          {WM_KEYDOWN, 'U'}, {WM_KEYUP, 'U'}},
         VIEW_CHAR | VIEW_OBJ_ORDER, false, false},
        {"Alt", {altDown, altUp}, 0, true, false},
        {"F10", {{WM_SYSKEYDOWN, VK_F10}, {WM_SYSKEYUP, VK_F10}}, 0, true, false},
        {"Alt+F", {altDown, {WM_SYSKEYDOWN, 'F'}, {WM_SYSKEYUP, 'F'}, altUp}, 0, true, true},
    };
    std::string log;
    {
        LogCapture capture({"debug"});
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            menus.clear();
            size_t before = opened.getWParams().size();
            KeyScript script(c.keys, &menus);
            window.addEventListener(&script);
            PostMessageA(editor.handle(), KeyScript::NEXT, 0, 0);
            EXPECT_TRUE(window.show(true));
            window.removeEventListener(&script);
            const std::vector<std::string> loop = {"enter", "exit"};
            EXPECT_EQ(menus, c.menu ? loop : std::vector<std::string>());
            const std::vector<WPARAM>& shown = opened.getWParams();
            WPARAM file = reinterpret_cast<WPARAM>(fileMenu);
            EXPECT_EQ(std::count(shown.begin() + before, shown.end(), file), c.fileMenu ? 1 : 0);
            // Each loop starts on a new display, with the initial view.
            EXPECT_EQ(editor.display()->getLayout().getViewFlags(), VIEW_INITIAL & ~c.hidden);
        }
        log = capture.text();
    }
    // The letters ran their own commands: c and f set the current chip and placement group,
    // u chose the next chip.
    std::string self = HText::address(&window);
    for (const char* ran : {"OP2154:%s 2161 ", "OP2154:%s 2164 ", "OP2316:%s 2316 "}) {
        std::string line = ran;
        line.replace(line.find("%s"), 2, self);
        EXPECT_NE(log.find(line), std::string::npos) << line;
    }
}

}  // namespace
