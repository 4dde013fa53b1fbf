#pragma once

#include "framework/base/HWin32.h"

// Runs the thread's waiting messages the way a message loop would, for tests that post
// messages.
class MessagePump {
public:
    // Dispatches every message that is waiting; a quit message is taken and dropped.
    static void drain();
};
