#pragma once

#include <memory>
#include <string>

#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"

// Plain text (CF_TEXT, Shift-JIS) to and from the system clipboard, through a buffer of
// its own.
class HClipBoard : public HObject {
public:
    explicit HClipBoard(HWND owner);
    ~HClipBoard() override;

    // Takes the clipboard's text into the buffer; false (buffer kept) when there is none.
    bool read();
    // Puts the buffer on the clipboard; false without an owner or text, or when the
    // clipboard cannot be had (then it is left as it was).
    bool write();
    void setText(const std::string& text);
    std::string getText() const;

private:
    HWND m_owner;
    std::unique_ptr<char[]> m_buffer;
    size_t m_size = 0;  // bytes of the buffer, the terminating zero included
};
