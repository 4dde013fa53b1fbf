// Fills on random maps against a plain breadth-first search over the neighbour table of the
// offset rows, written out here once more from the map's definition (odd rows shifted half a
// cell to the right), so that a fault in the grid's own table shows too.

#include "editor/model/BMFloodFill.h"

#include <algorithm>
#include <deque>
#include <random>

#include <gtest/gtest.h>

namespace {

// (dx, dy) of the six neighbours, for even and for odd rows.
const int kNeighbours[2][6][2] = {
    {{-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 0}, {0, -1}},
    {{0, -1}, {-1, 0}, {0, 1}, {1, 1}, {1, 0}, {1, -1}},
};

// The neighbours inside the map of a cell, at most six.
struct Neighbours {
    int cells[6];
    int count = 0;
    const int* begin() const { return cells; }
    const int* end() const { return cells + count; }
};

Neighbours neighbours(int index)
{
    const int x = index % 32;
    const int y = index / 32;
    Neighbours around;
    for (const auto& step : kNeighbours[y & 1]) {
        const int nx = x + step[0];
        const int ny = y + step[1];
        if (nx >= 0 && nx < 32 && ny >= 0 && ny < 32) {
            around.cells[around.count++] = ny * 32 + nx;
        }
    }
    return around;
}

// The cells of start's region, one flag per cell.
std::vector<bool> breadthFirst(const BMLayerValues& values, int start)
{
    std::vector<bool> seen(1024, false);
    seen[start] = true;
    std::deque<int> queue = {start};
    while (!queue.empty()) {
        const int cell = queue.front();
        queue.pop_front();
        for (int next : neighbours(cell)) {
            if (values[next] == values[start] && !seen[next]) {
                seen[next] = true;
                queue.push_back(next);
            }
        }
    }
    return seen;
}

std::vector<bool> asFlags(const std::vector<uint16_t>& cells)
{
    std::vector<bool> flags(1024, false);
    for (uint16_t cell : cells) {
        flags[cell] = true;
    }
    return flags;
}

// Patches of a few values, with a share of the first that changes from map to map, so that
// regions run from single cells to ones that cross the whole map.
BMLayerValues randomValues(std::mt19937& random)
{
    BMLayerValues values;
    const uint32_t kinds = 2 + random() % 3;
    const uint32_t share = 30 + random() % 40;
    for (uint8_t& value : values) {
        value = random() % 100 < share ? 0 : static_cast<uint8_t>(1 + random() % (kinds - 1));
    }
    return values;
}

}  // namespace

TEST(FloodFill, RegionsOnRandomMapsAreTheSearchOverTheSixNeighbours)
{
    std::mt19937 random(2024);
    for (int map = 0; map < 300; ++map) {
        const BMLayerValues values = randomValues(random);
        for (int trial = 0; trial < 8; ++trial) {
            const int start = static_cast<int>(random() % 1024);
            const std::vector<uint16_t> cells = BMFloodFill::region(values, start, BMFloodFill::CONNECTED);
            const std::vector<bool> region = asFlags(cells);
            ASSERT_EQ(static_cast<size_t>(std::count(region.begin(), region.end(), true)), cells.size())
                << "a cell came twice, map " << map;
            ASSERT_EQ(region, breadthFirst(values, start)) << "map " << map << " start " << start;

            ASSERT_EQ(cells.front(), start);  // the walk goes outward from the start

            std::vector<bool> everywhere(1024, false);
            for (int cell = 0; cell < 1024; ++cell) {
                everywhere[cell] = values[cell] == values[start];
            }
            ASSERT_EQ(asFlags(BMFloodFill::region(values, start, BMFloodFill::MAP_WIDE)), everywhere);
        }
    }
}

// A start outside the map has no region. (Where the offset rows make a fill differ from a
// square grid's, the random maps above settle against the independent neighbour table.)
TEST(FloodFill, AStartOutsideTheMapHasNoRegion)
{
    const BMLayerValues values = {};
    EXPECT_TRUE(BMFloodFill::region(values, -1, BMFloodFill::CONNECTED).empty());
    EXPECT_TRUE(BMFloodFill::region(values, 1024, BMFloodFill::MAP_WIDE).empty());
}
