// The problems list as the author feels it, in a generated scenario of 200 areas open in the
// editor's main window under Wine with a display, with the list shown: the first check of every
// area, then single-cell edits of the current map (a chip, a placement cell) from the edit to
// the refilled list (median and slowest), and the same checks of every area for comparison.
//   wine build/windows/bench/tessel_problems_bench.exe
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "bench/BenchLargeScenario.h"
#include "bench/BenchProcess.h"
#include "editor/model/BMChange.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMProblems.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMProblemsWindow.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "framework/base/HWin32.h"
#include "framework/gui/HApplication.h"

namespace fs = std::filesystem;

namespace {

using Clock = BenchProcess::Clock;

const int kAreas = 200;
const int kEdits = 41;

void report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.2f ms, slowest %.2f ms (%zu runs)\n", what, times[times.size() / 2],
                times.back(), times.size());
}

}  // namespace

int main()
{
    const fs::path root = BenchLargeScenario::write("tessel-problems-bench", kAreas);
    if (root.empty()) {
        return 1;
    }
    HApplication::initializeApplication(GetModuleHandleA(nullptr), nullptr, "", SW_SHOWNORMAL,
                                        BMWindow::APPLICATION_FLAGS);
    int status = 1;
    {
        BMWindow window;
        window.create();
        ShowWindow(window.getHandle(), SW_SHOWNORMAL);
        if (BMOperations::openScenario(&window, HFile((root / "Large").string()), "bench",
                                       "bench")) {
            BenchProcess::pump();
            BMDisplay& display = *window.getDisplay();
            BMData& data = *BMData::getInstance(false);
            Clock::time_point began = Clock::now();
            window.getProblemsWindow().show();
            std::printf("%u areas; list shown with %zu lines in %.1f ms\n", data.getAreaCount(),
                        window.getProblemsWindow().lines().size(), BenchProcess::msSince(began));
            BenchProcess::pump();
            std::vector<double> edits;
            std::vector<double> follows;
            std::vector<double> whole;
            BMProblems kept;
            kept.checkAll(data, {}, HFile());
            BMEditor& editor = display.getEditor();
            editor.setMouseMode(MOUSE_DIRECT);
            for (int run = 0; run < kEdits; ++run) {
                editor.setEditMode(run % 2 == 0 ? MODE_CHAR : MODE_PLACEMENT);
                editor.setCharacter(run);
                const BMChange change = editor.pressCell(3 + run % 20, 4 + run % 7);
                began = Clock::now();
                display.show(change);
                edits.push_back(BenchProcess::msSince(began));
                BenchProcess::pump();
                began = Clock::now();
                kept.follow(data, change);
                follows.push_back(BenchProcess::msSince(began));
                BMProblems all;
                began = Clock::now();
                all.checkAll(data, {}, HFile());
                whole.push_back(BenchProcess::msSince(began));
            }
            report("an edit with the list following it (drawing included)", edits);
            report("the checks an edit costs alone", follows);
            report("every area checked again", whole);
            status = 0;
        }
        window.dispose();
    }
    BMData::deleteInstance();
    HApplication::uninitializeApplication();
    fs::remove_all(root);
    return status;
}
