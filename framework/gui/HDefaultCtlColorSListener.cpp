#include "framework/gui/HDefaultCtlColorSListener.h"

HDefaultCtlColorSListener::HDefaultCtlColorSListener()
    : HCtlColorListener(HEventType::WM_CTLCOLORSTATIC_TYPE)
{
    setClassName("HDefaultCtlColorSListener");
}
