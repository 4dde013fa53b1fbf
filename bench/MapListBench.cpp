// The commands on the list of areas as the user feels them, in a generated scenario of 200
// areas open in the editor's main window under Wine with a display: removing, inserting and
// moving an area (the first to the end, which numbers every area again), each with its undo,
// from the change to the painted frame (median and slowest of a few runs, and the process
// time, which a busy machine inflates far less). The question before a removal and the move
// dialog wait for the user and are left out. Last, the overwrite save after a move, once.
// Run it on a quiet machine:
//   wine build/windows/bench/tessel_maps_bench.exe
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchLargeScenario.h"
#include "bench/BenchProcess.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMMapEditor.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "framework/base/HWin32.h"
#include "framework/gui/HApplication.h"
#include "framework/gui/HImageView.h"

namespace fs = std::filesystem;

namespace {

using Clock = BenchProcess::Clock;

const int kAreas = 200;
const int kRuns = 11;

// Runs the command and then its undo, each followed at once by the painted frame, a few
// times; prints the medians and the slowest, and returns the larger median.
double measure(const char* label, BMWindow& window, const std::function<void()>& command,
               const std::function<void()>& undo)
{
    HWND view = window.getMapView()->getHandle();
    std::vector<double> times[2];
    double process[2] = {0, 0};
    for (int run = 0; run < kRuns; ++run) {
        for (int step = 0; step < 2; ++step) {
            Clock::time_point began = Clock::now();
            const double processBefore = BenchProcess::processMs();
            (step == 0 ? command : undo)();
            InvalidateRect(view, nullptr, FALSE);
            UpdateWindow(view);
            times[step].push_back(BenchProcess::msSince(began));
            process[step] += BenchProcess::processMs() - processBefore;
            BenchProcess::pump();
        }
    }
    for (std::vector<double>& list : times) {
        std::sort(list.begin(), list.end());
    }
    std::printf("%-22s median %5.1f ms (undo %5.1f), slowest %5.1f ms (undo %5.1f); "
                "process time %5.1f ms (undo %5.1f)\n",
                label, times[0][kRuns / 2], times[1][kRuns / 2], times[0].back(),
                times[1].back(), process[0] / kRuns, process[1] / kRuns);
    return std::max(times[0][kRuns / 2], times[1][kRuns / 2]);
}

// Moves area 1 to the end, which gives every map a new number, and saves through the File
// menu's overwrite save, whatever way of writing the shell takes, with its reading back and
// frame. Once: the save replaces the editor's data, and the files then hold the moved list.
bool saveAfterMove(BMWindow& window)
{
    BMDisplay& display = *window.getDisplay();
    display.show(display.getEditor().getMapEditor().moveMap(kAreas));
    BenchProcess::pump();
    Clock::time_point began = Clock::now();
    const double processBefore = BenchProcess::processMs();
    BMOperations::OP2103(&window, 2103);
    InvalidateRect(window.getMapView()->getHandle(), nullptr, FALSE);
    UpdateWindow(window.getMapView()->getHandle());
    const double ms = BenchProcess::msSince(began);
    const BMData* data = BMData::getInstance(false);
    const bool saved = data != nullptr && !data->isModified() && data->getAreaCount() == kAreas;
    std::printf("save after moving area 1 to %d: %.1f ms (process time %.1f ms)%s\n", kAreas, ms,
                BenchProcess::processMs() - processBefore, saved ? "" : ", NOT SAVED");
    return saved;
}

}  // namespace

int main()
{
    const fs::path root = BenchLargeScenario::write("tessel-maps-bench", kAreas);
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
        UpdateWindow(window.getHandle());
        if (BMOperations::openScenario(&window, HFile((root / "Large").string()), "bench",
                                       "bench")) {
            BenchProcess::pump();
            BMDisplay& display = *window.getDisplay();
            BMData& data = *BMData::getInstance(false);
            BMMapEditor& maps = display.getEditor().getMapEditor();
            std::printf("%u areas open\n", data.getAreaCount());
            maps.copyMap();
            {
                Clock::time_point began = Clock::now();
                bool modified = data.isModified();
                std::printf("whether anything changed (%s): %.1f ms\n", modified ? "yes" : "no",
                            BenchProcess::msSince(began));
            }
            auto undo = [&display] { display.show(display.getEditor().undo()); };
            double worst = measure("remove area 1", window,
                                   [&] { display.show(maps.removeMap()); }, undo);
            worst = std::max(worst, measure("insert before area 1", window,
                                            [&] { display.show(maps.insertMap()); }, undo));
            worst = std::max(worst, measure("move area 1 to 200", window,
                                            [&] { display.show(maps.moveMap(kAreas)); }, undo));
            std::printf("slowest median: %.1f ms\n", worst);
            status = saveAfterMove(window) ? 0 : 1;
        }
        window.dispose();
    }
    BMData::deleteInstance();
    HApplication::uninitializeApplication();
    fs::remove_all(root);
    return status;
}
