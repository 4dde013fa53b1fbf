#include "editor/model/BMShapes.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "editor/model/BMGeometry.h"

namespace {

// The cells of a shape as "x,y" texts, each once.
std::set<std::string> cellsOf(const std::vector<uint16_t>& cells)
{
    std::set<std::string> texts;
    for (uint16_t index : cells) {
        texts.insert(std::to_string(index % 32) + "," + std::to_string(index / 32));
    }
    return texts;
}

std::set<std::string> row(int y, int first, int last)
{
    std::set<std::string> texts;
    for (int x = first; x <= last; ++x) {
        texts.insert(std::to_string(x) + "," + std::to_string(y));
    }
    return texts;
}

}  // namespace

// Where pixels fall (the offset rows, the strip, the dead band) is ViewLayout's
// EveryPixelLandsOnTheCellDrawnUnderIt at every zoom step, and the six neighbours of both row
// parities are FloodFill's RegionsOnRandomMapsAreTheSearchOverTheSixNeighbours, against a
// table of its own; cells past the map, on either side, clamp onto its edge cells.
TEST(CellGeometry, CellsPastTheMapClampOntoItsEdge)
{
    for (int outside : {32, 40}) {
        const BMPoint clamped = BMGeometry::clamp({outside, -outside});
        EXPECT_EQ(clamped.x, 31);
        EXPECT_EQ(clamped.y, 0);
    }
    const BMPoint inside = BMGeometry::clamp({31, 0});
    EXPECT_EQ(inside.x, 31);
    EXPECT_EQ(inside.y, 0);
}

TEST(SelectionShapes, HexagonRowsShrinkTowardsTheTopAndBottom)
{
    std::vector<uint16_t> cells;
    BMShapes::hexagon(5, 4, 5, 4, &cells);
    EXPECT_EQ(cellsOf(cells), row(4, 5, 5));

    cells.clear();
    BMShapes::hexagon(5, 4, 7, 4, &cells);
    std::set<std::string> expected;
    for (const auto& part : {row(2, 4, 6), row(3, 3, 6), row(4, 3, 7), row(5, 3, 6), row(6, 4, 6)}) {
        expected.insert(part.begin(), part.end());
    }
    EXPECT_EQ(cellsOf(cells), expected);

    cells.clear();  // only the part inside the map
    BMShapes::hexagon(0, 0, 1, 1, &cells);
    EXPECT_EQ(cellsOf(cells), (std::set<std::string>{"0,0", "1,0", "0,1"}));
}

TEST(SelectionShapes, LinesSampleEveryHalfCellAndRectanglesStayInsideTheMap)
{
    std::vector<uint16_t> cells;
    BMShapes::line(3, 3, 3, 3, &cells);
    EXPECT_TRUE(cells.empty());
    BMShapes::line(0, 0, 3, 0, &cells);
    EXPECT_EQ(cellsOf(cells), row(0, 0, 3));
    cells.clear();
    // Straight down: the odd rows' cells of the same column lie half a cell to the right, so
    // the line passes their left halves.
    BMShapes::line(2, 0, 2, 4, &cells);
    EXPECT_EQ(cellsOf(cells), (std::set<std::string>{"2,0", "2,1", "2,2", "2,3", "2,4"}));
    cells.clear();
    BMShapes::line(2, 0, 2, 1, &cells);  // one row down
    EXPECT_EQ(cellsOf(cells), (std::set<std::string>{"2,0", "2,1"}));
    cells.clear();
    // Steeper than wide: one sample per half row.
    BMShapes::line(0, 0, 2, 4, &cells);
    EXPECT_EQ(cellsOf(cells), (std::set<std::string>{"0,0", "0,1", "1,2", "1,3", "2,4"}));
    cells.clear();
    BMShapes::rectangle(30, 30, 40, 29, &cells);
    EXPECT_EQ(cellsOf(cells), (std::set<std::string>{"30,29", "31,29", "30,30", "31,30"}));
}
