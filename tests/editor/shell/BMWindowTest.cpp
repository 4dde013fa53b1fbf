// The main window: its layout, its menu and accelerator tables, and the command table that
// WM_COMMAND reaches every handler through.
#include "editor/shell/BMWindow.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "editor/view/BMDisplay.h"
#include "framework/base/HText.h"
#include "framework/gui/HEventListener.h"
#include "framework/gui/HImageView.h"
#include "framework/gui/HMenuItem.h"
#include "framework/gui/HScrollBar.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/LogCapture.h"

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

}  // namespace
