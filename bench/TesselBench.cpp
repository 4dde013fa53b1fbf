// Throughput of the data core (battle map images, area lists, opening whole scenarios, MIDI
// files), of the layer images the map view copies into Direct3D textures, and the MIDI
// player's timing. Run it on a quiet machine; the figures go into the notes of the work that
// changes these paths. The graphics figures need a display and Direct3D; without them they
// are skipped and the data-core figures still come.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/EngineBench.h"
#include "bench/MidiBench.h"
#include "scenario/ZDArea.h"
#include "scenario/ZDBMap.h"

#if defined(_WIN32)
#include "bench/BenchProcess.h"
#include "bench/DisplayBench.h"
#include "bench/SaveBench.h"
#include "editor/model/BMData.h"
#include "framework/base/HWin32.h"
#include "framework/graphics/HDirectX.h"
#include "framework/graphics/HDirectXGraphics.h"
#include "framework/graphics/HDirectXImage.h"
#include "framework/graphics/HImage.h"
#include "sample/SGChipPainter.h"
#include "sample/SGScenario.h"
#include "scenario/ZDAreaMapData.h"
#include "tool/TCCommand.h"
#include "tool/TCPicture.h"
#include "framework/graphics/HPngFile.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A map image like a hand-made one: terrain everywhere, some cities, walls and roads,
// heights and a few placement cells, with counts that need correcting.
std::vector<uint8_t> makeImage(std::mt19937& random)
{
    std::vector<uint8_t> image(ZDBMap::IMAGE_SIZE, 0);
    for (size_t i = 0; i < ZDBMap::CELLS; ++i) {
        image[i] = static_cast<uint8_t>(random() % 240);
        uint32_t roll = random() % 100;
        image[1024 + i] = roll < 3 ? 1 + random() % 15 : roll < 8 ? 16 + random() % 9
                                                      : roll < 15 ? 25 + random() % 15 : 0;
        image[2048 + i] = image[1024 + i] != 0 ? static_cast<uint8_t>(random() % 50) : 0;
        image[3072 + i] = static_cast<uint8_t>(random() % 16);
    }
    for (size_t slot = 0; slot < 160; slot += 3) {
        image[4096 + 2 * slot] = static_cast<uint8_t>(1 + random() % 31);
        image[4096 + 2 * slot + 1] = static_cast<uint8_t>(random() % 32);
    }
    return image;
}

void benchMaps()
{
    const int kMaps = 2000;
    std::mt19937 random(1);
    std::vector<std::vector<uint8_t>> images;
    for (int i = 0; i < kMaps; ++i) {
        images.push_back(makeImage(random));
    }
    std::vector<uint8_t> out(ZDBMap::IMAGE_SIZE);
    Clock::time_point start = Clock::now();
    uint32_t check = 0;
    for (const std::vector<uint8_t>& image : images) {
        ZDBMap map;
        map.createFromBytes(image.data(), image.size(), HFile(), 1);
        map.correct();
        std::fill(out.begin(), out.end(), 0);
        map.writeToBytes(out.data());
        check += out[4416];
    }
    double seconds = secondsSince(start);
    printf("maps: %d images loaded, corrected and written in %.3f s: %.0f maps/s, %.1f us/map (check %u)\n",
           kMaps, seconds, kMaps / seconds, seconds * 1e6 / kMaps, check);
}

void benchAreaList()
{
    const int kLines = 1000;
    const int kRounds = 50;
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        char line[256];
        snprintf(line, sizeof(line),
                 "地域%04d            %02d %02d  %02d  %02d  %02d %3d %3d  %4d %4d  %02d %02d %02d %02d %02d %02d %02d %02d BGM%02d\r\n",
                 i, i % 7, i % 13, i % 30, i % 20, i % 40, i % 5, i % 9, i, -i, (i + 1) % kLines,
                 0, 0, 0, 0, 0, 0, i % 3, i % 20);
        text += line;
    }
    text += "End";
    Clock::time_point start = Clock::now();
    size_t bytes = 0;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::unique_ptr<ZDArea>> areas;
        ZDArea::parseList(text, &areas, HFile("AreaData"));
        for (const auto& area : areas) {
            bytes += area->formatLine().size();
        }
    }
    double seconds = secondsSince(start);
    printf("area list: %d lines parsed and formatted %d times in %.3f s: %.2f ms per list, %.0f lines/s (%zu bytes)\n",
           kLines, kRounds, seconds, seconds * 1e3 / kRounds, kLines * kRounds / seconds, bytes);
}

#if defined(_WIN32)
// The sample game the build wrote, as a Windows path: the build passes a path of its own
// machine, whose root Wine shows as drive Z.
std::string sampleGame()
{
    std::string path = TESSEL_SAMPLE_GAME;
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
}

// Opens a scenario folder (area list, every map, both chip bitmaps) again and again; the
// first load only warms the file cache.
void benchOpen(const std::string& label, const std::string& folder, int rounds)
{
    ZDAreaMapData data;
    if (!data.load(HFile(folder), HFile())) {
        printf("open %s: cannot load %s\n", label.c_str(), folder.c_str());
        return;
    }
    bool images = data.getCharacterImage() != nullptr && data.getObjectImage() != nullptr;
    Clock::time_point start = Clock::now();
    bool ok = true;
    for (int round = 0; round < rounds; ++round) {
        ok = data.load(HFile(folder), HFile()) && ok;
    }
    double seconds = secondsSince(start);
    printf("open %s: area list, %u maps and %s in %.1f ms per load (%d loads%s)\n", label.c_str(),
           data.getAreaCount(), images ? "both chip bitmaps" : "no chip bitmaps",
           seconds * 1e3 / rounds, rounds, ok ? "" : ", some failed");
}

// The companion's check of a whole scenario folder, as its process runs it after start: load,
// every finding, the report.
void benchCheck(const std::string& label, const std::string& folder, int rounds)
{
    std::string out;
    std::string err;
    int status = TCCommand::check({folder}, false, &out, &err);
    Clock::time_point start = Clock::now();
    double processor = BenchProcess::processMs() / 1e3;
    for (int round = 0; round < rounds; ++round) {
        out.clear();
        TCCommand::check({folder}, false, &out, &err);
    }
    double seconds = secondsSince(start);
    processor = BenchProcess::processMs() / 1e3 - processor;
    printf("check %s: %.1f ms per check, %.1f ms of processor time (%d checks, status %d)\n",
           label.c_str(), seconds * 1e3 / rounds, processor * 1e3 / rounds, rounds, status);
}

// The companion's map pictures of a loaded scenario: the editor's layers drawn and blended,
// then encoded as PNG, one map after the other. Processor time beside wall time, since the
// machine is rarely quiet; the one-colour picture gives the codec's floor at this size.
void benchPictures(const std::string& folder)
{
    BMData* data = BMData::getInstance(true);
    data->load(HFile(folder), HFile());
    uint32_t maps = std::max<uint32_t>(data->getAreaCount(), 1);
    std::vector<uint32_t> pixels;
    std::string png;
    std::string error;
    double drawing[2] = {};
    double encoding[2] = {};
    size_t bytes = 0;
    auto timed = [](double* sums, auto work) {
        Clock::time_point start = Clock::now();
        double processor = BenchProcess::processMs() / 1e3;
        work();
        sums[0] += secondsSince(start);
        sums[1] += BenchProcess::processMs() / 1e3 - processor;
    };
    auto encode = [&]() {
        HPngFile::encode(pixels.data(), TCPicture::WIDTH, TCPicture::HEIGHT, &png, &error);
    };
    for (uint32_t map = 1; map <= data->getAreaCount(); ++map) {
        timed(drawing, [&]() { TCPicture::draw(map, TCPicture::DEFAULT_LAYERS, &pixels); });
        timed(encoding, encode);
        bytes += png.size();
    }
    BMData::deleteInstance();
    double plain[2] = {};
    std::fill(pixels.begin(), pixels.end(), 0x336699u);
    for (uint32_t i = 0; i < maps; ++i) {
        timed(plain, encode);
    }
    printf("pictures: %u maps, each drawn in %.1f ms (processor %.1f), encoded in %.1f ms "
           "(processor %.1f), %zu KB of PNG; a one-colour picture encoded in %.1f ms (processor "
           "%.1f)\n",
           maps, drawing[0] * 1e3 / maps, drawing[1] * 1e3 / maps, encoding[0] * 1e3 / maps,
           encoding[1] * 1e3 / maps, bytes / 1024 / maps, plain[0] * 1e3 / maps, plain[1] * 1e3 / maps);
}

void benchScenarios()
{
    benchOpen("sample Default", sampleGame() + "\\Default", 50);
    benchPictures(sampleGame() + "\\Default");

    std::filesystem::path root = std::filesystem::temp_directory_path() / "tessel-bench";
    std::filesystem::create_directories(root);
    std::string characterBmp = SGChipPainter::characterSheet().toBmp();
    std::string objectBmp = SGChipPainter::objectSheet().toBmp();
    Clock::time_point start = Clock::now();
    if (!SGScenario::write(SGScenario::large(200), root.string(), characterBmp, objectBmp)) {
        return;
    }
    printf("generated 200 areas in %.1f s\n", secondsSince(start));
    benchOpen("generated Large", (root / "Large").string(), 10);
    benchCheck("generated Large", (root / "Large").string(), 10);
    std::error_code error;
    std::filesystem::remove_all(root, error);
}

// A layer image of the whole map: 32 chips of 32 pixels per row plus the half-chip shift of
// the odd rows (1040 pixels), and 32 rows of 24 pixels plus the last row's lower part,
// rounded up to 800.
const int kLayerWidth = 1040;
const int kLayerHeight = 800;
const int kChip = 32;
const int kChipsPerRow = 20;  // chips per row of a chip bitmap

HWND makeWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TesselBench";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "TesselBench", "bench", WS_POPUP | WS_VISIBLE, 0, 0, kLayerWidth,
                           kLayerHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// A chip bitmap of 240 chips with black (transparent) corners, like the scenario's.
void paintChips(HImage* chips)
{
    uint32_t* pixels = chips->getPixels();
    for (int y = 0; y < chips->getHeight(); ++y) {
        for (int x = 0; x < chips->getWidth(); ++x) {
            bool corner = (x % kChip) + (y % kChip) < 6;
            pixels[static_cast<size_t>(y) * chips->getWidth() + x] =
                corner ? 0 : static_cast<uint32_t>(0x102030 + x * 7 + y * 0x10000);
        }
    }
    chips->commitPixels();
}

void benchLayerCopies()
{
    HWND window = makeWindow();
    if (window == nullptr || !HDirectX::initialize()) {
        printf("layers: skipped, no window or no Direct3D 9\n");
        return;
    }
    HDirectX* directX = HDirectX::getInstance(window, nullptr);
    if (directX == nullptr || directX->isUnusable()) {
        printf("layers: skipped, no Direct3D 9 device\n");
        return;
    }
    const int kRounds = 40;
    HImage layer(kLayerWidth, kLayerHeight, window);
    layer.fill(HColor(0x30, 0x60, 0x30));
    HDirectXImage texture(kLayerWidth, kLayerHeight, window);

    // The whole layer in one copy, timed by phase: locking the texture, copying the pixels
    // (read from the GDI bitmap once beforehand), committing the texture.
    layer.getPixels();
    double phases[3] = {};
    for (int round = 0; round < kRounds; ++round) {
        Clock::time_point start = Clock::now();
        texture.getPixels();
        phases[0] += secondsSince(start);
        start = Clock::now();
        layer.draw(&texture, 0, 0);
        phases[1] += secondsSince(start);
        start = Clock::now();
        texture.commitPixels();
        phases[2] += secondsSince(start);
    }
    double whole = (phases[0] + phases[1] + phases[2]) / kRounds;
    // The same with the GDI bitmap read afresh each time.
    Clock::time_point start = Clock::now();
    for (int round = 0; round < kRounds; ++round) {
        layer.lockPixels();
        layer.draw(&texture, 0, 0);
        texture.commitPixels();
    }
    double wholeWithRead = secondsSince(start) / kRounds;

    // The layer chip by chip from a chip bitmap, as the map view redraws it.
    HImage chips(kChipsPerRow * kChip, 12 * kChip, window);
    paintChips(&chips);
    chips.getPixels();
    start = Clock::now();
    for (int round = 0; round < kRounds; ++round) {
        for (int cell = 0; cell < 32 * 32; ++cell) {
            int row = cell / 32;
            int chip = (cell * 7) % 240;
            chips.draw(&texture, (cell % 32) * kChip + (row % 2) * kChip / 2, row * 24, kChip,
                       kChip, chip % kChipsPerRow * kChip, chip / kChipsPerRow * kChip);
        }
        texture.commitPixels();
    }
    double byChip = secondsSince(start) / kRounds;

    // One frame: the layer texture drawn as a quad and presented.
    HDirectXGraphics graphics;
    graphics.setMainWindow(window);
    graphics.initialize();
    start = Clock::now();
    for (int round = 0; round < kRounds; ++round) {
        graphics.begin();
        graphics.drawImage(&texture, 0, 0, kLayerWidth, kLayerHeight, 0, 0);
        graphics.end();
    }
    double frame = secondsSince(start) / kRounds;

    double megapixels = kLayerWidth * kLayerHeight / 1e6;
    printf("layers: %dx%d GDI to Direct3D %.2f ms (lock %.2f, copy %.2f = %.0f Mpixel/s, commit %.2f); "
           "with the GDI read %.2f ms\n",
           kLayerWidth, kLayerHeight, whole * 1e3, phases[0] * 1e3 / kRounds, phases[1] * 1e3 / kRounds,
           megapixels * kRounds / phases[1], phases[2] * 1e3 / kRounds, wholeWithRead * 1e3);
    printf("layers: 1024 chips of 32x32 with transparency %.2f ms; one frame drawn and presented %.2f ms\n",
           byChip * 1e3, frame * 1e3);
    HDirectX::uninitialize();
}
// The whole map picture (1040 x 1024, the largest view that shows map everywhere) and about
// the view of the main window at its first size (640 x 480 less frame, menu, scroll bars and
// status bar).
void benchDisplays()
{
    benchDisplay(sampleGame() + "\\Default", 1040, 1024);
    benchDisplay(sampleGame() + "\\Default", 608, 386);
}
#else
void benchScenarios()
{
    printf("open: skipped, scenario folders with chip bitmaps are Windows only\n");
}

void benchLayerCopies()
{
    printf("layers: skipped, Direct3D 9 is Windows only\n");
}
#endif

}  // namespace

// "display", "midi", "save" or "editing" as the only argument runs those figures alone (the
// MIDI timing takes a minute).
int main(int argc, char** argv)
{
    bool display = argc == 2 && std::strcmp(argv[1], "display") == 0;
    bool midi = argc == 2 && std::strcmp(argv[1], "midi") == 0;
    if (argc == 2 && std::strcmp(argv[1], "editing") == 0) {
        benchEditing();
        return 0;
    }
#if defined(_WIN32)
    if (argc == 2 && std::strcmp(argv[1], "save") == 0) {
        benchSaving(sampleGame() + "\\Default");
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "picture") == 0) {
        benchPictures(sampleGame() + "\\Default");
        return 0;
    }
#endif
    if (!display && !midi) {
        benchMaps();
        benchAreaList();
        benchScenarios();
#if defined(_WIN32)
        benchSaving(sampleGame() + "\\Default");
#endif
        benchLayerCopies();
        benchEditing();
    }
#if defined(_WIN32)
    if (!midi) {
        benchDisplays();
    }
#endif
    if (!display) {
        benchMidiParse();
        benchMidiTiming();
    }
    return 0;
}
