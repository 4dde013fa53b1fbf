#pragma once

#include <functional>
#include <string>

#include "framework/base/HWin32.h"

// Answers the modal dialogs that a test opens on its own thread: while the dialog's message
// loop runs, a thread timer looks for dialog windows (class "#32770") of the thread and hands
// each to the answer function, until the function says it is done. One at a time. A dialog
// still open after ten seconds is cancelled, so that a test fails instead of hanging.
class DialogAnswerer {
public:
    // answer: called with each dialog found; returns true once it has answered for good.
    explicit DialogAnswerer(std::function<bool(HWND)> answer);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Helpers for answer functions.
    static std::string textOf(HWND window);
    static std::string classOf(HWND window);
    // The first descendant of the class (and, unless empty, with the text).
    static HWND findChild(HWND parent, const std::string& windowClass, const std::string& text);
    // Presses a button of the dialog by its id, as a click would.
    static void press(HWND dialog, int id);

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK visit(HWND window, LPARAM self);

    std::function<bool(HWND)> m_answer;
    UINT_PTR m_timer = 0;
    bool m_done = false;
    bool m_timedOut = false;
    DWORD m_start;
};
