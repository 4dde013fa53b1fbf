#pragma once

#include <cstdint>

#include "editor/view/BMCommandId.h"

// The ids of the main window's children and of its window timers. The commands have theirs in
// BMCommandId; the MIDI player shares its id with the music line's command.
enum BMComponentId : uint16_t {
    kComponentMenuBar = 2000,
    kComponentMapView = 2001,
    kComponentVerticalBar = 2002,
    kComponentHorizontalBar = 2003,
    kComponentStatusBar = 2004,
    kComponentPlayer = kCommandPlayMusic,
    kTimerRedraw = 2006,   // the one-shot redraw after a resize
    kTimerRecovery = 2007,  // the recovery copy's look at the edits
};
