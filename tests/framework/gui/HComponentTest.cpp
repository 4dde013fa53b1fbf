#include "framework/gui/HComponent.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/MessagePump.h"
#include "tests/support/RecordingListener.h"
#include "tests/support/TestControl.h"
#include "tests/support/TestWindow.h"

namespace {

const UINT kProbe = WM_APP + 7;
const HEventType kProbeType(kProbe, "WM_APP_PROBE");

using Journal = std::vector<std::string>;

// A shown top-level window of the framework, made afresh for each test.
class ComponentTest : public ::testing::Test {
protected:
    void createShown()
    {
        window.create();
        ASSERT_NE(window.getHandle(), nullptr);
        ShowWindow(window.getHandle(), SW_SHOW);
    }

    TestWindow window{320, 240};
    Journal journal;
};

TEST_F(ComponentTest, ListenersRunInOrderChainedOnesFirstDisabledOnesSkippedUntilOneStops)
{
    TestControl button(&window, 99, "BUTTON");
    createShown();
    RecordingListener first(kProbeType, "first", &journal);
    RecordingListener second(kProbeType, "second", &journal);
    RecordingListener third(kProbeType, "third", &journal);
    RecordingListener chained(kProbeType, "chained", &journal);
    RecordingListener child(kProbeType, "child", &journal);
    second.setNext(&chained);
    EXPECT_EQ(window.addEventListener(&first), 1u);
    EXPECT_EQ(window.addEventListener(&second), 2u);
    EXPECT_EQ(window.addEventListener(&third), 3u);
    button.addEventListener(&child);
    SendMessageA(window.getHandle(), kProbe, 0, 0);
    EXPECT_EQ(journal, (Journal{"first", "chained", "second", "third"}));

    journal.clear();
    first.setEnabled(false);
    first.setAnswer(-1, false);
    second.setAnswer(-1, false);
    SendMessageA(window.getHandle(), kProbe, 0, 0);
    EXPECT_EQ(journal, (Journal{"chained", "second"}));

    // Switching a container's events switches its children's too.
    journal.clear();
    window.setEventsEnabled(false);
    SendMessageA(window.getHandle(), kProbe, 0, 0);
    SendMessageA(button.getHandle(), kProbe, 0, 0);
    EXPECT_TRUE(journal.empty());
    window.setEventsEnabled(true);
    SendMessageA(button.getHandle(), kProbe, 0, 0);
    EXPECT_EQ(journal, (Journal{"child"}));
}

TEST_F(ComponentTest, AStoredResultConsumesTheMessageElseTheWindowsOwnProcedureAnswers)
{
    window.setText("Title");
    TestControl edit(&window, 100, "EDIT");
    createShown();
    RecordingListener observer(HEventType(WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"), "observer",
                               &journal);
    window.addEventListener(&observer);
    // Left at -1: the platform's default procedure answers with the title's length.
    EXPECT_EQ(SendMessageA(window.getHandle(), WM_GETTEXTLENGTH, 0, 0), 5);
    EXPECT_EQ(journal.size(), 1u);

    observer.setAnswer(42, true);
    EXPECT_EQ(SendMessageA(window.getHandle(), WM_GETTEXTLENGTH, 0, 0), 42);
    observer.setAnswer(0, true);
    EXPECT_EQ(SendMessageA(window.getHandle(), WM_GETTEXTLENGTH, 0, 0), 0);

    // A control taken over keeps its own procedure for the messages nobody answers.
    journal.clear();
    HWND control = edit.getHandle();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(HComponent::fromHandle(control), &edit);

    RecordingListener limits(HEventType(EM_GETLIMITTEXT, "EM_GETLIMITTEXT"), "limits", &journal);
    edit.addEventListener(&limits);
    SendMessageA(control, EM_SETLIMITTEXT, 17, 0);
    // Only the edit control's own procedure knows this answer.
    EXPECT_EQ(SendMessageA(control, EM_GETLIMITTEXT, 0, 0), 17);
    EXPECT_EQ(journal.size(), 1u);
    limits.setAnswer(5, true);
    EXPECT_EQ(SendMessageA(control, EM_GETLIMITTEXT, 0, 0), 5);

    edit.dispose();
    EXPECT_EQ(edit.getHandle(), nullptr);
    EXPECT_EQ(HComponent::fromHandle(control), nullptr);
    EXPECT_FALSE(IsWindow(control));
}

TEST_F(ComponentTest, WindowsGoneOrComponentsDeletedLeaveNoRegistryEntry)
{
    auto button = std::make_unique<TestControl>(&window, 102, "BUTTON");
    TestControl other(&window, 103, "BUTTON");
    createShown();
    HWND child = button->getHandle();
    ASSERT_NE(child, nullptr);
    button.reset();
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(HComponent::fromHandle(child), nullptr);
    EXPECT_EQ(window.getCount(), 1);
    EXPECT_EQ(window.getChild(0), &other);

    HWND top = window.getHandle();
    HWND kept = other.getHandle();
    DestroyWindow(top);
    MessagePump::drain();
    EXPECT_EQ(window.getHandle(), nullptr);
    EXPECT_EQ(other.getHandle(), nullptr);
    EXPECT_EQ(HComponent::fromHandle(top), nullptr);
    EXPECT_EQ(HComponent::fromHandle(kept), nullptr);
}

// Five edit controls: 0 and 4 take the focus; 1 is disabled, 2 not focusable, 3 hidden.
class FocusTest : public ComponentTest {
protected:
    void SetUp() override
    {
        for (uint32_t i = 0; i < 5; ++i) {
            edits.emplace_back(new TestControl(&window, 200 + i, "EDIT"));
            edits.back()->setBounds(10, 10 + 25 * static_cast<int>(i), 100, 20);
        }
        edits[1]->setEnabled(false);
        edits[2]->setFocusable(false);
        edits[3]->setVisible(false);
        createShown();
    }
    void TearDown() override { setShift(false); }
    static void setShift(bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    void tab(int from)
    {
        SetFocus(edits[from]->getHandle());
        SendMessageA(edits[from]->getHandle(), WM_CHAR, VK_TAB, 0);
    }

    std::vector<std::unique_ptr<TestControl>> edits;
};

TEST_F(FocusTest, TabAndShiftTabSkipDisabledUnfocusableAndHiddenChildrenAndWrap)
{
    for (bool shift : {false, true}) {
        setShift(shift);
        tab(0);
        EXPECT_EQ(GetFocus(), edits[4]->getHandle()) << shift;
        tab(4);
        EXPECT_EQ(GetFocus(), edits[0]->getHandle()) << shift;
    }
    // The tab was consumed: the edit control did not take it as text.
    EXPECT_EQ(GetWindowTextLengthA(edits[0]->getHandle()), 0);
}

TEST_F(ComponentTest, BoundsAndStateReachTheWindowOnceItExists)
{
    TestControl edit(&window, 105, "EDIT");
    edit.setEnabled(false);
    EXPECT_FALSE(edit.setWindowText("early"));
    edit.setBounds(30, 40, 50, 20);
    window.setBounds(0, 0, 640, 480);
    createShown();
    EXPECT_FALSE(IsWindowEnabled(edit.getHandle()));
    edit.setEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(edit.getHandle()));
    EXPECT_TRUE(edit.setWindowText("テキスト"));
    EXPECT_EQ(edit.getWindowText(), "テキスト");
    edit.setVisible(false);
    EXPECT_FALSE(edit.isVisible());
    edit.setVisible(true);
    EXPECT_TRUE(edit.isVisible());
    // A child's bounds are read in its parent's client coordinates.
    EXPECT_EQ(edit.getX(), 30);
    EXPECT_EQ(edit.getY(), 40);
    edit.setBounds(60, 70, 55, 25);
    RECT bounds = edit.getBounds();
    EXPECT_EQ(bounds.left, 60);
    EXPECT_EQ(bounds.top, 70);
    EXPECT_EQ(edit.getWidth(), 55);
    EXPECT_EQ(edit.getHeight(), 25);

    window.moveCenter();
    GetWindowRect(window.getHandle(), &bounds);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - 640) / 2);
    EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - 480) / 2);
    EXPECT_EQ(bounds.right - bounds.left, 640);
}

}  // namespace
