#pragma once

#include <cstdint>

#include "framework/base/HFile.h"

class HComponent;

// The handlers that the command, close and drop components call: plain functions that get
// the window the message is for (or the component itself without a window above it) and a
// number (the command id, or the close message) or the dropped file. The result says whether
// the work was done; what it means to the component is told there.
using ZCHandler = bool (*)(HComponent* window, uint32_t number);
using ZCDropHandler = bool (*)(HComponent* window, HFile file);
