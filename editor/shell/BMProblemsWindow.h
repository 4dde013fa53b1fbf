#pragma once

#include <string>
#include <vector>

#include "editor/model/BMProblems.h"
#include "framework/base/HFile.h"
#include "framework/base/HWin32.h"

struct BMChange;
class BMData;
class BMWindow;

// The problems list (問題一覧): a window beside the main window with one line a problem of the
// open scenario (area, cell, a short sentence), kept up to date as the author edits. A double
// click, or Enter, opens the problem's map and puts the cursor on its cell. Closing it only
// hides it; the main window deletes it.
class BMProblemsWindow {
public:
    explicit BMProblemsWindow(BMWindow* owner);  // not owned
    ~BMProblemsWindow();
    BMProblemsWindow(const BMProblemsWindow&) = delete;
    BMProblemsWindow& operator=(const BMProblemsWindow&) = delete;

    // Checks the open scenario, fills the list and shows the window in front.
    void show();
    bool isShown() const;
    // After a change of the editor's data: the checks of what it touched, and the list again
    // when they found something else. A scenario other than the one checked is checked whole.
    void follow(const BMChange& change);
    // The lines shown, as the list holds them (Shift-JIS).
    std::vector<std::string> lines() const;
    // Opens the map of line row, moves the cursor to its cell and writes the line into the
    // status bar; false for no such line.
    bool goTo(int row);
    HWND getHandle() const { return m_window; }

    // One line of the list: area number and name, the cell where there is one, the sentence.
    static std::string lineOf(const ZDProblem& problem, const BMData& data);

private:
    bool create();
    void checkAll(BMData& data);
    void fill();
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    BMWindow* m_owner;  // not owned
    HWND m_window = nullptr;
    HWND m_list = nullptr;
    HFONT m_font = nullptr;
    BMProblems m_problems;
    std::vector<ZDProblem> m_shown;
    const BMData* m_checked = nullptr;  // the data object and folder the problems are of
    HFile m_folder;
};
