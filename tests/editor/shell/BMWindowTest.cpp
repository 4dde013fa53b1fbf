// The main window: its layout, its menu and accelerator tables, and the command table that
// WM_COMMAND reaches every handler through.
#include "editor/shell/BMWindow.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/view/BMDisplay.h"
#include "framework/base/HText.h"
#include "framework/gui/HEventListener.h"
#include "framework/gui/HImageView.h"
#include "framework/gui/HMenuItem.h"
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
    EXPECT_EQ(editor.display()->getViewSize().x, 640);
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
        EXPECT_EQ(editor.display()->getViewSize().x, c.viewWidth);
        EXPECT_EQ(editor.display()->getViewSize().y, c.viewHeight);
    }
    // Shrinking clamps the scroll position to the canvas minus the view, plus one.
    resizeClient(1296, 1200);
    editor.display()->setScroll(900, 900);
    resizeClient(1000, 800);
    EXPECT_EQ(editor.display()->getScroll().x, 1296 - 984 + 1);
    EXPECT_EQ(editor.display()->getScroll().y, 1200 - 764 + 1);
    EXPECT_EQ(bar(BMWindow::ID_HORIZONTAL_BAR)->getPosition(), 1296 - 984 + 1);
    EXPECT_EQ(bar(BMWindow::ID_VERTICAL_BAR)->getPosition(), 1200 - 764 + 1);
    editor.window().removeEventListener(&anySize);
}

// The key text an accelerator entry stands for, written the way the menu shows keys.
std::string keyText(const ACCEL& entry)
{
    static const std::map<WORD, std::string> names = {
        {VK_UP, "↑"}, {VK_DOWN, "↓"}, {VK_LEFT, "←"}, {VK_RIGHT, "→"},
        {VK_PRIOR, "PageUp"}, {VK_NEXT, "PageDown"}, {VK_HOME, "Home"}, {VK_END, "End"},
        {VK_SPACE, "Space"}, {VK_BACK, "BackSpace"}, {VK_DELETE, "Delete"},
        {VK_ESCAPE, "ESC"}, {VK_F2, "F2"}, {VK_F3, "F3"}, {VK_F4, "F4"}, {VK_F5, "F5"},
        {VK_F6, "F6"}, {VK_F7, "F7"}, {VK_F8, "F8"}};
    auto name = names.find(entry.key);
    std::string key = name != names.end() ? name->second : std::string(1, char(entry.key));
    bool ctrl = entry.fVirt & FCONTROL, shift = entry.fVirt & FSHIFT, alt = entry.fVirt & FALT;
    if (ctrl && shift) {
        return "Shift+Ctrl+" + key;
    }
    if (alt && shift) {
        return "Alt+Shift+" + key;
    }
    return std::string(ctrl ? "Ctrl+" : "") + (shift ? "Shift+" : "") + (alt ? "Alt+" : "") + key;
}

TEST_F(WindowTest, EveryShownKeyIsTheKeyBoundToItsItem)
{
    BMWindow& window = editor.window();
    ASSERT_EQ(window.getAcceleratorCount(), 85);
    std::map<std::pair<int, int>, int> commands;  // (flags, key) -> command
    std::multimap<uint16_t, std::pair<int, WORD>> zoomKeys;
    for (int i = 0; i < window.getAcceleratorCount(); ++i) {
        const ACCEL& entry = window.getAccelerator(i);
        // No key runs two commands: the table would take only the first.
        const auto bound = commands.emplace(std::make_pair(entry.fVirt, entry.key), entry.cmd);
        EXPECT_TRUE(bound.second) << keyText(entry) << " runs " << bound.first->second << " and "
                                  << entry.cmd;
        EXPECT_EQ(entry.fVirt & (FVIRTKEY | FNOINVERT), FVIRTKEY | FNOINVERT);
        if (i > 0) {
            EXPECT_LE(window.getAccelerator(i - 1).cmd, entry.cmd);
        }
        // "+" and "-" stand for the keypad's keys and the main keyboard's (+ is shifted there).
        if (entry.cmd == 2201 || entry.cmd == 2202) {
            zoomKeys.insert({entry.cmd, {entry.fVirt & (FSHIFT | FCONTROL | FALT), entry.key}});
            continue;
        }
        HComponent* item = window.getMenuItem(entry.cmd);
        ASSERT_NE(item, nullptr) << entry.cmd;
        std::string label = item->getText();
        EXPECT_EQ(label.substr(label.find('\t') + 1), keyText(entry)) << entry.cmd;
    }
    int items = 0;
    for (uint32_t id = 2100; id <= 2408; ++id) {
        items += dynamic_cast<HMenuItem*>(window.getMenuItem(id)) != nullptr;
    }
    EXPECT_EQ(items, 112);
    using Key = std::pair<const uint16_t, std::pair<int, WORD>>;
    EXPECT_EQ(zoomKeys, (std::multimap<uint16_t, std::pair<int, WORD>>{
                            Key{2201, {0, VK_ADD}}, Key{2201, {FSHIFT, VK_OEM_PLUS}},
                            Key{2202, {0, VK_SUBTRACT}}, Key{2202, {0, VK_OEM_MINUS}}}));
    EXPECT_EQ(window.getMenuItem(2201)->getText(), "拡大(&I)\t+");
    EXPECT_EQ(window.getMenuItem(2202)->getText(), "縮小(&U)\t-");
    // What the moving items say they do, next to the keys that run them.
    EXPECT_EQ(window.getMenuItem(2253)->getText(), "カーソル←(&C)\t←");
    EXPECT_EQ(window.getMenuItem(2254)->getText(), "カーソル→(&D)\t→");
    EXPECT_EQ(window.getMenuItem(2257)->getText(), "左端へ移動(&G)\tCtrl+←");
    EXPECT_EQ(window.getMenuItem(2258)->getText(), "右端へ移動(&H)\tCtrl+→");
}

// Every command id, sent as WM_COMMAND, reaches the handler the table names; ids without an
// entry reach the default handler (the scenario items among them).
TEST_F(WindowTest, CommandTableReachesEveryHandler)
{
    std::map<uint32_t, std::string> expected;
    auto expect = [&](uint32_t first, uint32_t last, const char* name) {
        for (uint32_t id = first; id <= last; ++id) {
            expected[id] = name;
        }
    };
    expect(2100, 2500, "OP2500");
    expect(2101, 2101, "OP2101");
    expect(2102, 2102, "OP2102");
    expect(2103, 2103, "OP2103");
    expect(2104, 2104, "OP2104");
    expect(2151, 2152, "OP2154");
    expect(2154, 2159, "OP2154");
    expect(2161, 2169, "OP2154");
    expect(2201, 2202, "OP2201");
    expect(2204, 2223, "OP2204");
    expect(2224, 2227, "OP2201");
    expect(2251, 2260, "OP2251");
    expect(2262, 2265, "OP2262");
    expect(2301, 2303, "OP2301");
    expect(2305, 2308, "OP2305");
    expect(2310, 2314, "OP2310");
    expect(2316, 2331, "OP2316");
    expect(2332, 2332, "OP2332");
    expect(2333, 2333, "OP2305");
    expect(2334, 2334, "OP2301");
    expect(2335, 2336, "OP2335");
    expect(2351, 2354, "OP2351");
    expect(2356, 2361, "OP2356");
    expect(2401, 2401, "OP2401");
    expect(2408, 2408, "OP2408");
    expect(2501, 2502, "OP2500");
    expected.erase(2106);  // exit: below, once everything else has run

    std::string log;
    {
        LogCapture capture({"debug"});
        BoxAnswers no(IDNO);  // the folder and save dialogs are cancelled
        for (const auto& entry : expected) {
            editor.command(entry.first);
        }
        editor.command(2106);
        log = capture.text();
    }
    std::string window = HText::address(&editor.window());
    for (const auto& entry : expected) {
        std::string line = entry.second + ":" + window + " " + std::to_string(entry.first) + " ";
        EXPECT_NE(log.find(line), std::string::npos) << line;
    }
    EXPECT_NE(log.find("OP2106:" + window + " 2106 "), std::string::npos);
    EXPECT_EQ(editor.handle(), nullptr);  // edits not saved at the question: the window went
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
            EXPECT_EQ(editor.display()->getViewFlags(), VIEW_INITIAL & ~c.hidden);
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
