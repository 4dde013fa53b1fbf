#include "tests/support/DialogAnswerer.h"

#include <string>

namespace {

const DWORD kTimeoutMs = 10000;

DialogAnswerer* g_current = nullptr;

struct ChildSearch {
    std::string windowClass;
    std::string text;
    HWND found;
};

BOOL CALLBACK matchChild(HWND window, LPARAM data)
{
    ChildSearch* search = reinterpret_cast<ChildSearch*>(data);
    if (DialogAnswerer::classOf(window) == search->windowClass &&
        (search->text.empty() || DialogAnswerer::textOf(window) == search->text)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

DialogAnswerer::DialogAnswerer(std::function<bool(HWND)> answer)
    : m_answer(std::move(answer)), m_start(GetTickCount())
{
    g_current = this;
    m_timer = SetTimer(nullptr, 0, 50, tick);
}

DialogAnswerer::~DialogAnswerer()
{
    KillTimer(nullptr, m_timer);
    g_current = nullptr;
}

std::string DialogAnswerer::textOf(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string DialogAnswerer::classOf(HWND window)
{
    char name[128] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

HWND DialogAnswerer::findChild(HWND parent, const std::string& windowClass,
                               const std::string& text)
{
    ChildSearch search = {windowClass, text, nullptr};
    EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void DialogAnswerer::press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void CALLBACK DialogAnswerer::tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_current == nullptr) {
        return;
    }
    if (GetTickCount() - g_current->m_start > kTimeoutMs) {
        g_current->m_timedOut = true;
    }
    EnumThreadWindows(GetCurrentThreadId(), visit, reinterpret_cast<LPARAM>(g_current));
}

BOOL CALLBACK DialogAnswerer::visit(HWND window, LPARAM self)
{
    DialogAnswerer* answerer = reinterpret_cast<DialogAnswerer*>(self);
    if (classOf(window) != "#32770" || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (answerer->m_timedOut) {
        // Pressed like a user would: ending a shell dialog with a made-up result would hand
        // that result to its caller as if it were real. No for the yes/no boxes.
        press(window, IDCANCEL);
        press(window, IDNO);
        return TRUE;
    }
    if (answerer->m_done) {
        return FALSE;
    }
    if (answerer->m_answer(window)) {
        answerer->m_done = true;
        return FALSE;
    }
    return TRUE;
}
