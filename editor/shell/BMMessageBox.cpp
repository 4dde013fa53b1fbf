#include "editor/shell/BMMessageBox.h"

#include "framework/gui/HComponent.h"

int BMMessageBox::show(HComponent* window, const std::string& text, const std::string& caption,
                       UINT style)
{
    HWND owner = window != nullptr ? window->getHandle() : nullptr;
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}
