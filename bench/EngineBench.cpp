#include "bench/EngineBench.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "scenario/ZDArea.h"
#include "scenario/ZDBMap.h"

#if defined(_WIN32)
#include "framework/base/HWin32.h"
#include <psapi.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Bytes the process has committed, or 0 where the platform does not tell.
size_t privateBytes()
{
#if defined(_WIN32)
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters)) {
        return counters.PagefileUsage;
    }
#endif
    return 0;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A scenario of two maps: terrain with exactly 200 cities, walls and roads, and a blank one.
std::filesystem::path writeScenario()
{
    std::filesystem::path root = std::filesystem::temp_directory_path() / "tessel-bench-editor";
    std::filesystem::create_directories(root / "Data");
    std::mt19937 random(3);
    ZDBMap maps[2];
    for (uint32_t cell = 0; cell < ZDBMap::CELLS; ++cell) {
        maps[0].setCharacter(cell % 32, cell / 32, static_cast<uint8_t>(random() % 240));
    }
    for (int placed = 0; placed < 200;) {
        const uint32_t x = random() % 32;
        const uint32_t y = random() % 32;
        if (maps[0].getObject(x, y) == 0) {
            maps[0].setObject(x, y, static_cast<uint8_t>(1 + random() % 39));
            ++placed;
        }
    }
    std::string list;
    for (int i = 0; i < 2; ++i) {
        ZDArea area;
        area.setName("bench");
        list += area.formatLine() + "\r\n";
        maps[i].correct();
        std::string image(ZDBMap::IMAGE_SIZE, '\0');
        maps[i].writeToBytes(reinterpret_cast<uint8_t*>(&image[0]));
        writeFile(root / "Data" / ("BMap_No" + std::to_string(i + 1)), image);
    }
    writeFile(root / "Data" / "AreaData", list + "End");
    return root;
}

int objectCount(const BMData& data)
{
    return static_cast<int>(data.getWord(BMData::TYPE_CITY_COUNT, 0, 0, 0)
                            + data.getWord(BMData::TYPE_WALL_COUNT, 0, 0, 0)
                            + data.getWord(BMData::TYPE_ROAD_COUNT, 0, 0, 0));
}

void benchWholeMapSet(BMEditor& editor)
{
    const int kRounds = 200;
    editor.selectAll();
    editor.setEditMode(MODE_CHAR);
    double total = 0;
    for (int round = 0; round < kRounds; ++round) {
        editor.setCharacter(round % 240);
        const Clock::time_point start = Clock::now();
        editor.execSet(0);
        total += millisecondsSince(start);
    }
    printf("edit: a character chip over all 1024 cells with its undo item: %.3f ms\n", total / kRounds);
    editor.selectNone();
}

void benchObjectEdit(BMEditor& editor, BMData& data)
{
    const int kRounds = 500;
    std::mt19937 random(5);
    editor.setEditMode(MODE_OBJ);
    const int objects = objectCount(data);
    double total = 0;
    for (int round = 0; round < kRounds; ++round) {
        editor.setCursor(static_cast<int>(random() % 32), static_cast<int>(random() % 32));
        editor.setObject(1 + round % 39);
        const Clock::time_point start = Clock::now();
        editor.execSet(0);
        total += millisecondsSince(start);
        editor.undo();
    }
    printf("edit: one object on a map of %d objects, renumbered, with its undo item: %.3f ms\n",
           objects, total / kRounds);
}

// Selects rows 0, 2, ..., 30 and, on the odd rows between them, the cell that joins them at
// alternate ends: one chain of 527 cells.
void selectSerpentine(BMEditor& editor)
{
    editor.setCellMark(-1, -1, 0, true);
    for (int y = 0; y < 32; y += 2) {
        editor.setCellMark(-1, y, CELL_SELECTED, true);
        if (y + 1 < 32) {
            editor.setCellMark((y / 2) % 2 == 0 ? 31 : 0, y + 1, CELL_SELECTED, true);
        }
    }
    editor.setCursor(0, 0);
}

void benchBorder(BMEditor& editor, const char* label, bool whole)
{
    const int kRounds = 50;
    editor.setEditMode(MODE_BORDER);
    editor.setCharacter(23);
    double total = 0;
    double longest = 0;
    for (int round = 0; round < kRounds; ++round) {
        if (whole) {
            editor.setCellMark(-1, -1, CELL_SELECTED, true);
        } else {
            selectSerpentine(editor);
        }
        const Clock::time_point start = Clock::now();
        editor.execSet(0);
        const double took = millisecondsSince(start);
        total += took;
        longest = took > longest ? took : longest;
        editor.undo();
    }
    printf("border: %s traced with its undo item: %.3f ms (longest %.3f ms; a loop, no recursion)\n",
           label, total / kRounds, longest);
}

// Direct mouse mode on the blank map: a fill of all 1024 cells, which turns them from one
// terrain into another every round, and the drag steps of a stroke of the largest brush.
void benchPainting(BMEditor& editor)
{
    const int kRounds = 200;
    editor.getUndoList().clear();
    editor.setCellMark(-1, -1, 0, true);
    editor.setEditMode(MODE_CHAR);
    editor.setMouseMode(MOUSE_DIRECT);
    editor.setShape(SHAPE_FILL);
    double total = 0;
    size_t cells = 0;
    for (int round = 0; round < kRounds; ++round) {
        editor.setCharacter(round % 2 == 0 ? 8 : 7);
        const Clock::time_point start = Clock::now();
        cells = editor.pressCell(round % 32, round * 7 % 32).cells.size();
        total += millisecondsSince(start);
    }
    printf("paint: a fill of %zu cells with its undo item: %.3f ms\n", cells, total / kRounds);

    // The same fill of placements, each round on the map without them: the map file holds 20
    // cells of a group, so the fill places 20 and reports the rest.
    editor.setEditMode(MODE_PLACEMENT);
    total = 0;
    for (int round = 0; round < kRounds; ++round) {
        editor.setGroupIndex(round % 8);
        const Clock::time_point start = Clock::now();
        cells = editor.pressCell(round % 32, round * 7 % 32).cells.size();
        total += millisecondsSince(start);
        editor.undo();
    }
    printf("paint: a placement fill of %zu cells with its undo item: %.3f ms\n", cells,
           total / kRounds);
    editor.setEditMode(MODE_CHAR);

    editor.setShape(SHAPE_FREE);
    editor.setBrushRadius(3);
    editor.startDrag(2, 2);
    total = 0;
    for (int round = 0; round < kRounds; ++round) {
        const int step = round % 14;
        const int k = round / 14 % 2 == 0 ? step : 13 - step;
        const Clock::time_point start = Clock::now();
        editor.moveDrag(2, 2, 2 + 2 * k, 2 + k);
        total += millisecondsSince(start);
    }
    const Clock::time_point start = Clock::now();
    editor.endDrag(28, 15);
    printf("paint: a drag step of the radius 3 brush, two cells on: %.3f ms; the stroke's end "
           "with its undo item %.3f ms\n", total / kRounds, millisecondsSince(start));
    editor.setBrushRadius(0);
    editor.setMouseMode(MOUSE_SELECT);
    editor.setCellMark(-1, -1, 0, true);
}

void benchHistory(BMEditor& editor)
{
    editor.getUndoList().clear();
    editor.setCellMark(-1, -1, CELL_SELECTED, true);
    editor.setEditMode(MODE_CHAR);
    const size_t before = privateBytes();
    for (int edit = 0; edit < 256; ++edit) {
        editor.setCharacter(edit % 240);
        editor.execSet(0);
    }
    const size_t after = privateBytes();
    printf("history: 256 whole-map edits: %zu items, records %.1f MiB, process commit +%.1f MiB\n",
           editor.getUndoList().getCount(), editor.getUndoList().recordBytes() / 1048576.0,
           after > before ? (after - before) / 1048576.0 : 0.0);
}

}  // namespace

void benchEditing()
{
    const std::filesystem::path root = writeScenario();
    BMData data;
    data.load(HFile(root.string()), HFile());
    data.setCurrent(1);
    BMEditor editor;
    editor.setData(&data);
    editor.loadBorderTable();

    benchWholeMapSet(editor);
    benchObjectEdit(editor, data);
    data.setCurrent(2);
    benchBorder(editor, "a serpentine chain of 527 cells", false);
    benchBorder(editor, "all 1024 cells", true);
    benchPainting(editor);
    benchHistory(editor);

    std::error_code error;
    std::filesystem::remove_all(root, error);
}
