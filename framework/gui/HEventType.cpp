#include "framework/gui/HEventType.h"

HEventType::HEventType(uint32_t code, const char* name) : m_code(code), m_name(name ? name : "")
{
    if (m_name.size() > NAME_LIMIT) {
        m_name.resize(NAME_LIMIT);
    }
}

const HEventType HEventType::UNDEFINED_TYPE(0, "UNDEFINED_TYPE");
const HEventType HEventType::WM_CREATE_TYPE(1, "WM_CREATE");
const HEventType HEventType::WM_DESTROY_TYPE(2, "WM_DESTROY");
const HEventType HEventType::WM_MOVE_TYPE(3, "WM_MOVE");
const HEventType HEventType::WM_SIZE_TYPE(5, "WM_SIZE");
const HEventType HEventType::WM_PAINT_TYPE(15, "WM_PAINT");
const HEventType HEventType::WM_CLOSE_TYPE(16, "WM_CLOSE");
const HEventType HEventType::WM_ERASEBKGND_TYPE(20, "WM_ERASEBKGND");
const HEventType HEventType::WM_NOTIFY_TYPE(78, "WM_NOTIFY");
const HEventType HEventType::WM_KEYDOWN_TYPE(256, "WM_KEYDOWN");
const HEventType HEventType::WM_KEYUP_TYPE(257, "WM_KEYUP");
const HEventType HEventType::WM_CHAR_TYPE(258, "WM_CHAR");
const HEventType HEventType::WM_SYSKEYDOWN_TYPE(260, "WM_SYSKEYDOWN");
const HEventType HEventType::WM_SYSKEYUP_TYPE(261, "WM_SYSKEYUP");
const HEventType HEventType::WM_COMMAND_TYPE(273, "WM_COMMAND");
const HEventType HEventType::WM_TIMER_TYPE(275, "WM_TIMER");
const HEventType HEventType::WM_HSCROLL_TYPE(276, "WM_HSCROLL");
const HEventType HEventType::WM_VSCROLL_TYPE(277, "WM_VSCROLL");
const HEventType HEventType::WM_MENUSELECT_TYPE(287, "WM_MENUSELECT");
const HEventType HEventType::WM_CTLCOLOREDIT_TYPE(307, "WM_CTLCOLOREDIT");
const HEventType HEventType::WM_CTLCOLORSTATIC_TYPE(312, "WM_CTLCOLORSTATIC");
const HEventType HEventType::WM_MOUSEMOVE_TYPE(512, "WM_MOUSEMOVE");
const HEventType HEventType::WM_LBUTTONDOWN_TYPE(513, "WM_LBUTTONDOWN");
const HEventType HEventType::WM_LBUTTONUP_TYPE(514, "WM_LBUTTONUP");
const HEventType HEventType::WM_LBUTTONDBLCLK_TYPE(515, "WM_LBUTTONDBLCLK");
const HEventType HEventType::WM_RBUTTONDOWN_TYPE(516, "WM_RBUTTONDOWN");
const HEventType HEventType::WM_RBUTTONUP_TYPE(517, "WM_RBUTTONUP");
const HEventType HEventType::WM_RBUTTONDBLCLK_TYPE(518, "WM_RBUTTONDBLCLK");
const HEventType HEventType::WM_MBUTTONDOWN_TYPE(519, "WM_MBUTTONDOWN");
const HEventType HEventType::WM_MBUTTONUP_TYPE(520, "WM_MBUTTONUP");
const HEventType HEventType::WM_MBUTTONDBLCLK_TYPE(521, "WM_MBUTTONDBLCLK");
const HEventType HEventType::WM_DROPFILES_TYPE(563, "WM_DROPFILES");
const HEventType HEventType::MM_WOM_OPEN_TYPE(955, "MM_WOM_OPEN");
const HEventType HEventType::MM_WOM_CLOSE_TYPE(956, "MM_WOM_CLOSE");
const HEventType HEventType::MM_WOM_DONE_TYPE(957, "MM_WOM_DONE");

