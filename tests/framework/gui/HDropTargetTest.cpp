#include "framework/gui/HDropTarget.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/DropList.h"
#include "tests/support/TestWindow.h"

namespace {

class DropRecorder : public HDropTarget {
public:
    bool onDropped(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   HComponent* component, LRESULT* result) override
    {
        ++drops;
        lastComponent = component;
        return HDropTarget::onDropped(window, message, wParam, lParam, component, result);
    }
    int drops = 0;
    HComponent* lastComponent = nullptr;
};

class DropTargetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setDropTarget(&target);
        window.create();
        ASSERT_NE(window.getHandle(), nullptr);
    }
    LONG_PTR extendedStyle() const { return GetWindowLongPtrA(window.getHandle(), GWL_EXSTYLE); }

    DropRecorder target;
    TestWindow window;
};

TEST_F(DropTargetTest, EachDropListsItsFilesAfreshUntilTheTargetIsDetached)
{
    EXPECT_NE(extendedStyle() & WS_EX_ACCEPTFILES, 0);
    HDROP drop = makeDrop<char>({"C:\\maps\\BMap_No1"});
    EXPECT_EQ(SendMessageA(window.getHandle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0), 0);
    EXPECT_EQ(target.drops, 1);
    EXPECT_EQ(target.lastComponent, &window);
    ASSERT_EQ(target.getFileCount(), 1u);
    EXPECT_EQ(target.getFile(0), "C:\\maps\\BMap_No1");
    EXPECT_EQ(target.getFile(1), "");

    // The next drop replaces the list.
    SendMessageA(window.getHandle(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(makeDrop<char>({"E:\\only"})), 0);
    ASSERT_EQ(target.getFileCount(), 1u);
    EXPECT_EQ(target.getFile(0), "E:\\only");
    EXPECT_EQ(target.drops, 2);

    // Detached, the target hears no more drops; attached again, it hears each once.
    target.detach();
    EXPECT_EQ(window.getDropTarget(), nullptr);
    EXPECT_EQ(extendedStyle() & WS_EX_ACCEPTFILES, 0);
    HDROP ignored = makeDrop<char>({"C:\\x"});
    SendMessageA(window.getHandle(), WM_DROPFILES, reinterpret_cast<WPARAM>(ignored), 0);
    DragFinish(ignored);
    EXPECT_EQ(target.drops, 2);
    target.attach(&window);
    SendMessageA(window.getHandle(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(makeDrop<char>({"C:\\y"})), 0);
    EXPECT_EQ(target.drops, 3);
    EXPECT_EQ(target.getFile(0), "C:\\y");
}

}  // namespace
