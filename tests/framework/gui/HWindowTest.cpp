#include "framework/gui/HWindow.h"

#include <commctrl.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "framework/graphics/HGraphics.h"
#include "framework/gui/HApplication.h"
#include "framework/midi/HMIDIPlayer.h"
#include "tests/support/LogCapture.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MidiFile.h"
#include "tests/support/RecordingMIDISystem.h"
#include "tests/support/RecordingListener.h"
#include "tests/support/TestControl.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestWindow.h"

namespace {

using Journal = std::vector<std::string>;

const UINT kFirstStep = WM_APP + 1;
const UINT kQuitStep = WM_APP + 2;

// Answers a message by calling a function; used to steer the loop from inside.
class Step : public HEventListener {
public:
    Step(UINT code, void (*action)(HWND)) : HEventListener(HEventType(code, "STEP")), m_action(action)
    {
    }
    bool handleEvent(HWND window, UINT, WPARAM, LPARAM, HComponent*, LRESULT* result) override
    {
        m_action(window);
        *result = 0;
        return true;
    }

private:
    void (*m_action)(HWND);
};

// A key as the keyboard driver posts it, with its scan code.
void postKey(HWND window, UINT key)
{
    LPARAM lParam = 1 | (static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16);
    PostMessageA(window, WM_KEYDOWN, key, lParam);
    PostMessageA(window, WM_KEYUP, key, lParam | 0xC0000000);
}

TEST(HWindowTest, AcceleratorKeysBecomeCommandsAndNeverCharactersUpToTheLimit)
{
    TestWindow window;
    ASSERT_EQ(window.addAccelerator(FVIRTKEY | FNOINVERT, 'A', 3001), 1);
    Journal journal;
    RecordingListener commands(HEventType::WM_COMMAND_TYPE, "command", &journal);
    RecordingListener characters(HEventType::WM_CHAR_TYPE, "char", &journal);
    Step first(kFirstStep, [](HWND w) { PostMessageA(w, kQuitStep, 0, 0); });
    Step quit(kQuitStep, [](HWND) { PostQuitMessage(0); });
    window.addEventListener(&commands);
    window.addEventListener(&characters);
    window.addEventListener(&first);
    window.addEventListener(&quit);
    window.create();
    ASSERT_NE(window.getHandle(), nullptr);
    // Added to a window that already runs: built into its table at once.
    ASSERT_EQ(window.addAccelerator(FVIRTKEY, VK_F2, 3002), 2);

    postKey(window.getHandle(), 'A');
    postKey(window.getHandle(), 'B');
    postKey(window.getHandle(), VK_F2);
    PostMessageA(window.getHandle(), kFirstStep, 0, 0);
    EXPECT_TRUE(window.show(true));

    // Commands as accelerators send them (code 1); 'B' is no accelerator, so it shows that
    // characters do come through.
    EXPECT_EQ(commands.getWParams(),
              (std::vector<WPARAM>{MAKEWPARAM(3001, 1), MAKEWPARAM(3002, 1)}));
    EXPECT_EQ(characters.getWParams(), std::vector<WPARAM>{'b'});

    // The 129th accelerator is refused.
    HWindow full;
    for (int i = 0; i < HWindow::ACCELERATOR_LIMIT; ++i) {
        ASSERT_EQ(full.addAccelerator(FVIRTKEY, static_cast<uint16_t>(VK_F1 + i % 12),
                                      static_cast<uint16_t>(3000 + i)),
                  i + 1);
    }
    EXPECT_EQ(full.addAccelerator(FVIRTKEY, 'Z', 4000), -1);
    EXPECT_EQ(full.getAcceleratorCount(), HWindow::ACCELERATOR_LIMIT);
}

TEST(HWindowTest, LoopEndsWhenTheWindowIsDisposed)
{
    static HWindow* s_window = nullptr;
    HWindow window;
    s_window = &window;
    window.setClassName("TesselDisposeEndsLoop");
    window.setBounds(0, 0, 200, 100);
    Step close(kFirstStep, [](HWND) { s_window->dispose(); });
    window.addEventListener(&close);
    window.create();
    PostMessageA(window.getHandle(), kFirstStep, 0, 0);
    EXPECT_TRUE(window.show(true));
    EXPECT_EQ(window.getHandle(), nullptr);
    // The class went with the window.
    WNDCLASSEXA record = {};
    record.cbSize = sizeof(record);
    EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), "TesselDisposeEndsLoop", &record));
    // A second loop of the same object is not ended by the first one's quit message.
    window.create();
    PostMessageA(window.getHandle(), kFirstStep, 0, 0);
    EXPECT_TRUE(window.show(true));
    s_window = nullptr;
}

TEST(HWindowTest, StylesVisibilityAndClassesFollowTheWindowsLife)
{
    TestFolder folder;
    LogCapture log({"info"});
    HWindow window;
    window.setClassName("TesselTwin");
    window.setBounds(0, 0, 200, 100);
    window.setResizable(true);
    window.create();
    ASSERT_NE(window.getHandle(), nullptr);
    LONG_PTR style = GetWindowLongPtrA(window.getHandle(), GWL_STYLE);
    EXPECT_NE(style & WS_THICKFRAME, 0);
    EXPECT_NE(style & WS_MAXIMIZEBOX, 0);
    // show(false) hides without entering the loop.
    ShowWindow(window.getHandle(), SW_SHOW);
    EXPECT_TRUE(window.isShown());
    EXPECT_FALSE(window.show(false));
    EXPECT_FALSE(window.isShown());
    EXPECT_NE(window.getHandle(), nullptr);
    // A class registered by another live window makes no window.
    HWindow twin;
    twin.setClassName("TesselTwin");
    twin.create();
    EXPECT_EQ(twin.getHandle(), nullptr);
    EXPECT_FALSE(twin.show(true));

    window.dispose();
    window.setResizable(false);
    window.create();
    style = GetWindowLongPtrA(window.getHandle(), GWL_STYLE);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    window.dispose();
    MessagePump::drain();
    std::string text = log.text();
    EXPECT_NE(text.find("GetClassInfoEx:true"), std::string::npos);
    EXPECT_NE(text.find("ウィンドウの表示に失敗"), std::string::npos);
}

// Counts the frames the loop asks for.
class FrameCounter : public HWindow {
public:
    void draw(HGraphics* graphics) override
    {
        deviceType = graphics != nullptr ? graphics->getType() : -1;
        ++frames;
    }
    int frames = 0;
    int deviceType = 0;
};

class LoopDrawingTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        HApplication::uninitializeApplication();
        HApplication::initializeApplication(nullptr, nullptr, "", 0, 0);
        MessagePump::drain();
    }
};

TEST_F(LoopDrawingTest, TheLoopKeepsADirect3DDeviceAndDrawsOnceIdleOnlyIfAsked)
{
    static FrameCounter* s_window = nullptr;
    static bool s_hadDevice = false;
    HApplication::initializeApplication(GetModuleHandleA(nullptr), nullptr, "", SW_SHOW,
                                        HApplication::FLAG_DIRECTX);
    FrameCounter window;
    s_window = &window;
    window.setClassName("TesselLoopDrawing");
    window.setBounds(0, 0, 160, 120);
    Step quit(kQuitStep, [](HWND) {
        s_hadDevice = s_window->getLoopGraphics() != nullptr;
        PostQuitMessage(0);
    });
    window.addEventListener(&quit);
    window.create();
    // Posted behind a few idle turns of the loop.
    SetTimer(window.getHandle(), 1, 50, nullptr);
    Step tick(WM_TIMER, [](HWND w) {
        KillTimer(w, 1);
        PostMessageA(w, kQuitStep, 0, 0);
    });
    window.addEventListener(&tick);
    EXPECT_TRUE(window.show(true));
    EXPECT_TRUE(s_hadDevice);
    EXPECT_EQ(window.frames, 0);
    window.dispose();
    MessagePump::drain();
    s_window = nullptr;

    // With idle drawing the loop draws a frame once it has done what was waiting, then
    // sleeps: one frame after each tick of a 100 ms timer, none while nothing comes.
    static std::vector<int> s_framesAtTicks;
    window.removeEventListener(&tick);
    window.removeEventListener(&quit);
    Step ticks(WM_TIMER, [](HWND w) {
        s_framesAtTicks.push_back(s_window->frames);
        if (s_framesAtTicks.size() == 4) {
            KillTimer(w, 2);
            PostQuitMessage(0);
        }
    });
    window.addEventListener(&ticks);
    s_window = &window;
    HApplication::uninitializeApplication();
    HApplication::initializeApplication(GetModuleHandleA(nullptr), nullptr, "", SW_SHOW,
                                        HApplication::FLAG_DIRECTX | HApplication::FLAG_IDLE_DRAW);
    window.create();
    SetTimer(window.getHandle(), 2, 100, nullptr);
    EXPECT_TRUE(window.show(true));
    ASSERT_EQ(s_framesAtTicks.size(), 4u);
    EXPECT_GE(s_framesAtTicks[0], 1);
    for (size_t i = 1; i < s_framesAtTicks.size(); ++i) {
        EXPECT_EQ(s_framesAtTicks[i] - s_framesAtTicks[i - 1], 1) << i;
    }
    EXPECT_EQ(window.deviceType, HGraphics::TYPE_DIRECTX);
    // The device went with the loop.
    EXPECT_EQ(window.getLoopGraphics(), nullptr);
    window.dispose();
    s_window = nullptr;
}

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// While the loop waits for a second, the music plays on the timer's thread, on time; the
// window's timer and then a message posted from another thread each wake the loop at once.
TEST(HWindowLoop, WakesForATimerAndAPostedMessageWhileTheMusicKeepsTime)
{
    const int kIdleMs = 1000;
    const double kLateMs = 100;  // on a busy machine; a loop that never woke would wait forever
    static struct {
        HMIDIPlayer* player;
        Clock::time_point armed;
        double timerLate;
        Clock::time_point posted;
        double postLate;
        std::thread poster;
    } s;
    TestFolder folder;
    // Four notes an eighth apart (250 ms at the default tempo), the first 100 ms after start.
    std::string notes = MidiFile::event(0, {0x90, 60, 64});
    for (int i = 0; i < 3; ++i) {
        notes += MidiFile::event(240, {0x90, 62 + i, 64});
    }
    TestFolder::write("song.mid", MidiFile::file(480, {notes}));
    RecordingMIDISystem midi(RecordingMIDISystem::REAL_TIMER);
    HMIDIPlayer player(nullptr, 2005, "song.mid");
    s.player = &player;

    TestWindow window;
    Step first(kFirstStep, [](HWND w) {
        s.player->play();
        s.armed = Clock::now();
        SetTimer(w, 1, kIdleMs, nullptr);
    });
    Step tick(WM_TIMER, [](HWND w) {
        s.timerLate = msSince(s.armed) - kIdleMs;
        KillTimer(w, 1);
        s.poster = std::thread([w] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            s.posted = Clock::now();
            PostMessageA(w, kQuitStep, 0, 0);
        });
    });
    Step quit(kQuitStep, [](HWND) {
        s.postLate = msSince(s.posted);
        PostQuitMessage(0);
    });
    window.addEventListener(&first);
    window.addEventListener(&tick);
    window.addEventListener(&quit);
    window.create();
    PostMessageA(window.getHandle(), kFirstStep, 0, 0);
    EXPECT_TRUE(window.show(true));
    s.poster.join();

    EXPECT_GE(s.timerLate, -2);
    EXPECT_LT(s.timerLate, kLateMs);
    EXPECT_LT(s.postLate, kLateMs);
    // The notes left at their times, counted from the first: every 250 ms.
    EXPECT_FALSE(player.isPlaying());
    std::vector<double> times;
    for (const auto& sent : midi.record().sent) {
        if ((sent.second & 0xF0) == 0x90) {
            times.push_back(sent.first);
        }
    }
    ASSERT_EQ(times.size(), 4u);
    for (size_t i = 1; i < times.size(); ++i) {
        EXPECT_GE(times[i] - times[0], 250.0 * i - 2) << i;
        EXPECT_LT(times[i] - times[0], 250.0 * i + kLateMs) << i;
    }
}

TEST(HWindowListeners, ControlColoursAndNotificationsGoToTheControlsComponent)
{
    TestWindow window;
    TestControl edit(&window, 300, "EDIT");
    TestControl button(&window, 301, "BUTTON");
    edit.setForeground(HColor(10, 20, 30));
    edit.setBackground(HColor(200, 210, 220));
    Journal journal;
    RecordingListener onButton(HEventType::WM_NOTIFY_TYPE, "button", &journal);
    button.addEventListener(&onButton);
    window.create();
    HDC dc = GetDC(edit.getHandle());
    LRESULT brush = SendMessageA(window.getHandle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(edit.getHandle()));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), edit.ctlColor(nullptr));
    EXPECT_EQ(GetTextColor(dc), RGB(10, 20, 30));
    EXPECT_EQ(GetBkColor(dc), RGB(200, 210, 220));
    LOGBRUSH look = {};
    GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof(look), &look);
    EXPECT_EQ(look.lbColor, RGB(200, 210, 220));
    // A control that is no component gets the platform's colours.
    LRESULT other = SendMessageA(window.getHandle(), WM_CTLCOLORSTATIC,
                                 reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_NE(reinterpret_cast<HBRUSH>(other), edit.ctlColor(nullptr));
    ReleaseDC(edit.getHandle(), dc);

    NMHDR header = {};
    header.hwndFrom = button.getHandle();
    header.idFrom = 301;
    header.code = NM_CLICK;
    onButton.setAnswer(77, true);
    EXPECT_EQ(SendMessageA(window.getHandle(), WM_NOTIFY, 301, reinterpret_cast<LPARAM>(&header)),
              77);
    EXPECT_EQ(journal, (Journal{"button"}));
}

}  // namespace
