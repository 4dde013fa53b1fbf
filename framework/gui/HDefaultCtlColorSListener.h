#pragma once

#include "framework/gui/HCtlColorListener.h"

// Colours the static controls of a window with their components' own colours.
class HDefaultCtlColorSListener : public HCtlColorListener {
public:
    HDefaultCtlColorSListener();
};
