#include "bench/DisplayBench.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include <d3d9.h>

#include "bench/BenchProcess.h"
#include "editor/model/BMBrush.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMRedraw.h"
#include "editor/view/BMRenderer.h"
#include "framework/base/HWin32.h"
#include "framework/graphics/HDirectX.h"
#include "framework/graphics/HDirectXGraphics.h"
#include "framework/graphics/HWindowsGraphics.h"

namespace {

using Clock = std::chrono::steady_clock;

const int kRounds = 101;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// User and kernel time of the whole process (the Direct3D work of Wine and Mesa runs on
// threads of its own), so that a busy machine does not inflate the figures.
double processMilliseconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ticks = [](const FILETIME& time) {
        return static_cast<double>(static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e4;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Medians of the phases of one step, from an idle device to the frame on the window:
// drawing into the images, composing the frame picture in memory, handing it to the device
// (for Direct3D the copy of the changed part into the texture and the quad), ending the frame
// (present or GDI copy) and waiting until the device has done everything.
struct Phases {
    std::vector<double> draw, compose, upload, present, finish, total;
    double processTime = 0;  // mean per step

    void print(const char* label) const
    {
        std::printf("display: %-28s %6.2f ms (draw %.2f, compose %.2f, upload %.2f, present %.2f, "
                    "finish %.2f); process time %.2f ms\n",
                    label, median(total), median(draw), median(compose), median(upload),
                    median(present), median(finish), processTime);
    }
};

// Waits until the device has carried out everything it was given, the present included.
void waitForDevice(HGraphics* graphics)
{
    auto* device = static_cast<IDirect3DDevice9*>(graphics->getDrawingHandle());
    IDirect3DQuery9* query = nullptr;
    if (graphics->getType() != HGraphics::TYPE_DIRECTX || device == nullptr
        || FAILED(device->CreateQuery(D3DQUERYTYPE_EVENT, &query))) {
        GdiFlush();
        return;
    }
    query->Issue(D3DISSUE_END);
    while (query->GetData(nullptr, 0, D3DGETDATA_FLUSH) == S_FALSE) {
    }
    query->Release();
}

HWND makeWindow(int width, int height)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TesselDisplayBench";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "TesselDisplayBench", "display bench", WS_POPUP | WS_VISIBLE, 0, 0,
                           width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// Runs change (the drawing of one step) and then one frame, kRounds times, each from an idle
// device; prepare, when given, runs before each round, outside the time.
Phases measure(BMRenderer& renderer, HGraphics* graphics, HWND window,
               const std::function<void(int)>& change,
               const std::function<void(int)>& prepare = std::function<void(int)>())
{
    Phases phases;
    double processStart = processMilliseconds();
    for (int round = 0; round < kRounds; ++round) {
        if (prepare) {
            prepare(round);
        }
        waitForDevice(graphics);
        BenchProcess::pump();
        Clock::time_point start = Clock::now();
        change(round);
        // As the editor's window does: only the part the frame changes is painted again.
        BMRegion pending = renderer.pendingArea();
        Clock::time_point drawn = Clock::now();
        renderer.composeFrame();
        Clock::time_point composed = Clock::now();
        for (int i = 0; i < pending.size(); ++i) {
            RECT rect = {pending[i].left, pending[i].top, pending[i].right, pending[i].bottom};
            InvalidateRect(window, &rect, FALSE);
        }
        graphics->begin();
        renderer.drawDisplay(graphics);
        Clock::time_point uploaded = Clock::now();
        graphics->end();
        Clock::time_point presented = Clock::now();
        waitForDevice(graphics);
        auto between = [](Clock::time_point from, Clock::time_point to) {
            return std::chrono::duration<double, std::milli>(to - from).count();
        };
        phases.draw.push_back(between(start, drawn));
        phases.compose.push_back(between(drawn, composed));
        phases.upload.push_back(between(composed, uploaded));
        phases.present.push_back(between(uploaded, presented));
        phases.finish.push_back(millisecondsSince(presented));
        phases.total.push_back(millisecondsSince(start));
    }
    phases.processTime = (processMilliseconds() - processStart) / kRounds;
    return phases;
}

// The painting tools in direct mouse mode, each step with its undo item and its frame: a fill
// of the whole map (1,024 cells of one terrain, which every round turns into the other of two
// terrains) and the drag steps of a stroke of the largest brush, the pointer two cells further
// at each step.
void benchPainting(BMDisplay& display, BMRenderer& renderer, HGraphics* graphics, HWND window)
{
    BMData* data = display.getData();
    BMEditor& editor = display.getEditor();
    const int mode = editor.getEditMode();
    const int mouse = editor.getMouseMode();
    const int shape = editor.getShape();
    for (int index = 0; index < MAP_CELLS; ++index) {
        data->setByte(BMData::TYPE_CHARACTER, 7, 0, index % MAP_SIZE, index / MAP_SIZE);
    }
    renderer.resetImageBuffer();
    editor.setEditMode(MODE_CHAR);
    editor.setMouseMode(MOUSE_DIRECT);
    editor.setShape(SHAPE_FILL);
    size_t filled = 0;
    measure(renderer, graphics, window, [&](int round) {
        editor.setCharacter(round % 2 == 0 ? 8 : 7);
        BMChange change = editor.pressCell(round % MAP_SIZE, (round * 7) % MAP_SIZE);
        filled = change.cells.size();
        renderer.redrawLayers(BMRedraw::of(change.data), &change.cells);
    }).print("fill 1024 cells (set, undo)");
    if (filled != MAP_CELLS) {
        std::printf("display: the fill set %zu cells, not %d\n", filled, MAP_CELLS);
    }
    // The same fill of placements: the map file holds 20 cells of a group, so the fill places
    // 20 and tells of the rest. Each round fills the map without placements again.
    for (int index = 0; index < MAP_CELLS; ++index) {
        data->setByte(BMData::TYPE_CONNECT, 0, 0, index % MAP_SIZE, index / MAP_SIZE);
    }
    data->correct(0);
    renderer.resetImageBuffer();
    editor.setEditMode(MODE_PLACEMENT);
    measure(renderer, graphics, window, [&](int round) {
        editor.setGroupIndex(round % 8);
        BMChange change = editor.pressCell(round % MAP_SIZE, (round * 7) % MAP_SIZE);
        filled = change.cells.size();
        renderer.redrawLayers(BMRedraw::of(change.data), &change.cells);
    }, [&](int round) {
        if (round > 0) {
            BMChange change = editor.undo();
            renderer.redrawLayers(BMRedraw::of(change.data), &change.cells);
        }
    }).print("placement fill (1024 cells)");
    if (filled != MAP_CELLS) {
        std::printf("display: the placement fill took %zu cells, not %d\n", filled, MAP_CELLS);
    }
    editor.setEditMode(MODE_CHAR);
    editor.setShape(SHAPE_FREE);
    editor.setBrushRadius(BMBrush::MAX_RADIUS);
    editor.startDrag(2, 2);
    measure(renderer, graphics, window, [&](int round) {
        int step = round % 14;  // to and fro along a slope
        int k = round / 14 % 2 == 0 ? step : 13 - step;
        BMChange change = editor.moveDrag(2, 2, 2 + 2 * k, 2 + k);
        renderer.redrawLayers(BMRedraw::of(change.data), nullptr);
    }).print("brush drag step (radius 3)");
    editor.setCellMark(-1, -1, 0, true);
    editor.setBrushRadius(0);
    editor.setEditMode(mode);
    editor.setMouseMode(mouse);
    editor.setShape(shape);
    editor.getUndoList().clear();
    data->restore(BMData::TYPE_MAP, 0, 0, 0);
    renderer.resetImageBuffer();
}

// A drag step and a one-cell edit at each zoom step (the cells are those the view shows).
void benchSteps(BMDisplay& display, BMRenderer& renderer, HGraphics* graphics, HWND window)
{
    BMData* data = display.getData();
    for (int step : {2, 0, 3}) {
        display.setZoomStep(step);
        display.setScroll(0, 0);
        display.getEditor().setCellMark(-1, -1, 0, false);
        renderer.drawMarkOverlay();
        measure(renderer, graphics, window, [](int) {});
        const int percent = display.getLayout().getZoom().getPercent();
        char label[64];
        std::snprintf(label, sizeof label, "drag step at %d %%", percent);
        measure(renderer, graphics, window, [&](int round) {
            display.getEditor().setCellMark(round % 16, (round / 16) % 12, CELL_PENDING, true);
            renderer.drawMarkOverlay();
        }).print(label);
        std::snprintf(label, sizeof label, "one-cell edit at %d %%", percent);
        measure(renderer, graphics, window, [&](int round) {
            int x = round % 16;
            int y = (round * 7) % 12;
            data->setByte(BMData::TYPE_CHARACTER, static_cast<uint8_t>(round % 240), 0, x, y);
            std::vector<uint16_t> cells = {static_cast<uint16_t>(y * MAP_SIZE + x)};
            renderer.redrawLayers(REDRAW_CHAR | REDRAW_NUMBER | REDRAW_AREA_INFO | REDRAW_TITLE,
                                  &cells);
        }).print(label);
    }
    display.getEditor().setCellMark(-1, -1, 0, false);
    renderer.drawMarkOverlay();
    // Zooming in and out by one step about the view's centre, each to its frame.
    measure(renderer, graphics, window, [&](int round) {
        int to = round % 2 == 0 ? 1 : 2;
        BMPoint centre = {display.getLayout().getViewSize().x / 2, display.getLayout().getViewSize().y / 2};
        BMPoint scroll = display.getLayout().getZoom().scrollKeeping(display.getLayout().getScroll(), centre, to);
        display.setZoomStep(to);
        display.setScroll(scroll.x < 0 ? 0 : scroll.x, scroll.y < 0 ? 0 : scroll.y);
    }).print("zoom step (50 % <-> 100 %)");
    measure(renderer, graphics, window, [&](int round) {
        int to = round % 2 == 0 ? 3 : 2;
        display.setZoomStep(to);
        display.setScroll(to == 3 ? 400 : 0, to == 3 ? 300 : 0);
    }).print("zoom step (100 % <-> 200 %)");
    display.setZoomStep(BMZoom::START_STEP);
    display.setScroll(0, 0);
    measure(renderer, graphics, window, [&](int round) {
        renderer.drawMiniMap(round % MAP_SIZE, (round * 5) % MAP_SIZE);
    }).print("mini-map cell");
}

void benchDevice(BMDisplay& display, BMRenderer& renderer, HGraphics* graphics, HWND window,
                 const char* device)
{
    BMData* data = display.getData();
    std::printf("display: %s, view %d x %d, every layer and panel shown\n", device,
                display.getLayout().getViewSize().x, display.getLayout().getViewSize().y);
    renderer.resetImageBuffer();
    measure(renderer, graphics, window, [](int) {}).print("frame");
    measure(renderer, graphics, window, [&](int round) {
        display.getEditor().setCellMark(round % MAP_SIZE, (round / MAP_SIZE) % MAP_SIZE, CELL_PENDING, true);
        renderer.drawMarkOverlay();
    }).print("drag step (overlay)");
    measure(renderer, graphics, window, [&](int round) {
        int x = round % MAP_SIZE;
        int y = (round * 7) % MAP_SIZE;
        data->setByte(BMData::TYPE_CHARACTER, static_cast<uint8_t>(round % 240), 0, x, y);
        std::vector<uint16_t> cells = {static_cast<uint16_t>(y * MAP_SIZE + x)};
        renderer.redrawLayers(REDRAW_CHAR | REDRAW_NUMBER | REDRAW_AREA_INFO | REDRAW_TITLE, &cells);
    }).print("one-cell character edit");
    benchSteps(display, renderer, graphics, window);
    measure(renderer, graphics, window, [&](int) {
        renderer.drawCharLayer(-1, -1);
    }).print("character layer redrawn");
    uint32_t maps = data->getAreaCount();
    measure(renderer, graphics, window, [&](int round) {
        data->setCurrent(static_cast<uint32_t>(round) % maps + 1);
        display.resetState();
        display.setupChooserPage();
        renderer.resetImageBuffer();
    }).print("map switch");
    measure(renderer, graphics, window, [&](int round) {
        display.getLayout().setHoverMark(0, 0);
        display.getLayout().setHoverMark(36 + round % 16, 1);
        renderer.drawChooser();
    }).print("chooser hover (area page)");
    benchPainting(display, renderer, graphics, window);
    data->setCurrent(1);
    display.resetState();
}

}  // namespace

void benchDisplay(const std::string& scenario, int width, int height)
{
    HWND window = makeWindow(width, height);
    if (window == nullptr) {
        std::printf("display: skipped, no window\n");
        return;
    }
    BMDisplay display;
    display.setData(true);
    BMData* data = display.getData();
    if (!data->load(HFile(scenario), HFile()) || data->getAreaCount() == 0) {
        std::printf("display: cannot load %s\n", scenario.c_str());
        return;
    }
    data->setCurrent(1);
    display.resetState();
    display.getLayout().setViewFlag(0xFFFF, true);
    display.getLayout().setViewFlag(VIEW_PAGES, false);
    display.getLayout().setViewFlag(VIEW_PAGE_AREA, true);
    display.setupChooserPage();
    display.setViewSize(width, height);
    BMRenderer renderer(display);

    if (HDirectX::initialize()) {
        {
            HDirectXGraphics direct3D;
            direct3D.setMainWindow(window);
            if (direct3D.initialize()) {
                benchDevice(display, renderer, &direct3D, window, "Direct3D");
            } else {
                std::printf("display: Direct3D skipped, no device\n");
            }
        }
        renderer.releaseImageBuffer();  // no texture outlives the device object
        HDirectX::uninitialize();
    } else {
        std::printf("display: Direct3D skipped, no Direct3D 9\n");
    }
    HWindowsGraphics gdi;
    gdi.setMainWindow(window);
    benchDevice(display, renderer, &gdi, window, "GDI");
    renderer.releaseImageBuffer();
    BMData::deleteInstance();
    DestroyWindow(window);
}
