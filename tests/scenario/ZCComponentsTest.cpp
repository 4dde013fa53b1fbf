// The close component on a real window with real messages.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/gui/HWindow.h"
#include "scenario/ZCClose.h"
#include "tests/support/MessagePump.h"

namespace {

struct Call {
    HComponent* window;
    uint32_t number;
};
std::vector<Call> g_calls;

bool refuse(HComponent* window, uint32_t number)
{
    g_calls.push_back({window, number + 100000});
    return false;
}

class ComponentsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear();
        window.setClassName("TesselComponents");
        window.create();
        ASSERT_NE(window.getHandle(), nullptr);
    }
    void TearDown() override
    {
        window.dispose();
        MessagePump::drain();
    }

    HWindow window;
};

TEST_F(ComponentsTest, CloseRequestIsAlwaysConsumedAndGoesToTheHandler)
{
    ZCClose close;
    close.setCloseHandler(refuse);
    window.addEventListener(&close);
    EXPECT_EQ(SendMessageA(window.getHandle(), WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window.getHandle()));
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].window, &window);
    EXPECT_EQ(g_calls[0].number, 100000u + WM_CLOSE);

    // The handler a close component starts with disposes of the window.
    ZCClose closing;
    window.removeEventListener(&close);
    window.addEventListener(&closing);
    HWND handle = window.getHandle();
    SendMessageA(handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(window.getHandle(), nullptr);
    window.removeEventListener(&closing);
}

}  // namespace
