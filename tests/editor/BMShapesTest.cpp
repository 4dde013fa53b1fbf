#include "editor/BMShapes.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "editor/BMGeometry.h"

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

TEST(CellGeometry, NeighboursFollowTheRowParity)
{
    struct Case {
        int x, y, direction, nx, ny;
    };
    const Case cases[] = {
        {5, 4, 0, 4, 3}, {5, 4, 1, 4, 4}, {5, 4, 2, 4, 5},
        {5, 4, 3, 5, 5}, {5, 4, 4, 6, 4}, {5, 4, 5, 5, 3},
        {5, 3, 0, 5, 2}, {5, 3, 1, 4, 3}, {5, 3, 2, 5, 4},
        {5, 3, 3, 6, 4}, {5, 3, 4, 6, 3}, {5, 3, 5, 6, 2},
    };
    for (const Case& c : cases) {
        const BMPoint n = BMGeometry::neighbour(c.x, c.y, c.direction);
        EXPECT_EQ(n.x, c.nx) << c.x << "," << c.y << " direction " << c.direction;
        EXPECT_EQ(n.y, c.ny) << c.x << "," << c.y << " direction " << c.direction;
        // Every neighbour sees the cell back across the opposite edge.
        const BMPoint back = BMGeometry::neighbour(n.x, n.y, (c.direction + 3) % 6);
        EXPECT_EQ(back.x, c.x);
        EXPECT_EQ(back.y, c.y);
    }
}

TEST(CellGeometry, TheStripBeforeAnOddRowIsNoCellForAPressButColumnZeroForADrag)
{
    EXPECT_EQ(BMGeometry::pressCell(10, 40).x, -1);
    EXPECT_EQ(BMGeometry::dragCell(10, 40).x, 0);
    EXPECT_EQ(BMGeometry::pressCell(16, 40).x, 0);
    EXPECT_EQ(BMGeometry::pressCell(47, 40).x, 0);
    EXPECT_EQ(BMGeometry::pressCell(48, 40).x, 1);
    EXPECT_EQ(BMGeometry::pressCell(31, 10).x, 0);
    EXPECT_EQ(BMGeometry::pressCell(31, 10).y, 0);
    EXPECT_EQ(BMGeometry::pressCell(1039, 1023).x, 31);
    EXPECT_EQ(BMGeometry::pressCell(1039, 1023).y, 31);
    const BMPoint clamped = BMGeometry::clamp(BMGeometry::dragCell(2000, -40));
    EXPECT_EQ(clamped.x, 31);
    EXPECT_EQ(clamped.y, 0);
}

TEST(CellGeometry, ADragIgnoresFourPixelsAlongEveryCellEdge)
{
    EXPECT_TRUE(BMGeometry::inDeadBand(3, 10));
    EXPECT_FALSE(BMGeometry::inDeadBand(4, 10));
    EXPECT_FALSE(BMGeometry::inDeadBand(27, 27));
    EXPECT_TRUE(BMGeometry::inDeadBand(28, 10));
    EXPECT_TRUE(BMGeometry::inDeadBand(10, 35));
    EXPECT_TRUE(BMGeometry::inDeadBand(16 + 2, 40));  // odd row: offsets count from its shift
    EXPECT_FALSE(BMGeometry::inDeadBand(16 + 4, 40));
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
    // Steeper than wide: one sample per half row.
    BMShapes::line(0, 0, 2, 4, &cells);
    EXPECT_EQ(cellsOf(cells), (std::set<std::string>{"0,0", "0,1", "1,2", "1,3", "2,4"}));
    cells.clear();
    BMShapes::rectangle(30, 30, 40, 29, &cells);
    EXPECT_EQ(cellsOf(cells), (std::set<std::string>{"30,29", "31,29", "30,30", "31,30"}));
}
