#include "framework/gui/HClipBoard.h"

#include <cstring>
#include <new>

HClipBoard::HClipBoard(HWND owner) : m_owner(owner)
{
    setClassName("HClipBoard");
}

HClipBoard::~HClipBoard() = default;

bool HClipBoard::read()
{
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(m_owner)) {
        return false;
    }
    bool done = false;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (text != nullptr) {
        // The block may be larger than its text, or (from a careless writer) not end in a
        // zero at all: copy at most its size and end the copy ourselves.
        size_t limit = GlobalSize(data);
        std::unique_ptr<char[]> buffer(new (std::nothrow) char[limit + 1]);
        if (buffer != nullptr) {
            size_t length = strnlen(text, limit);
            memcpy(buffer.get(), text, length);
            buffer[length] = '\0';
            m_buffer = std::move(buffer);
            m_size = limit + 1;
            done = true;
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return done;
}

bool HClipBoard::write()
{
    if (m_owner == nullptr || m_buffer == nullptr || m_size == 0) {
        return false;
    }
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_SHARE, m_size);
    char* target = data != nullptr ? static_cast<char*>(GlobalLock(data)) : nullptr;
    if (target == nullptr) {
        if (data != nullptr) {
            GlobalFree(data);
        }
        return false;
    }
    memcpy(target, m_buffer.get(), m_size);
    GlobalUnlock(data);
    // Opened only once the text is ready, so that a failure leaves the clipboard untouched.
    if (!OpenClipboard(m_owner)) {
        GlobalFree(data);
        return false;
    }
    EmptyClipboard();
    bool done = SetClipboardData(CF_TEXT, data) != nullptr;
    if (!done) {
        GlobalFree(data);  // still ours when the clipboard did not take it
    }
    CloseClipboard();
    return done;
}

void HClipBoard::setText(const std::string& text)
{
    m_buffer.reset();
    m_size = 0;
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[text.size() + 1]);
    if (buffer == nullptr) {
        return;
    }
    memcpy(buffer.get(), text.c_str(), text.size() + 1);
    m_buffer = std::move(buffer);
    m_size = text.size() + 1;
}

std::string HClipBoard::getText() const
{
    return m_buffer != nullptr ? std::string(m_buffer.get()) : std::string();
}
