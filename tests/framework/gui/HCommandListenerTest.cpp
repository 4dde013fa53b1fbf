#include "framework/gui/HCommandListener.h"

#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TestControl.h"
#include "tests/support/TestWindow.h"

namespace {

struct Command {
    uint32_t id;
    HComponent* component;
    bool operator==(const Command& other) const
    {
        return id == other.id && component == other.component;
    }
};

class CommandRecorder : public HCommandListener {
public:
    bool onCommand(HWND /*window*/, uint32_t id, HComponent* component) override
    {
        commands.push_back({id, component});
        return true;
    }
    std::vector<Command> commands;
};

TEST(HCommandListenerTest, CommandsNameTheirComponentsAndOtherNotificationsAreNone)
{
    TestWindow window;
    TestControl button(&window, 2005, "BUTTON");
    CommandRecorder recorder;
    window.addEventListener(&recorder);
    window.create();
    ASSERT_NE(button.getHandle(), nullptr);
    auto command = [&window](WORD code, WORD id, HWND control) {
        return SendMessageA(window.getHandle(), WM_COMMAND, MAKEWPARAM(id, code),
                            reinterpret_cast<LPARAM>(control));
    };
    EXPECT_EQ(command(0, 2101, nullptr), 0);            // menu
    EXPECT_EQ(command(1, 2154, nullptr), 0);            // accelerator
    EXPECT_EQ(command(0, 2005, button.getHandle()), 0);  // the control's own command
    EXPECT_EQ(recorder.commands, (std::vector<Command>{
                                     {2101, &window}, {2154, &window}, {2005, &button}}));

    // Other notifications are no commands; unknown controls name no component.
    recorder.commands.clear();
    command(EN_CHANGE, 2005, button.getHandle());
    EXPECT_TRUE(recorder.commands.empty());
    HWND stranger = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, window.getHandle(),
                                    nullptr, nullptr, nullptr);
    command(0, 9, stranger);
    EXPECT_EQ(recorder.commands, (std::vector<Command>{{9, nullptr}}));
    DestroyWindow(stranger);
}

}  // namespace
