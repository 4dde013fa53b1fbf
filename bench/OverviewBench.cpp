// The scenario-wide commands as the user feels them, in a generated scenario of 200 areas open
// in the editor's main window under Wine with a display: opening the overview (the window made
// and its first frame painted, then opened again once hidden), a scroll step of it with its
// frame, and a replace of one terrain chip on every map with the main window's frame, and its
// undo (median and slowest of a few runs, and the process time). Run it on a quiet machine:
//   wine build/windows/bench/tessel_overview_bench.exe
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
#include "editor/model/BMReplace.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMOverviewWindow.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMOverviewPicture.h"
#include "framework/base/HWin32.h"
#include "framework/gui/HApplication.h"
#include "framework/gui/HImageView.h"

namespace fs = std::filesystem;

namespace {

using Clock = BenchProcess::Clock;

const int kAreas = 200;
const int kRuns = 11;

// Runs step kRuns times, each followed by paint; prints median, slowest and process time.
double measure(const char* label, const std::function<void()>& step, const std::function<void()>& paint,
               const std::function<void()>& between)
{
    std::vector<double> times;
    double process = 0;
    for (int run = 0; run < kRuns; ++run) {
        const Clock::time_point began = Clock::now();
        const double processBefore = BenchProcess::processMs();
        step();
        paint();
        times.push_back(BenchProcess::msSince(began));
        process += BenchProcess::processMs() - processBefore;
        BenchProcess::pump();
        between();
        BenchProcess::pump();
    }
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %6.1f ms, slowest %6.1f ms; process time %6.1f ms\n", label,
                times[kRuns / 2], times.back(), process / kRuns);
    std::fflush(stdout);
    return times[kRuns / 2];
}

}  // namespace

int main()
{
    const fs::path root = BenchLargeScenario::write("tessel-overview-bench", kAreas);
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
        if (BMOperations::openScenario(&window, HFile((root / "Large").string()), "bench", "bench")) {
            BenchProcess::pump();
            BMDisplay& display = *window.getDisplay();
            BMData& data = *BMData::getInstance(false);
            std::printf("%u areas open\n", data.getAreaCount());
            BMOverviewWindow& overview = window.getOverview();
            {
                const Clock::time_point began = Clock::now();
                const double processBefore = BenchProcess::processMs();
                overview.show(window.getHandle());
                std::printf("%-34s %6.1f ms; process time %6.1f ms; %u thumbnails drawn\n",
                            "overview opened the first time", BenchProcess::msSince(began), BenchProcess::processMs() - processBefore,
                            overview.getPicture().getThumbnailsDrawn());
                BenchProcess::pump();
            }
            measure("overview opened again", [&] { overview.show(window.getHandle()); }, [] {},
                    [&] { ShowWindow(overview.getHandle(), SW_HIDE); });
            overview.show(window.getHandle());
            BenchProcess::pump();
            int page = 0;
            const double scroll = measure(
                "overview scrolled a step (60 px)",
                [&] { SendMessageA(overview.getHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, (page++ % 8 < 4) ? -120 : 120), 0); },
                [&] { UpdateWindow(overview.getHandle()); }, [] {});
            const double pageDown = measure(
                "overview scrolled a page", [&] { SendMessageA(overview.getHandle(), WM_VSCROLL, SB_PAGEDOWN, 0); },
                [&] { UpdateWindow(overview.getHandle()); }, [] {});
            std::printf("thumbnails drawn so far: %u of %d\n", overview.getPicture().getThumbnailsDrawn(), kAreas);
            HWND view = window.getMapView()->getHandle();
            auto frame = [&] {
                InvalidateRect(view, nullptr, FALSE);
                UpdateWindow(view);
                UpdateWindow(overview.getHandle());
            };
            // The chip the most cells of map 1 hold, on every map.
            BMEditor& editor = display.getEditor();
            editor.setEditMode(MODE_CHAR);
            std::vector<uint32_t> counts(240, 0);
            for (int index = 0; index < MAP_CELLS; ++index) {
                ++counts[BMReplace::valueOf(data, MODE_CHAR, 1, index)];
            }
            const uint32_t chip = static_cast<uint32_t>(std::max_element(counts.begin(), counts.end()) - counts.begin());
            const BMReplace::Request request{MODE_CHAR, chip, (chip + 1) % 240, BMReplace::EVERY_MAP};
            std::printf("chip %u: %u cells on %u maps\n", chip, BMReplace::count(editor, request).cells,
                        BMReplace::count(editor, request).maps);
            BMReplace::Count done;
            const double replace = measure("replace on every map, with frame",
                                           [&] { display.show(BMReplace::run(editor, request, &done)); }, frame,
                                           [&] { display.show(display.getEditor().undo()); });
            display.show(display.getEditor().redo());  // the replace again, to undo
            BenchProcess::pump();
            const double undo = measure("its undo, with frame", [&] { display.show(display.getEditor().undo()); }, frame,
                                        [&] { display.show(display.getEditor().redo()); });
            std::printf("figures: open %s, scroll %.1f / %.1f ms, replace %.1f ms, undo %.1f ms\n",
                        "above", scroll, pageDown, replace, undo);
            status = 0;
        }
        window.dispose();
    }
    BMData::deleteInstance();
    HApplication::uninitializeApplication();
    fs::remove_all(root);
    return status;
}
