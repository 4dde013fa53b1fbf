// The editor as its user feels it, on a copy of the sample game under Wine with a display:
// the time from the process start to the first frame that shows map 1 of "Default" opened at
// start, and the time of every accelerator-driven command on the open map, frame included
// (median of a few runs each), and the time the area data editor takes to open. Run it on a
// quiet machine:
//   wine build/windows/bench/tessel_shell_bench.exe
// With "start" it measures the start-up alone, with the processor time of each phase beside
// its wall time (the processor time barely changes with the machine's load, the wall time
// does); bench/start-up.sh runs that in new processes several times.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchProcess.h"
#include "editor/model/BMData.h"
#include "editor/model/BMSettings.h"
#include "editor/shell/BMListeners.h"
#include "editor/shell/BMRecovery.h"
#include "editor/shell/BMSession.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMViewFlags.h"
#include "editor/view/BMZoom.h"
#include "framework/base/HText.h"
#include "framework/base/HWin32.h"
#include "framework/gui/HApplication.h"
#include "framework/gui/HImageView.h"
#include "scenario/ZDRecoverySchedule.h"

namespace fs = std::filesystem;

namespace {

using Clock = BenchProcess::Clock;

// The moment the first dialog box of the thread became active, closed again at once.
Clock::time_point g_dialogShown;
double g_dialogCpu = 0;
HHOOK g_dialogHook = nullptr;

LRESULT CALLBACK closeDialog(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        char name[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (std::string(name) == "#32770") {
            g_dialogShown = Clock::now();
            g_dialogCpu = BenchProcess::threadMs();
            PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(g_dialogHook, code, wParam, lParam);
}

// Medians of the milliseconds from a call that opens a dialog box to the box showing, and of
// the processor time the thread spent on it, over ten openings (each cancelled as soon as it
// shows); -1 when no box showed.
struct Opening {
    double wall = -1;
    double cpu = -1;
};

template <typename Open>
Opening dialogOpening(Open open)
{
    g_dialogHook = SetWindowsHookExA(WH_CBT, closeDialog, nullptr, GetCurrentThreadId());
    std::vector<double> times;
    std::vector<double> cpu;
    for (int run = 0; run < 10; ++run) {
        g_dialogShown = Clock::time_point();
        Clock::time_point began = Clock::now();
        double cpuBegan = BenchProcess::threadMs();
        open();
        if (g_dialogShown == Clock::time_point()) {
            break;
        }
        times.push_back(std::chrono::duration<double, std::milli>(g_dialogShown - began).count());
        cpu.push_back(g_dialogCpu - cpuBegan);
    }
    UnhookWindowsHookEx(g_dialogHook);
    Opening opening;
    if (times.size() == 10) {
        std::sort(times.begin(), times.end());
        std::sort(cpu.begin(), cpu.end());
        opening.wall = (times[4] + times[5]) / 2;
        opening.cpu = (cpu[4] + cpu[5]) / 2;
    }
    return opening;
}

// Whether the view shows something other than the black of an empty frame at cell (1, 0).
bool showsMap(BMWindow& window)
{
    HWND view = window.getMapView()->getHandle();
    HDC dc = GetDC(view);
    COLORREF color = GetPixel(dc, 32 + 8, 14);
    ReleaseDC(view, dc);
    return color != RGB(0, 0, 0) && color != CLR_INVALID;
}

// The sample game the build wrote; the build machine's root is drive Z under Wine.
fs::path sampleGame()
{
    std::string path = TESSEL_SAMPLE_GAME;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
}

// Wall and processor time of each phase of the start-up.
class Phases {
public:
    Phases() : m_wall(Clock::now()), m_processor(BenchProcess::processMs()) {}
    void end(const char* name)
    {
        double processor = BenchProcess::processMs();
        m_text += HText::format("%s %.0f (%.0f), ", name, BenchProcess::msSince(m_wall), processor - m_processor);
        m_wall = Clock::now();
        m_processor = processor;
    }
    std::string text() const { return m_text.substr(0, m_text.size() - 2); }

private:
    Clock::time_point m_wall;
    double m_processor;
    std::string m_text;
};

// Median and slowest of ten runs of a step, each after its set-up (not timed).
template <typename SetUp, typename Step>
void timeSteps(const char* what, SetUp setUp, Step step)
{
    std::vector<double> times;
    for (int run = 0; run < 10; ++run) {
        setUp(run);
        Clock::time_point began = Clock::now();
        step();
        times.push_back(BenchProcess::msSince(began));
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.1f ms, slowest %.1f ms\n", what, (times[4] + times[5]) / 2, times.back());
}

// Ctrl+S after edits, frame included (each save reads the scenario back): one changed map,
// then every map; and a recovery copy falling due: the look at the data that hands the copy
// to its thread, which is the longest an edit can wait for it, and an edit with its frame
// while the thread writes the copy.
void benchSaves(BMWindow& window)
{
    HWND view = window.getMapView()->getHandle();
    auto command = [&](uint16_t id) {
        SendMessageA(window.getHandle(), WM_COMMAND, id, 0);
        InvalidateRect(view, nullptr, FALSE);
        UpdateWindow(view);
    };
    auto change = [](uint32_t map, int run) {
        BMData* data = BMData::getInstance(false);
        uint8_t chip = data->getByte(BMData::TYPE_CHARACTER, map, run % 32, 11);
        data->setByte(BMData::TYPE_CHARACTER, static_cast<uint8_t>((chip + 1) % 240), map, run % 32, 11);
    };
    uint32_t maps = BMData::getInstance(false)->getAreaCount();
    timeSteps("Ctrl+S after one changed map", [&](int run) { change(1 + run % maps, run); },
         [&] { command(2103); });
    timeSteps("Ctrl+S after every map changed", [&](int run) {
        for (uint32_t map = 1; map <= maps; ++map) {
            change(map, run);
        }
    }, [&] { command(2103); });
    BMRecovery* recovery = window.getListeners()->getRecovery();
    int64_t now = 0;
    timeSteps("a recovery copy falling due: the look that hands it over (one changed map)", [&](int run) {
        recovery->getWriter().wait();
        change(1, run);
        now = static_cast<int64_t>(GetTickCount64()) + run * 100000;
        recovery->look(now);
    }, [&] { recovery->look(now + ZDRecoverySchedule::QUIET_MS); });
    timeSteps("an edit (Space) with its frame while the copy is written", [&](int run) {
        recovery->getWriter().wait();
        change(1, run);
        now = static_cast<int64_t>(GetTickCount64()) + 10000000 + run * 100000;
        recovery->look(now);
        recovery->look(now + ZDRecoverySchedule::QUIET_MS);
    }, [&] { command(2154); });
    timeSteps("an edit (Space) with its frame, no copy written", [&](int) { recovery->getWriter().wait(); },
         [&] { command(2154); });
    recovery->getWriter().wait();
    recovery->forget(BMData::getInstance(false));
}

// A settings file as a user's after a while: every value set and eight recent scenarios.
void writeSettings(const fs::path& file, const fs::path& game)
{
    BMSettings settings;
    settings.hasWindow = true;
    // The window's own first place, so that both runs draw frames of one size.
    settings.window = {(GetSystemMetrics(SM_CXSCREEN) - 640) / 2,
                       (GetSystemMetrics(SM_CYSCREEN) - 480) / 2, 640, 480, false};
    // The view as it starts, so that both runs draw the same first frame.
    settings.zoomStep = BMZoom::START_STEP;
    settings.viewFlags = VIEW_INITIAL;
    settings.editMode = MODE_OBJ;
    settings.brushRadius = 2;
    for (int i = 8; i >= 1; --i) {
        const std::string folder = (game / ("Scenario " + std::to_string(i))).string();
        settings.recent.open({folder, "2026/12/08 00:30", 16, 2, 5, 6});
    }
    settings.save(HFile(file.string()));
}

}  // namespace

int main(int argc, char** argv)
{
    double atMain = BenchProcess::msSinceProcessStart();
    double processorAtMain = BenchProcess::processMs();
    bool startOnly = argc > 1 && std::string(argv[1]) == "start";
    Clock::time_point start = Clock::now();
    fs::path game = fs::temp_directory_path() / "tessel-editor-bench";
    fs::remove_all(game);
    fs::create_directories(game);
    fs::copy(sampleGame() / "Default", game / "Default", fs::copy_options::recursive);
    // Recovery copies go beside the scenario: one left by a bench that was stopped in the
    // middle would otherwise ask its question at the next start.
    fs::create_directories(game / "appdata");
    SetEnvironmentVariableA("LOCALAPPDATA", (game / "appdata").string().c_str());
    const fs::path settingsFile = game / "appdata" / BMSession::FILE_NAME;
    if (argc > 2 && std::string(argv[2]) == "settings") {
        writeSettings(settingsFile, game);
    }
    double copying = BenchProcess::msSince(start);

    start = Clock::now();
    double processorAtStart = BenchProcess::processMs();
    Phases phases;
    HApplication::initializeApplication(GetModuleHandleA(nullptr), nullptr, "", SW_SHOWNORMAL,
                                        BMWindow::APPLICATION_FLAGS);
    phases.end("application services");
    // The settings the editor reads at start: a missing file, or with "settings" one that
    // holds every value and eight recent scenarios.
    std::unique_ptr<BMSession> session(new BMSession(HFile(settingsFile.string()), false));
    BMWindow window;
    window.setSession(std::move(session));
    window.setStartFolder(HFile((game / "Default").string()));
    phases.end("window built");
    window.create();
    phases.end("made");
    ShowWindow(window.getHandle(), SW_SHOWNORMAL);
    UpdateWindow(window.getHandle());
    phases.end("shown");
    while (!showsMap(window) && BenchProcess::msSince(start) < 10000) {
        BenchProcess::pump();
        Sleep(1);
    }
    phases.end("scenario opened and drawn");
    double firstFrame = BenchProcess::msSince(start);
    double processor = BenchProcess::processMs() - processorAtStart;
    std::printf("start-up: process start to main %.0f ms (processor %.0f); main to the first "
                "frame of map 1 %.0f ms (processor %.0f); process start to the first frame "
                "%.0f ms\n",
                atMain, processorAtMain, firstFrame, processor, atMain + firstFrame);
    std::printf("start-up phases, ms (processor ms): %s; copying the scenario, %.0f ms, left "
                "out\n",
                phases.text().c_str(), copying);
    if (!showsMap(window)) {
        std::printf("the map never showed\n");
        return 1;
    }
    if (startOnly) {
        window.dispose();
        BMData::deleteInstance();
        HApplication::uninitializeApplication();
        fs::remove_all(game);
        return 0;
    }

    // A message box of one line as the yardstick of what opening any dialog costs here.
    Opening box = dialogOpening([&window] { MessageBoxA(window.getHandle(), "bench", "bench", MB_OK); });
    Opening editor = dialogOpening([&window] { SendMessageA(window.getHandle(), WM_COMMAND, 2401, 0); });
    std::printf("area data editor (%u areas): opens in %.1f ms, %.1f ms of processor time (medians "
                "of ten; a message box: %.1f ms, %.1f ms)\n",
                BMData::getInstance(false)->getAreaCount(), editor.wall, editor.cpu, box.wall, box.cpu);

    // Every accelerator's command, ten times each; reload and save first, before any edit
    // makes reloading ask. Open, save as and exit open dialogs and are left out, and so are
    // the commands on the list of areas, which ask questions and change the list.
    std::vector<uint16_t> ids = {2102, 2103};
    for (int i = 0; i < window.getAcceleratorCount(); ++i) {
        uint16_t id = window.getAccelerator(i).cmd;
        const bool areaList = id >= 2356 && id <= 2361;
        if (id != 2101 && id != 2102 && id != 2103 && id != 2104 && id != 2106 && !areaList) {
            ids.push_back(id);
        }
    }
    HWND view = window.getMapView()->getHandle();
    double worst = 0;
    for (uint16_t id : ids) {
        std::vector<double> times;
        std::vector<double> frames;
        for (int run = 0; run < 10; ++run) {
            Clock::time_point began = Clock::now();
            SendMessageA(window.getHandle(), WM_COMMAND, id, 0);
            // The frame, painted now, also for a command that changed nothing.
            Clock::time_point painting = Clock::now();
            InvalidateRect(view, nullptr, FALSE);
            UpdateWindow(view);
            frames.push_back(BenchProcess::msSince(painting));
            times.push_back(BenchProcess::msSince(began));
        }
        std::sort(times.begin(), times.end());
        std::sort(frames.begin(), frames.end());
        double median = (times[4] + times[5]) / 2;
        worst = std::max(worst, median);
        std::printf("command %u: median %.1f ms (frame %.1f), slowest %.1f ms\n", id, median,
                    (frames[4] + frames[5]) / 2, times.back());
    }
    std::printf("slowest median of a command: %.1f ms\n", worst);
    benchSaves(window);
    window.dispose();
    BMData::deleteInstance();
    HApplication::uninitializeApplication();
    fs::remove_all(game);
    return 0;
}
