#include "framework/gui/HDefaultCtlColorEListener.h"

HDefaultCtlColorEListener::HDefaultCtlColorEListener()
    : HCtlColorListener(HEventType::WM_CTLCOLOREDIT_TYPE)
{
    setClassName("HDefaultCtlColorEListener");
}
