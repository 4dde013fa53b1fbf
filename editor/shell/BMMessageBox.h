#pragma once

#include <string>

#include "framework/base/HWin32.h"

class HComponent;

// The editor's message boxes: modal over the window given (over nothing without one), the
// caption naming the operation that asks or tells.
class BMMessageBox {
public:
    static constexpr UINT ASK = MB_YESNOCANCEL | MB_ICONEXCLAMATION;  // 0x33
    static constexpr UINT CONFIRM = MB_OKCANCEL | MB_ICONEXCLAMATION;  // 0x31
    static constexpr UINT TELL = MB_OK | MB_ICONEXCLAMATION;           // 0x30
    static constexpr UINT YES_NO = MB_YESNO | MB_ICONEXCLAMATION;

    // The button pressed (IDYES, IDNO, IDOK, IDCANCEL).
    static int show(HComponent* window, const std::string& text, const std::string& caption,
                    UINT style = TELL);
};
