#include "sample/SGHex.h"

#include <cmath>
#include <cstdlib>

namespace {

// Cube coordinates of a cell: q + r + s = 0, with r the row.
struct Cube {
    int q;
    int r;
};

Cube toCube(SGHex::Cell cell)
{
    return Cube{cell.x - (cell.y - (cell.y & 1)) / 2, cell.y};
}

SGHex::Cell fromCube(Cube cube)
{
    return SGHex::Cell{cube.q + (cube.r - (cube.r & 1)) / 2, cube.r};
}

}  // namespace

SGHex::Cell SGHex::neighbour(Cell cell, int direction)
{
    int odd = cell.y & 1;
    switch (direction) {
    case 0: return Cell{cell.x - 1 + odd, cell.y - 1};
    case 1: return Cell{cell.x - 1, cell.y};
    case 2: return Cell{cell.x - 1 + odd, cell.y + 1};
    case 3: return Cell{cell.x + odd, cell.y + 1};
    case 4: return Cell{cell.x + 1, cell.y};
    default: return Cell{cell.x + odd, cell.y - 1};
    }
}

int SGHex::directionTo(Cell from, Cell to)
{
    for (int direction = 0; direction < 6; ++direction) {
        if (neighbour(from, direction) == to) {
            return direction;
        }
    }
    return -1;
}

int SGHex::distance(Cell a, Cell b)
{
    Cube ca = toCube(a);
    Cube cb = toCube(b);
    int dq = ca.q - cb.q;
    int dr = ca.r - cb.r;
    return (std::abs(dq) + std::abs(dr) + std::abs(dq + dr)) / 2;
}

std::vector<SGHex::Cell> SGHex::ring(Cell centre, int radius)
{
    if (radius == 0) {
        return {centre};
    }
    std::vector<Cell> cells;
    Cell cell = centre;
    for (int i = 0; i < radius; ++i) {
        cell = neighbour(cell, 4);  // start on the right
    }
    // Walking the six sides: from the right corner up-left first, then round.
    const int sides[6] = {0, 1, 2, 3, 4, 5};
    for (int side : sides) {
        for (int i = 0; i < radius; ++i) {
            cells.push_back(cell);
            cell = neighbour(cell, side);
        }
    }
    return cells;
}

std::vector<SGHex::Cell> SGHex::line(Cell a, Cell b)
{
    Cube ca = toCube(a);
    Cube cb = toCube(b);
    int n = distance(a, b);
    std::vector<Cell> cells;
    for (int i = 0; i <= n; ++i) {
        // A nudge keeps points on a boundary from rounding both ways.
        double t = n == 0 ? 0.0 : static_cast<double>(i) / n;
        double q = ca.q + (cb.q - ca.q) * t + 1e-6;
        double r = ca.r + (cb.r - ca.r) * t + 2e-6;
        double s = -q - r;
        double rq = std::round(q);
        double rr = std::round(r);
        double rs = std::round(s);
        double dq = std::fabs(rq - q);
        double dr = std::fabs(rr - r);
        double ds = std::fabs(rs - s);
        if (dq > dr && dq > ds) {
            rq = -rr - rs;
        } else if (dr > ds) {
            rr = -rq - rs;
        }
        cells.push_back(fromCube(Cube{static_cast<int>(rq), static_cast<int>(rr)}));
    }
    return cells;
}
