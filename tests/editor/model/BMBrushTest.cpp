// The brush against distances found by a breadth-first search over the neighbour table of the
// offset rows (odd rows shifted half a cell to the right), on a grid reaching past the map so
// that the hexagon's cut at the edges shows.

#include "editor/model/BMBrush.h"

#include <deque>
#include <map>
#include <random>
#include <set>
#include <utility>

#include <gtest/gtest.h>

namespace {

const int kNeighbours[2][6][2] = {
    {{-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 0}, {0, -1}},
    {{0, -1}, {-1, 0}, {0, 1}, {1, 1}, {1, 0}, {1, -1}},
};

using Cell = std::pair<int, int>;

bool areNeighbours(Cell a, Cell b)
{
    for (const auto& step : kNeighbours[a.second & 1]) {
        if (a.first + step[0] == b.first && a.second + step[1] == b.second) {
            return true;
        }
    }
    return false;
}

// Hex steps from the centre to every cell within limit steps, the map's edges ignored.
std::map<Cell, int> distancesFrom(Cell centre, int limit)
{
    std::map<Cell, int> distance = {{centre, 0}};
    std::deque<Cell> queue = {centre};
    while (!queue.empty()) {
        const Cell cell = queue.front();
        queue.pop_front();
        if (distance[cell] == limit) {
            continue;
        }
        for (const auto& step : kNeighbours[cell.second & 1]) {
            const Cell next = {cell.first + step[0], cell.second + step[1]};
            if (distance.emplace(next, distance[cell] + 1).second) {
                queue.push_back(next);
            }
        }
    }
    return distance;
}

std::set<Cell> cellsOf(const std::vector<uint16_t>& indices)
{
    std::set<Cell> cells;
    for (uint16_t index : indices) {
        cells.insert({index % 32, index / 32});
    }
    return cells;
}

bool insideMap(Cell cell)
{
    return cell.first >= 0 && cell.first < 32 && cell.second >= 0 && cell.second < 32;
}

}  // namespace

TEST(HexBrush, EachRadiusCoversTheHexagonAroundTheCellCutAtTheEdges)
{
    const size_t fullSizes[] = {1, 7, 19, 37};
    // Even and odd rows, the four corners and every edge, and the cells just off the map.
    std::vector<Cell> centres = {{10, 10}, {10, 11}, {0, 0}, {31, 0}, {0, 31}, {31, 31},
                                 {0, 12}, {0, 13}, {31, 12}, {31, 13}, {15, 0}, {16, 31},
                                 {1, 1}, {30, 30}, {-1, 5}, {32, 6}, {5, -2}, {-4, -4}};
    for (int cell = 0; cell < 1024; cell += 37) {
        centres.push_back({cell % 32, cell / 32});
    }
    for (int radius = 0; radius <= BMBrush::MAX_RADIUS; ++radius) {
        for (const Cell& centre : centres) {
            std::set<Cell> expected;
            for (const auto& entry : distancesFrom(centre, radius)) {
                if (insideMap(entry.first)) {
                    expected.insert(entry.first);
                }
            }
            std::vector<uint16_t> cells;
            BMBrush::stamp({centre.first, centre.second}, radius, &cells);
            EXPECT_EQ(cellsOf(cells), expected)
                << "radius " << radius << " at " << centre.first << "," << centre.second;
            EXPECT_EQ(cellsOf(cells).size(), cells.size()) << "a cell came twice";
        }
        std::vector<uint16_t> inside;
        BMBrush::stamp({16, 16 + radius % 2}, radius, &inside);
        EXPECT_EQ(inside.size(), fullSizes[radius]);
    }
    // Radii out of range are held at the ends.
    std::vector<uint16_t> cells;
    BMBrush::stamp({10, 10}, 9, &cells);
    EXPECT_EQ(cells.size(), 37u);
    cells.clear();
    BMBrush::stamp({10, 10}, -2, &cells);
    EXPECT_EQ(cells.size(), 1u);
}

// A pointer that jumps between two events still leaves a path of neighbours, as short as the
// hex distance, the same whichever way it runs; a stroke is the brush on every cell of it.
TEST(HexBrush, PathsBetweenPointerCellsAreUnbrokenChainsOfNeighbours)
{
    std::mt19937 random(11);
    for (int trial = 0; trial < 1000; ++trial) {
        const int span = trial < 800 ? 40 : 120;  // also far off the map
        const BMPoint a = {static_cast<int>(random() % span) - span / 8,
                           static_cast<int>(random() % span) - span / 8};
        const BMPoint b = {static_cast<int>(random() % span) - span / 8,
                           static_cast<int>(random() % span) - span / 8};
        const std::vector<BMPoint> path = BMBrush::path(a, b);
        const int distance = BMBrush::distance(a, b);
        ASSERT_EQ(path.size(), static_cast<size_t>(distance) + 1);
        ASSERT_EQ(path.front().x, a.x);
        ASSERT_EQ(path.front().y, a.y);
        ASSERT_EQ(path.back().x, b.x);
        ASSERT_EQ(path.back().y, b.y);
        for (size_t i = 1; i < path.size(); ++i) {
            ASSERT_TRUE(areNeighbours({path[i - 1].x, path[i - 1].y}, {path[i].x, path[i].y}))
                << a.x << "," << a.y << " to " << b.x << "," << b.y << " step " << i;
        }
        const std::vector<BMPoint> back = BMBrush::path(b, a);
        for (size_t i = 0; i < path.size(); ++i) {
            ASSERT_EQ(back[path.size() - 1 - i].x, path[i].x);
            ASSERT_EQ(back[path.size() - 1 - i].y, path[i].y);
        }
        if (trial < 40) {  // the distance is the search's
            ASSERT_EQ(distancesFrom({a.x, a.y}, distance).count({b.x, b.y}), 1u);
            if (distance > 0) {
                ASSERT_EQ(distancesFrom({a.x, a.y}, distance - 1).count({b.x, b.y}), 0u);
            }
        }
        const int radius = trial % 4;
        std::vector<uint16_t> stroke;
        BMBrush::stroke(a, b, radius, &stroke);
        std::set<Cell> expected;
        for (const BMPoint& cell : path) {
            std::vector<uint16_t> stamp;
            BMBrush::stamp(cell, radius, &stamp);
            const std::set<Cell> part = cellsOf(stamp);
            expected.insert(part.begin(), part.end());
        }
        ASSERT_EQ(cellsOf(stroke), expected);
    }
}
