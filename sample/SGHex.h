#pragma once

#include <cstdint>
#include <vector>

// Cell geometry of the battle maps: offset rows, odd rows shifted half a cell towards larger
// x. Directions 0..5 are upper left, left, lower left, lower right, right and upper right,
// the order of the wall and road neighbour bits (bit = 1 << direction).
class SGHex {
public:
    struct Cell {
        int x;
        int y;
        bool operator==(const Cell& other) const { return x == other.x && y == other.y; }
        bool operator!=(const Cell& other) const { return !(*this == other); }
    };

    static Cell neighbour(Cell cell, int direction);
    static int opposite(int direction) { return (direction + 3) % 6; }
    // The direction from a cell to a neighbouring one, -1 when they are not neighbours.
    static int directionTo(Cell from, Cell to);
    static int distance(Cell a, Cell b);
    static bool inside(Cell cell, int size) { return cell.x >= 0 && cell.y >= 0 && cell.x < size && cell.y < size; }
    // The cells at exactly the given distance, walking once round.
    static std::vector<Cell> ring(Cell centre, int radius);
    // The cells of a straight line from a to b, both included.
    static std::vector<Cell> line(Cell a, Cell b);
};
