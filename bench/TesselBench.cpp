// Throughput of the data core: battle map images and area lists. Run it on a quiet machine;
// the figures go into the notes of the work that changes these paths.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "scenario/ZDArea.h"
#include "scenario/ZDBMap.h"

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
        ZDArea::parseList(text.c_str(), &areas, HFile("AreaData"));
        char buffer[1024];
        for (const auto& area : areas) {
            area->formatLine(buffer, sizeof(buffer));
            bytes += strlen(buffer);
        }
    }
    double seconds = secondsSince(start);
    printf("area list: %d lines parsed and formatted %d times in %.3f s: %.2f ms per list, %.0f lines/s (%zu bytes)\n",
           kLines, kRounds, seconds, seconds * 1e3 / kRounds, kLines * kRounds / seconds, bytes);
}

}  // namespace

int main()
{
    benchMaps();
    benchAreaList();
    return 0;
}
