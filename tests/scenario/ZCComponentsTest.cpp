// The command table and the close component on a real window with real messages.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/gui/HWindow.h"
#include "scenario/ZCClose.h"
#include "scenario/ZCCommand.h"
#include "tests/support/MessagePump.h"

namespace {

struct Call {
    HComponent* window;
    uint32_t number;
};
std::vector<Call> g_calls;

bool record(HComponent* window, uint32_t number)
{
    g_calls.push_back({window, number});
    return true;
}

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
    void command(uint32_t id) { SendMessageA(window.getHandle(), WM_COMMAND, id, 0); }

    HWindow window;
};

TEST_F(ComponentsTest, CommandsReachTheirHandlerOrTheDefaultWithTheWindow)
{
    ZCCommand commands;
    commands.addHandler(2101, record);
    commands.addHandler(2101, refuse);  // the first handler stays
    commands.addHandler(2102, refuse);
    window.addEventListener(&commands);

    command(2101);
    command(2102);
    command(2103);  // unknown without a default: nobody is called
    commands.setDefaultHandler(record);
    command(2103);
    command(2102);  // an id in the table never reaches the default, even when refused

    ASSERT_EQ(g_calls.size(), 4u);
    EXPECT_EQ(g_calls[0].number, 2101u);
    EXPECT_EQ(g_calls[1].number, 102102u);
    EXPECT_EQ(g_calls[2].number, 2103u);
    EXPECT_EQ(g_calls[3].number, 102102u);
    for (const Call& call : g_calls) {
        EXPECT_EQ(call.window, &window);
    }
    window.removeEventListener(&commands);
}

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
