#include "framework/gui/HMouseListener.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"

namespace {

using Journal = std::vector<std::string>;

// Writes each gesture with the pressed button and the position it reports.
class GestureRecorder : public HMouseListener {
public:
    explicit GestureRecorder(HComponent* target) : HMouseListener(target) {}

    bool onDown() override { return note("down"); }
    bool onUp() override
    {
        note("up");
        return upAnswer;
    }
    bool onClick() override { return note("click"); }
    bool onDoubleClick() override { return note("double"); }
    bool onMove() override
    {
        ++moves;
        return moveAnswer;
    }
    bool onDrag() override { return note("drag"); }
    bool onBeginDrag() override { return note("begin"); }
    bool onEndDrag() override { return note("end"); }

    Journal journal;
    int moves = 0;
    bool upAnswer = true;
    bool moveAnswer = true;

private:
    bool note(const std::string& name)
    {
        journal.push_back(name + " " + std::to_string(getPressedButton()) + " " +
                          std::to_string(getX()) + "," + std::to_string(getY()));
        return true;
    }
};

class MouseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.create();
        ASSERT_NE(window.getHandle(), nullptr);
        ShowWindow(window.getHandle(), SW_SHOW);
    }
    LRESULT send(UINT message, WPARAM keys, int x, int y)
    {
        return SendMessageA(window.getHandle(), message, keys,
                            MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }
    bool captured() const { return GetCapture() == window.getHandle(); }

    TestWindow window;
    GestureRecorder mouse{&window};
};

// Gestures as message sequences, with what the listener reports and whether the window
// holds the capture at the end.
struct Input {
    UINT message;
    WPARAM keys;
    int x;
    int y;
};
struct Gesture {
    const char* name;
    std::vector<Input> inputs;
    Journal journal;
    bool captured = false;
    bool upAnswer = true;
    bool moveAnswer = true;
};

const Input kDown = {WM_LBUTTONDOWN, MK_LBUTTON, 10, 10};

TEST_F(MouseTest, GesturesFollowTheirMessages)
{
    const Gesture gestures[] = {
        {"release within three of the press point: a click",
         {kDown, {WM_LBUTTONUP, 0, 13, 7}},
         {"down 1 10,10", "up 1 13,7", "click 1 13,7"}},
        {"release outside the square: neither click nor drag",
         {kDown, {WM_LBUTTONUP, 0, 14, 10}},
         {"down 1 10,10", "up 1 14,10"}},
        {"leaving the square starts a drag; captured positions may be negative",
         {kDown, {WM_MOUSEMOVE, MK_LBUTTON, 12, 10}, {WM_MOUSEMOVE, MK_LBUTTON, 14, 10},
          {WM_MOUSEMOVE, MK_LBUTTON, 11, 10}, {WM_MOUSEMOVE, MK_LBUTTON, -5, -2},
          {WM_LBUTTONUP, 0, 11, 10}},
         {"down 1 10,10", "begin 1 14,10", "drag 1 14,10", "drag 1 11,10", "drag 1 -5,-2",
          "up 1 11,10", "end 1 11,10"}},
        {"a move answered false holds back the drag calls, not the drag",
         {kDown, {WM_MOUSEMOVE, MK_LBUTTON, 20, 10}, {WM_LBUTTONUP, 0, 20, 10}},
         {"down 1 10,10", "up 1 20,10", "end 1 20,10"}, false, true, false},
        {"a release answered false ends the gesture and keeps the capture",
         {kDown, {WM_MOUSEMOVE, MK_LBUTTON, 30, 10}, {WM_LBUTTONUP, 0, 30, 10}, kDown,
          {WM_LBUTTONUP, 0, 10, 10}},
         {"down 1 10,10", "begin 1 30,10", "drag 1 30,10", "up 1 30,10", "down 1 10,10",
          "up 1 10,10"}, true, false},
        {"a second button cancels a drag",
         {kDown, {WM_MOUSEMOVE, MK_LBUTTON, 40, 10}, {WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 40, 10},
          {WM_LBUTTONUP, MK_RBUTTON, 40, 10}, {WM_RBUTTONUP, 0, 40, 10}},
         {"down 1 10,10", "begin 1 40,10", "drag 1 40,10", "end 0 40,10", "up 0 40,10",
          "up 0 40,10"}},
        {"a second button cancels a press silently",
         {kDown, {WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 10, 10}, {WM_LBUTTONUP, MK_RBUTTON, 10, 10}},
         {"down 1 10,10", "up 0 10,10"}},
        {"right and middle clicks report their buttons",
         {{WM_RBUTTONDOWN, MK_RBUTTON, 50, 50}, {WM_RBUTTONUP, 0, 51, 52},
          {WM_MBUTTONDOWN, MK_MBUTTON, 60, 60}, {WM_MBUTTONUP, 0, 60, 60}},
         {"down 2 50,50", "up 2 51,52", "click 2 51,52", "down 16 60,60", "up 16 60,60",
          "click 16 60,60"}},
        {"the release of another button is no click",
         {kDown, {WM_RBUTTONUP, MK_LBUTTON, 10, 10}},
         {"down 1 10,10", "up 1 10,10"}},
        {"a release after a double-click message is a double click",
         {kDown, {WM_LBUTTONUP, 0, 10, 10}, {WM_LBUTTONDBLCLK, MK_LBUTTON, 10, 10},
          {WM_LBUTTONUP, 0, 11, 10}},
         {"down 1 10,10", "up 1 10,10", "click 1 10,10", "down 1 10,10", "up 1 11,10",
          "double 1 11,10"}},
    };
    mouse.setEnabled(false);
    for (const Gesture& gesture : gestures) {
        SCOPED_TRACE(gesture.name);
        GestureRecorder recorder(&window);
        recorder.upAnswer = gesture.upAnswer;
        recorder.moveAnswer = gesture.moveAnswer;
        for (const Input& input : gesture.inputs) {
            EXPECT_EQ(send(input.message, input.keys, input.x, input.y), 0);
        }
        EXPECT_EQ(recorder.journal, gesture.journal);
        EXPECT_EQ(captured(), gesture.captured);
        EXPECT_FALSE(recorder.isPressed());
        EXPECT_FALSE(recorder.isDragging());
        ReleaseCapture();
    }
    // The fixture's listener, disabled, heard none of it; enabled again, it hears.
    EXPECT_TRUE(mouse.journal.empty());
    mouse.setEnabled(true);
    send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    EXPECT_EQ(mouse.journal, (Journal{"down 1 10,10"}));
}

TEST_F(MouseTest, MessageOfAnotherComponentStopsTheWalkAndChangesNothing)
{
    HWindow other;
    LRESULT result = -1;
    EXPECT_FALSE(mouse.handleEvent(window.getHandle(), WM_LBUTTONDOWN, MK_LBUTTON,
                                   MAKELPARAM(10, 10), &other, &result));
    EXPECT_EQ(result, -1);
    EXPECT_TRUE(mouse.journal.empty());
    EXPECT_FALSE(mouse.isPressed());
}

}  // namespace
