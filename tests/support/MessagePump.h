#pragma once

#include <functional>

#include "framework/HWin32.h"

// Runs the thread's messages the way a message loop would, for tests that post messages or
// wait for a window to do something.
class MessagePump {
public:
    // Dispatches every message that is waiting; a quit message is taken and dropped.
    static void drain();
    // Dispatches messages until the condition holds or the time is up; true if it holds.
    static bool runUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
};
