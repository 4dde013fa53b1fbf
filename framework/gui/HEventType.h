#pragma once

#include <cstdint>
#include <string>

// A window message the framework knows: its code and its Windows name. A plain value.
class HEventType {
public:
    HEventType(uint32_t code, const char* name);
    virtual ~HEventType() = default;
    HEventType(const HEventType&) = default;
    HEventType& operator=(const HEventType&) = default;

    uint32_t getCode() const { return m_code; }
    const std::string& getName() const { return m_name; }

    static constexpr size_t NAME_LIMIT = 63;

    // One instance per message, named after it (the names end in _TYPE because the plain
    // names are macros of the platform headers).
    static const HEventType UNDEFINED_TYPE;
    static const HEventType WM_CREATE_TYPE;
    static const HEventType WM_DESTROY_TYPE;
    static const HEventType WM_MOVE_TYPE;
    static const HEventType WM_SIZE_TYPE;
    static const HEventType WM_PAINT_TYPE;
    static const HEventType WM_CLOSE_TYPE;
    static const HEventType WM_ERASEBKGND_TYPE;
    static const HEventType WM_NOTIFY_TYPE;
    static const HEventType WM_KEYDOWN_TYPE;
    static const HEventType WM_KEYUP_TYPE;
    static const HEventType WM_CHAR_TYPE;
    static const HEventType WM_SYSKEYDOWN_TYPE;
    static const HEventType WM_SYSKEYUP_TYPE;
    static const HEventType WM_COMMAND_TYPE;
    static const HEventType WM_TIMER_TYPE;
    static const HEventType WM_HSCROLL_TYPE;
    static const HEventType WM_VSCROLL_TYPE;
    static const HEventType WM_MENUSELECT_TYPE;
    static const HEventType WM_CTLCOLOREDIT_TYPE;
    static const HEventType WM_CTLCOLORSTATIC_TYPE;
    static const HEventType WM_MOUSEMOVE_TYPE;
    static const HEventType WM_LBUTTONDOWN_TYPE;
    static const HEventType WM_LBUTTONUP_TYPE;
    static const HEventType WM_LBUTTONDBLCLK_TYPE;
    static const HEventType WM_RBUTTONDOWN_TYPE;
    static const HEventType WM_RBUTTONUP_TYPE;
    static const HEventType WM_RBUTTONDBLCLK_TYPE;
    static const HEventType WM_MBUTTONDOWN_TYPE;
    static const HEventType WM_MBUTTONUP_TYPE;
    static const HEventType WM_MBUTTONDBLCLK_TYPE;
    static const HEventType WM_DROPFILES_TYPE;
    static const HEventType MM_WOM_OPEN_TYPE;
    static const HEventType MM_WOM_CLOSE_TYPE;
    static const HEventType MM_WOM_DONE_TYPE;

private:
    uint32_t m_code;
    std::string m_name;
};
