#include "editor/model/BMBrush.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "editor/model/BMGeometry.h"

namespace {

// Pointer cells are held within this many cells of the map, which keeps a path short and its
// arithmetic far from overflow; a pointer dragged off the screen never comes near it.
const int kFar = 1 << 10;

struct Axial {
    int q;
    int r;
};

int bound(int value)
{
    return std::max(-kFar, std::min(value, kFar));
}

Axial axialOf(BMPoint cell)
{
    return {cell.x - (cell.y - (cell.y & 1)) / 2, cell.y};
}

BMPoint cellOf(Axial axial)
{
    return {axial.q + (axial.r - (axial.r & 1)) / 2, axial.r};
}

// The nearest cell to a point between cells, in cube coordinates (q, r, s with q + r + s = 0):
// each is rounded and the one that moved most is made to fit the other two.
Axial round(double q, double r)
{
    const double s = -q - r;
    double rq = std::round(q);
    double rr = std::round(r);
    const double rs = std::round(s);
    const double dq = std::fabs(rq - q);
    const double dr = std::fabs(rr - r);
    const double ds = std::fabs(rs - s);
    if (dq > dr && dq > ds) {
        rq = -rr - rs;
    } else if (dr > ds) {
        rr = -rq - rs;
    }
    return {static_cast<int>(rq), static_cast<int>(rr)};
}

}  // namespace

int BMBrush::limit(int radius)
{
    return std::max(0, std::min(radius, MAX_RADIUS));
}

int BMBrush::distance(BMPoint a, BMPoint b)
{
    const Axial p = axialOf({bound(a.x), bound(a.y)});
    const Axial o = axialOf({bound(b.x), bound(b.y)});
    const int dq = o.q - p.q;
    const int dr = o.r - p.r;
    return (std::abs(dq) + std::abs(dr) + std::abs(dq + dr)) / 2;
}

void BMBrush::stamp(BMPoint centre, int radius, std::vector<uint16_t>* cells)
{
    radius = limit(radius);
    const Axial c = axialOf({bound(centre.x), bound(centre.y)});
    for (int dr = -radius; dr <= radius; ++dr) {
        const int first = std::max(-radius, -dr - radius);
        const int last = std::min(radius, -dr + radius);
        for (int dq = first; dq <= last; ++dq) {
            const BMPoint cell = cellOf({c.q + dq, c.r + dr});
            if (BMGeometry::inside(cell.x, cell.y)) {
                cells->push_back(static_cast<uint16_t>(BMGeometry::index(cell.x, cell.y)));
            }
        }
    }
}

// Samples the straight line between the two cell centres at distance + 1 evenly spaced points
// and takes the nearest cell of each; the tiny nudge keeps samples off the edges between two
// cells, so that every step goes to a neighbour and ties fall the same way in both directions
// of travel.
std::vector<BMPoint> BMBrush::path(BMPoint a, BMPoint b)
{
    a = {bound(a.x), bound(a.y)};
    b = {bound(b.x), bound(b.y)};
    const Axial from = axialOf(a);
    const Axial to = axialOf(b);
    const int steps = distance(a, b);
    std::vector<BMPoint> cells;
    cells.reserve(static_cast<size_t>(steps) + 1);
    cells.push_back(a);
    const double nudgeQ = 1e-6;
    const double nudgeR = 2e-6;
    for (int i = 1; i < steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double q = from.q + nudgeQ + (to.q - from.q) * t;
        const double r = from.r + nudgeR + (to.r - from.r) * t;
        cells.push_back(cellOf(round(q, r)));
    }
    if (steps > 0) {
        cells.push_back(b);
    }
    return cells;
}

void BMBrush::stroke(BMPoint a, BMPoint b, int radius, std::vector<uint16_t>* cells)
{
    radius = limit(radius);
    for (const BMPoint& cell : path(a, b)) {
        // A cell further off the map than the radius puts nothing on it.
        if (cell.x >= -radius - 1 && cell.x <= MAP_SIZE + radius && cell.y >= -radius
            && cell.y < MAP_SIZE + radius) {
            stamp(cell, radius, cells);
        }
    }
}
