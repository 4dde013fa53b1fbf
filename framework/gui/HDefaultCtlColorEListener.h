#pragma once

#include "framework/gui/HCtlColorListener.h"

// Colours the edit controls of a window with their components' own colours.
class HDefaultCtlColorEListener : public HCtlColorListener {
public:
    HDefaultCtlColorEListener();
};
