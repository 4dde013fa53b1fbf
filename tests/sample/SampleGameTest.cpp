// The sample game the build writes: its folder layout, its chip bitmaps chip by chip, and maps
// that load unchanged and look like places, and the music its areas name.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenario/ZDMusicFinder.h"
#include "framework/base/HText.h"
#include "framework/graphics/HBitmapHeader.h"
#include "framework/midi/HMIDIMessage.h"
#include "framework/midi/HMIDIPlayState.h"
#include "framework/midi/HMIDISource.h"
#include "scenario/ZDArea.h"
#include "scenario/ZDBMap.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/TestFolder.h"

namespace {

const char* const kScenarios[] = {"Default", "Islands", "Northland"};

std::string scenarioPath(const std::string& scenario, const std::string& rest)
{
    return GameDirectory::sampleGame() + "\\" + scenario + "\\" + rest;
}

// A 24-bit BMP, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // red << 16 | green << 8 | blue

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Picture readBmp(const std::string& path)
{
    std::string bytes = TestFolder::read(path);
    const uint8_t* data = reinterpret_cast<const uint8_t*>(bytes.data());
    HBitmapHeader header;
    Picture picture;
    if (HBitmapHeader::check(data, bytes.size(), &header) != HBitmapHeader::FIELD_NONE
        || header.headerSize != 40 || header.bitCount != 24 || header.height < 0) {
        ADD_FAILURE() << path << " is not a bottom-up 24-bit BMP with a 40-byte header";
        return picture;
    }
    picture.width = header.width;
    picture.height = header.height;
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* row = data + header.bitOffset + header.stride * (picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* pixel = row + 3 * x;  // blue, green, red
            picture.pixels.push_back(static_cast<uint32_t>(pixel[2] << 16 | pixel[1] << 8 | pixel[0]));
        }
    }
    return picture;
}

// Pixel (x, y) of chip n of a sheet of 20 chips per row.
uint32_t chipPixel(const Picture& sheet, int chip, int x, int y)
{
    return sheet.at(chip % 20 * 32 + x, chip / 20 * 32 + y);
}

// The 124 pixels round a chip's rim.
std::vector<std::pair<int, int>> rim()
{
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < 32; ++i) {
        cells.push_back({i, 0});
        cells.push_back({i, 31});
        if (i > 0 && i < 31) {
            cells.push_back({0, i});
            cells.push_back({31, i});
        }
    }
    return cells;
}

double distance(std::pair<int, int> a, std::pair<int, int> b)
{
    return std::hypot(a.first - b.first, a.second - b.second);
}

// The default border table: edge masks by position in a group, group 1 apart.
const uint32_t kGroupOneMasks[18] = {0xA00, 0x012, 0x005, 0x480, 0x028, 0x140, 0x202, 0x014, 0x401,
                                     0x880, 0x500, 0x088, 0x050, 0x022, 0x240, 0x024, 0x009, 0x900};
const uint32_t kGroupMasks[18] = {0x012, 0x480, 0xA00, 0x005, 0x028, 0x140, 0x202, 0x401, 0x880,
                                  0x014, 0x500, 0x088, 0x050, 0x022, 0x240, 0x024, 0x009, 0x900};

// Rim pixel of each slot (bit 1 << i: A1..A6, then B1..B6). The left and right edges carry A
// above B; the half edges above and below carry A left of B. A slot and the slot facing it
// on the neighbour (same letter, opposite edge) meet at one point of the shared edge: the
// same row on the left and right edges, 16 pixels apart along the half edges.
const std::pair<int, int> kSlotPixels[12] = {
    {4, 0}, {0, 10}, {4, 31}, {20, 31}, {31, 10}, {20, 0},
    {11, 0}, {0, 21}, {11, 31}, {27, 31}, {31, 21}, {27, 0},
};

// The terrain chip each group's line is drawn on.
const int kGroupBackdrop[12] = {-1, 0, 0, 4, 6, 2, 3, 0, 19, 8, 14, 17};

// Neighbour masks of the walls 16..24 and roads 25..39 (bit = 1 << direction) and the middle
// of the shared edge towards each direction.
const uint32_t kConnectorMasks[15] = {18, 9, 36, 17, 5, 34, 40, 10, 20, 42, 21, 37, 41, 44, 13};
const std::pair<int, int> kEdgeMiddles[6] = {{8, 0}, {0, 16}, {8, 31}, {24, 31}, {31, 16}, {24, 0}};

}  // namespace

TEST(SampleChipSheets, HoldTwentyOpaqueTerrainChipsAndObjectsOnTransparentBlackPerRow)
{
    Picture characters = readBmp(scenarioPath("Default", "Picture\\BMAPCHAR.BMP"));
    Picture objects = readBmp(scenarioPath("Default", "Picture\\BMAPOBJ.BMP"));
    EXPECT_EQ(characters.width, 640);
    ASSERT_EQ(characters.height, 384);  // 240 chips
    EXPECT_EQ(objects.width, 640);
    ASSERT_EQ(objects.height, 64);  // 40 chips
    EXPECT_EQ(std::count(characters.pixels.begin(), characters.pixels.end(), 0u), 0);
    for (int chip = 0; chip < 40; ++chip) {
        int drawn = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                drawn += chipPixel(objects, chip, x, y) != 0 ? 1 : 0;
            }
        }
        if (chip == 0) {
            EXPECT_EQ(drawn, 0) << "chip 0 is no object";
        } else {
            EXPECT_GT(drawn, 60) << chip;
            EXPECT_LT(drawn, 32 * 32 - 60) << chip << " leaves the terrain visible";
        }
    }
}

namespace {

// Tells that the rim pixels drawn reach the point of every bit of the mask within reach, and
// stray no farther than far from one of them.
void expectReaches(const std::vector<std::pair<int, int>>& drawn, const std::pair<int, int>* points,
                   int count, uint32_t mask, double reach, double far)
{
    for (int i = 0; i < count; ++i) {
        bool reached = false;
        for (const auto& pixel : drawn) {
            reached = reached || distance(pixel, points[i]) <= reach;
        }
        EXPECT_EQ(reached, (mask & (1u << i)) != 0) << "point " << i;
    }
    for (const auto& pixel : drawn) {
        bool near = false;
        for (int i = 0; i < count; ++i) {
            near = near || ((mask & (1u << i)) != 0 && distance(pixel, points[i]) <= far);
        }
        EXPECT_TRUE(near) << "stray pixel at " << pixel.first << "," << pixel.second;
    }
}

}  // namespace

TEST(SampleChipSheets, BorderChipsDrawTheirLineThroughExactlyTheSlotsOfTheDefaultTable)
{
    Picture characters = readBmp(scenarioPath("Default", "Picture\\BMAPCHAR.BMP"));
    ASSERT_EQ(characters.height, 384);
    for (int group = 1; group <= 11; ++group) {
        for (int position = 0; position < 18; ++position) {
            int chip = group == 1 ? 22 + position : 20 * group + 2 + position;
            SCOPED_TRACE(testing::Message() << "chip " << chip);
            std::vector<std::pair<int, int>> changed;
            for (const auto& pixel : rim()) {
                if (chipPixel(characters, chip, pixel.first, pixel.second)
                    != chipPixel(characters, kGroupBackdrop[group], pixel.first, pixel.second)) {
                    changed.push_back(pixel);
                }
            }
            expectReaches(changed, kSlotPixels, 12,
                          group == 1 ? kGroupOneMasks[position] : kGroupMasks[position], 1.5, 5);
        }
    }
}

TEST(SampleChipSheets, WallAndRoadChipsReachExactlyTheNeighboursOfTheirMask)
{
    Picture objects = readBmp(scenarioPath("Default", "Picture\\BMAPOBJ.BMP"));
    ASSERT_EQ(objects.height, 64);
    for (int chip = 16; chip < 40; ++chip) {
        SCOPED_TRACE(testing::Message() << "chip " << chip);
        std::vector<std::pair<int, int>> drawn;
        for (const auto& pixel : rim()) {
            if (chipPixel(objects, chip, pixel.first, pixel.second) != 0) {
                drawn.push_back(pixel);
            }
        }
        expectReaches(drawn, kEdgeMiddles, 6, kConnectorMasks[chip < 25 ? chip - 16 : chip - 25], 1, 6);
    }
}

TEST(SampleGame, HoldsScenariosOfNamedAreasAndMapsThatLoadAsStoredAndLookLikePlaces)
{
    int fullGroupMaps = 0;
    int walledMaps = 0;
    int riverCells = 0;
    for (const char* scenario : kScenarios) {
        EXPECT_TRUE(TestFolder::exists(scenarioPath(scenario, "Config")));
        EXPECT_TRUE(TestFolder::exists(scenarioPath(scenario, "Picture\\BMAPCHAR.BMP")));
        EXPECT_TRUE(TestFolder::exists(scenarioPath(scenario, "Picture\\BMAPOBJ.BMP")));
        std::string text = TestFolder::read(scenarioPath(scenario, "Data\\AreaData"));
        std::vector<std::unique_ptr<ZDArea>> areas;
        ASSERT_GT(ZDArea::parseList(text, &areas, HFile("AreaData")), 0);
        EXPECT_EQ(text.substr(text.size() - 5), "\r\nEnd");
        EXPECT_GE(areas.size(), std::string(scenario) == "Default" ? 12u : 5u);
        std::set<int> terrains;
        for (const auto& area : areas) {
            SCOPED_TRACE(testing::Message() << scenario << " map " << area->getNumber());
            const std::string& name = area->getName();
            EXPECT_TRUE(name.size() >= 2 && HText::isDoubleByte(name.data(), name.size(), 0)) << name;
            EXPECT_FALSE(area->getMusic().empty());
            for (int k = 0; k < 8; ++k) {
                EXPECT_LE(area->getLink(k), static_cast<int32_t>(areas.size()));
                EXPECT_NE(area->getLink(k), area->getNumber());
            }
            std::string bytes = TestFolder::read(scenarioPath(scenario, "Data\\BMap_No" + std::to_string(area->getNumber())));
            EXPECT_EQ(bytes.size(), ZDBMap::IMAGE_SIZE);
            ZDBMap loaded;
            ASSERT_TRUE(loaded.createFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), HFile(), 1));
            ZDBMap repaired(loaded);
            repaired.correct();
            std::vector<uint8_t> before(ZDBMap::IMAGE_SIZE, 0);
            std::vector<uint8_t> after(ZDBMap::IMAGE_SIZE, 0);
            loaded.writeToBytes(before.data());
            repaired.writeToBytes(after.data());
            EXPECT_TRUE(before == after) << "the repair changes the map";
            EXPECT_TRUE(std::string(before.begin(), before.end()) == bytes) << "a save changes the map";
            EXPECT_EQ(area->getCityCount(), static_cast<int32_t>(loaded.getCityCount()));
            EXPECT_EQ(area->getWallCount(), static_cast<int32_t>(loaded.getWallCount()));
            EXPECT_EQ(area->getRoadCount(), static_cast<int32_t>(loaded.getRoadCount()));
            EXPECT_GT(loaded.getCityCount(), 0u);

            int groups = 0;
            for (uint32_t k = 0; k < 8; ++k) {
                groups += loaded.getConnectCount(k) > 0 ? 1 : 0;
                // A linked group holds all its units, an unlinked one none.
                EXPECT_EQ(loaded.getConnectCount(k), area->getLink(static_cast<int>(k)) != 0 ? ZDBMap::SLOTS : 0u)
                    << "group " << k + 1;
            }
            fullGroupMaps += groups == 8 ? 1 : 0;
            walledMaps += loaded.getWallCount() > 0 ? 1 : 0;
            for (uint32_t x = 0; x < 32; ++x) {
                for (uint32_t y = 0; y < 32; ++y) {
                    uint8_t chip = loaded.getCharacter(x, y);
                    terrains.insert(chip);
                    riverCells += chip / 20 >= 2 && chip / 20 <= 3 && chip % 20 >= 2 ? 1 : 0;
                    // Water lies at height 0, mountains stand high.
                    if (chip == 10 || chip == 11) {
                        EXPECT_EQ(loaded.getHeight(x, y), 0u);
                    }
                    if (chip == 8 || chip == 9) {
                        EXPECT_GE(loaded.getHeight(x, y), 9u);
                    }
                }
            }
        }
        EXPECT_GE(terrains.size(), 12u) << scenario;
        std::vector<const ZDArea*> records;
        for (const auto& area : areas) {
            records.push_back(area.get());
        }
        EXPECT_EQ(ZDArea::formatList(records, ""), text) << "a save changes the area list of " << scenario;
    }
    EXPECT_GE(fullGroupMaps, 3);
    EXPECT_GE(walledMaps, 3);
    EXPECT_GT(riverCells, 100);
}

TEST(SampleGame, HoldsTheMusicItsAreasNameAsShortPiecesOfTwoVoices)
{
    std::string game = GameDirectory::sampleGame();
    std::set<std::string> pieces;
    for (const char* scenario : kScenarios) {
        std::vector<std::unique_ptr<ZDArea>> areas;
        ZDArea::parseList(TestFolder::read(scenarioPath(scenario, "Data\\AreaData")).c_str(), &areas,
                          HFile("AreaData"));
        for (const auto& area : areas) {
            SCOPED_TRACE(testing::Message() << scenario << " " << area->getMusic());
            HFile file = ZDMusicFinder::find(area->getMusic(), HFile(game + "\\" + scenario), HFile(game));
            ASSERT_FALSE(file.isEmpty());
            if (!pieces.insert(file.getName()).second) {
                continue;
            }
            HMIDISource source;
            source.setFile(file);
            ASSERT_TRUE(source.load());
            HMIDIPlayState state;
            source.buildPlayList(&state, HMIDISource::ALL_TRACKS);
            // Notes of the melody and the bass, and the length at the tempo the file sets.
            int notes[2] = {0, 0};
            double ms = 0;
            double msPerTick = 500.0 / source.getDivision();
            for (size_t i = 0; i < source.getPlayListCount(); ++i) {
                HMIDIMessage* message = source.getPlayListItem(i);
                ms += message->getTicks() * msPerTick;
                if ((message->getStatus() & 0xF0) == 0x90 && message->getData2() > 0) {
                    notes[message->getStatus() & 0x0F] += (message->getStatus() & 0x0F) < 2 ? 1 : 0;
                }
                if (message->getStatus() == 0xFF && message->getData1() == 0x51) {
                    const uint8_t* tempo = message->getExtraData();
                    msPerTick = (tempo[0] << 16 | tempo[1] << 8 | tempo[2]) / 1000.0 / source.getDivision();
                }
            }
            EXPECT_GE(notes[0], 16);
            EXPECT_EQ(notes[1], 8);
            EXPECT_GT(ms, 5000);
            EXPECT_LT(ms, 60000);
        }
    }
    EXPECT_GE(pieces.size(), 5u);
    std::set<std::string> different;
    for (const std::string& name : pieces) {
        different.insert(TestFolder::read(game + "\\Music\\" + name));
    }
    EXPECT_EQ(different.size(), pieces.size());
}
