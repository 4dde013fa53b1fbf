#include "sample/SGMapMaker.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <queue>

#include "sample/SGChips.h"

namespace {

using C = SGChips;
using Cell = SGHex::Cell;

// Where the placement cells of each compass direction gather.
const Cell kGroupAnchors[8] = {{16, 1}, {29, 2}, {30, 16}, {29, 29}, {16, 30}, {2, 29}, {1, 16}, {2, 2}};
// The edge cell a road towards a neighbouring area heads for.
const Cell kRoadExits[8] = {{15, 0}, {31, 0}, {31, 15}, {31, 31}, {15, 31}, {0, 31}, {0, 15}, {0, 0}};

bool isSettlement(uint8_t object)
{
    return object >= C::VILLAGE && object < C::WALL;
}

bool isPlain(uint8_t terrain)
{
    return terrain == C::GRASS || terrain == C::FLOWERS || terrain == C::MEADOW || terrain == C::STEPPE;
}

}  // namespace

SGMapMaker::SGMapMaker(const SGWorld& world, uint32_t seed) : m_world(world), m_random(seed)
{
}

bool SGMapMaker::make(const Plan& plan, ZDBMap* map, std::string* problem)
{
    memset(m_object, 0, sizeof(m_object));
    memset(m_order, 0, sizeof(m_order));
    memset(m_group, 0, sizeof(m_group));
    memset(m_groupOrder, 0, sizeof(m_groupOrder));
    memset(m_line, 0, sizeof(m_line));
    memset(m_ring, 0, sizeof(m_ring));
    m_settlements.clear();
    m_main = Cell{-1, -1};

    cutTerrain(plan);
    drawRivers(plan.rivers);
    if (plan.frontier) {
        drawFrontier();
    }
    placeSettlements(plan);
    buildRoads(plan);
    if (plan.walled) {
        buildWalls();
    }
    placeGroups(plan);
    store(map);
    map->correct();

    // What the editor does on load: read the image back and repair it. Nothing may change.
    std::vector<uint8_t> image(ZDBMap::IMAGE_SIZE, 0);
    map->writeToBytes(image.data());
    ZDBMap reread;
    reread.createFromBytes(image.data(), image.size(), map->getFile(), map->getNumber());
    reread.correct();
    std::vector<uint8_t> again(ZDBMap::IMAGE_SIZE, 0);
    reread.writeToBytes(again.data());
    if (again != image) {
        *problem = "the map changes when it is read back and repaired";
        return false;
    }
    for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
        for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
            if (reread.getOrder(x, y) != map->getOrder(x, y)
                || reread.getConnectOrder(x, y) != map->getConnectOrder(x, y)
                || reread.getConnect(x, y) != map->getConnect(x, y)) {
                *problem = "orders or placements change when the map is read back";
                return false;
            }
        }
    }
    return true;
}

void SGMapMaker::cutTerrain(const Plan& plan)
{
    m_originX = plan.column * N;
    m_originY = plan.row * N;
    for (int x = 0; x < N; ++x) {
        for (int y = 0; y < N; ++y) {
            m_character[x][y] = m_world.terrain(m_originX + x, m_originY + y);
            m_height[x][y] = m_world.height(m_originX + x, m_originY + y);
        }
    }
}

bool SGMapMaker::usable(Cell cell) const
{
    if (!SGHex::inside(cell, N)) {
        return false;
    }
    uint8_t terrain = m_character[cell.x][cell.y];
    return !SGWorld::isWater(terrain) && !SGWorld::isSteep(terrain) && C::borderGroup(terrain) == 0;
}

bool SGMapMaker::lineFree(Cell cell, Cell previous) const
{
    if (m_line[cell.x][cell.y]) {
        return false;
    }
    for (int direction = 0; direction < 6; ++direction) {
        Cell near = SGHex::neighbour(cell, direction);
        if (near != previous && SGHex::inside(near, N) && m_line[near.x][near.y]) {
            return false;
        }
    }
    return true;
}

std::vector<Cell> SGMapMaker::walkLine(Cell start, int direction, bool downhill, bool stopAtWater)
{
    if (!usable(start) || !lineFree(start, Cell{-1, -1})) {
        return {};
    }
    std::vector<Cell> cells = {start};
    m_line[start.x][start.y] = true;
    Cell current = start;
    int heading = direction;
    int bend = 0;
    bool finished = false;
    for (int step = 0; step < 90 && !finished; ++step) {
        double best = std::numeric_limits<double>::max();
        int bestHeading = -1;
        int bestTurn = 0;
        bool bestEnds = false;
        for (int turn = -1; turn <= 1; ++turn) {
            if (std::abs(bend + turn) > 1) {
                continue;  // no loops: the line keeps within one turn of where it set out
            }
            int next = (heading + turn + 6) % 6;
            Cell cell = SGHex::neighbour(current, next);
            double wander = (m_random.next() % 1000) / 1000.0;
            double score;
            bool ends = false;
            if (!SGHex::inside(cell, N)) {
                if (cells.size() < 12) {
                    continue;
                }
                score = downhill ? 0.25 : -1;  // a long enough line may leave the map
                ends = true;
            } else if (SGWorld::isWater(m_character[cell.x][cell.y])) {
                if (!stopAtWater || cells.size() < 5) {
                    continue;
                }
                score = -2;  // a river ends in the sea or a lake
                ends = true;
            } else if (!usable(cell) || !lineFree(cell, current)) {
                continue;
            } else if (downhill) {
                score = m_world.elevation(m_originX + cell.x, m_originY + cell.y)
                    + (turn != 0 ? 0.02 : 0) + wander * 0.03;
            } else {
                score = (turn != 0 ? 0.5 : 0) + wander;
            }
            if (score < best) {
                best = score;
                bestHeading = next;
                bestTurn = turn;
                bestEnds = ends;
            }
        }
        if (bestHeading < 0) {
            break;
        }
        if (bestEnds) {
            cells.push_back(SGHex::neighbour(current, bestHeading));  // the cell beyond, not painted
            finished = true;
            break;
        }
        current = SGHex::neighbour(current, bestHeading);
        heading = bestHeading;
        bend += bestTurn;
        cells.push_back(current);
        m_line[current.x][current.y] = true;
    }
    if (!finished) {
        for (const Cell& cell : cells) {
            m_line[cell.x][cell.y] = false;
        }
        return {};
    }
    return cells;
}

void SGMapMaker::paintLine(const std::vector<Cell>& cells, int entryEdge, int group)
{
    // The last cell lies beyond the line (outside the map or in the water).
    bool letterA = true;
    for (size_t i = 0; i + 1 < cells.size(); ++i) {
        const Cell& cell = cells[i];
        int entry = i == 0 ? entryEdge : SGHex::directionTo(cell, cells[i - 1]);
        int exit = SGHex::directionTo(cell, cells[i + 1]);
        uint8_t terrain = m_character[cell.x][cell.y];
        int cellGroup = group;
        if (group == C::RIVER) {
            cellGroup = SGWorld::isForest(terrain) ? C::FOREST_RIVER
                      : SGWorld::isCold(terrain) ? C::FROZEN_RIVER : C::RIVER;
        }
        uint32_t in = letterA ? C::slotA(entry) : C::slotB(entry);
        int chip = C::findBorderChip(cellGroup, in | C::slotA(exit));
        letterA = true;
        if (chip < 0) {
            chip = C::findBorderChip(cellGroup, in | C::slotB(exit));
            letterA = false;
        }
        if (chip >= 0) {
            m_character[cell.x][cell.y] = static_cast<uint8_t>(chip);
        }
    }
}

void SGMapMaker::drawRivers(int count)
{
    int made = 0;
    for (int attempt = 0; attempt < count * 12 && made < count; ++attempt) {
        int side = m_random.below(3);
        int p = 4 + m_random.below(24);
        Cell start;
        int heading;
        if (side == 0) {
            start = Cell{p, 0};
            heading = m_random.chance(50) ? 2 : 3;
        } else if (side == 1) {
            start = Cell{0, p};
            heading = 4;
        } else {
            start = Cell{N - 1, p};
            heading = 1;
        }
        if (usable(start) && m_height[start.x][start.y] < 3) {
            continue;  // a river comes down from higher ground
        }
        std::vector<Cell> cells = walkLine(start, heading, true, true);
        if (!cells.empty()) {
            paintLine(cells, SGHex::opposite(heading), C::RIVER);
            ++made;
        }
    }
}

void SGMapMaker::drawFrontier()
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        int p = 6 + m_random.below(20);
        bool fromNorth = m_random.chance(50);
        Cell start = fromNorth ? Cell{p, 0} : Cell{0, p};
        int heading = fromNorth ? (m_random.chance(50) ? 2 : 3) : 4;
        std::vector<Cell> cells = walkLine(start, heading, false, false);
        if (!cells.empty()) {
            paintLine(cells, SGHex::opposite(heading), C::FRONTIER);
            return;
        }
    }
}

SGHex::Cell SGMapMaker::findSite(uint8_t chip, bool main, bool walled, bool strict)
{
    Cell best = {-1, -1};
    double bestScore = std::numeric_limits<double>::max();
    for (int x = 4; x < N - 4; ++x) {
        for (int y = 4; y < N - 4; ++y) {
            Cell cell = {x, y};
            uint8_t terrain = m_character[x][y];
            if (!usable(cell) || m_line[x][y] || (SGWorld::isRough(terrain) && chip != C::MINE)) {
                continue;
            }
            bool crowded = false;
            for (const Cell& other : m_settlements) {
                crowded = crowded || SGHex::distance(cell, other) < (walled ? 8 : 7);
            }
            if (crowded) {
                continue;
            }
            int water = 0;
            int rough = 0;
            for (int direction = 0; direction < 6; ++direction) {
                Cell near = SGHex::neighbour(cell, direction);
                water += SGWorld::isWater(m_character[near.x][near.y]) ? 1 : 0;
                rough += SGWorld::isRough(m_character[near.x][near.y]) ? 1 : 0;
            }
            if (strict && ((chip == C::PORT) != (water > 0) || (chip == C::MINE && rough == 0))) {
                continue;
            }
            double score = (SGNoise::hash(x, y, m_random.next() % 7) % 100) / 100.0;
            if (main) {
                // Near the middle, with room for its quarters and walls.
                int room = 0;
                for (int radius = 1; radius <= 3; ++radius) {
                    for (const Cell& near : SGHex::ring(cell, radius)) {
                        room += usable(near) && !SGWorld::isRough(m_character[near.x][near.y]) ? 1 : 0;
                    }
                }
                score += SGHex::distance(cell, Cell{15, 15}) * 0.2 + std::max(0, 30 - room) * 0.5;
            }
            if (score < bestScore) {
                bestScore = score;
                best = cell;
            }
        }
    }
    return best;
}

void SGMapMaker::placeSettlements(const Plan& plan)
{
    uint16_t order = 0;
    for (size_t index = 0; index < plan.settlements.size(); ++index) {
        uint8_t chip = plan.settlements[index];
        bool main = index == 0;
        // A port wants the shore and a mine the hills; without such a place anywhere will do.
        Cell site = findSite(chip, main, plan.walled, true);
        if (site.x < 0) {
            site = findSite(chip, main, plan.walled, false);
        }
        if (site.x < 0) {
            continue;
        }
        m_object[site.x][site.y] = chip;
        m_order[site.x][site.y] = order++;
        m_settlements.push_back(site);
        if (main) {
            addQuarters(site, plan.walled);
        } else if (chip == C::VILLAGE || chip == C::FARM) {
            addFields(site);
        }
    }
    // Orders of the quarters follow those of the settlements.
    for (int x = 0; x < N; ++x) {
        for (int y = 0; y < N; ++y) {
            if (isSettlement(m_object[x][y])
                && std::find(m_settlements.begin(), m_settlements.end(), Cell{x, y}) == m_settlements.end()) {
                m_order[x][y] = order++;
            }
        }
    }
}

void SGMapMaker::addQuarters(Cell centre, bool walled)
{
    m_main = centre;
    if (walled) {
        for (const Cell& cell : SGHex::ring(centre, 2)) {
            if (SGHex::inside(cell, N)) {
                m_ring[cell.x][cell.y] = true;
            }
        }
    }
    const uint8_t quarters[3] = {C::TOWN, C::MARKET, C::TOWN};
    int placed = 0;
    for (int direction = 1; direction < 6 && placed < 3; direction += 2) {
        Cell cell = SGHex::neighbour(centre, direction);
        if (usable(cell) && !m_line[cell.x][cell.y]) {
            m_object[cell.x][cell.y] = quarters[placed++];
        }
    }
}

void SGMapMaker::addFields(Cell village)
{
    const uint8_t fields[3] = {C::FARMLAND, C::FARMLAND, C::ORCHARD};
    for (int radius = 1; radius <= 2; ++radius) {
        for (const Cell& cell : SGHex::ring(village, radius)) {
            if (SGHex::inside(cell, N) && isPlain(m_character[cell.x][cell.y]) && m_random.chance(55)) {
                m_character[cell.x][cell.y] = fields[m_random.below(3)];
            }
        }
    }
}

double SGMapMaker::roadCost(Cell cell) const
{
    uint8_t terrain = m_character[cell.x][cell.y];
    if (m_object[cell.x][cell.y] == C::ROAD) {
        return 0.3;
    }
    double cost = 1;
    if (SGWorld::isForest(terrain)) {
        cost += 1.5;
    }
    if (SGWorld::isRough(terrain)) {
        cost += 2.5;
    }
    if (terrain == C::SWAMP || terrain == C::MARSH || terrain == C::POND) {
        cost += 4;
    }
    if (m_line[cell.x][cell.y]) {
        cost += 4;  // bridges are dear
    }
    if (m_ring[cell.x][cell.y]) {
        cost += 6;  // through the wall only at a gate
    }
    for (int direction = 0; direction < 6; ++direction) {
        Cell near = SGHex::neighbour(cell, direction);
        if (SGHex::inside(near, N) && m_object[near.x][near.y] == C::ROAD) {
            cost += 1.5;  // no roads side by side
            break;
        }
    }
    return cost;
}

bool SGMapMaker::routeRoad(Cell from, Cell to, bool toEdge)
{
    const int states = N * N * 6;
    auto index = [](Cell cell, int heading) { return (cell.x * N + cell.y) * 6 + heading; };
    std::vector<double> cost(states, std::numeric_limits<double>::max());
    std::vector<int> parent(states, -1);
    using Entry = std::pair<double, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    auto passable = [&](Cell cell) {
        if (!SGHex::inside(cell, N)) {
            return false;
        }
        uint8_t terrain = m_character[cell.x][cell.y];
        return !SGWorld::isWater(terrain) && !SGWorld::isSteep(terrain) && !isSettlement(m_object[cell.x][cell.y]);
    };
    for (int heading = 0; heading < 6; ++heading) {
        Cell cell = SGHex::neighbour(from, heading);
        if (passable(cell)) {
            cost[index(cell, heading)] = roadCost(cell);
            open.push(Entry(cost[index(cell, heading)], index(cell, heading)));
        }
    }
    int goal = -1;
    while (!open.empty()) {
        Entry entry = open.top();
        open.pop();
        if (entry.first > cost[entry.second]) {
            continue;
        }
        int heading = entry.second % 6;
        Cell cell = {entry.second / 6 / N, entry.second / 6 % N};
        if (toEdge ? cell == to : std::abs((SGHex::directionTo(cell, to) - heading + 9) % 6 - 3) <= 1 && SGHex::distance(cell, to) == 1) {
            goal = entry.second;
            break;
        }
        for (int turn = -1; turn <= 1; ++turn) {
            int next = (heading + turn + 6) % 6;
            Cell cell2 = SGHex::neighbour(cell, next);
            if (!passable(cell2)) {
                continue;
            }
            double total = entry.first + roadCost(cell2) + (turn != 0 ? 0.4 : 0);
            int state = index(cell2, next);
            if (total < cost[state]) {
                cost[state] = total;
                parent[state] = entry.second;
                open.push(Entry(total, state));
            }
        }
    }
    if (goal < 0) {
        return false;
    }
    for (int state = goal; state >= 0; state = parent[state]) {
        Cell cell = {state / 6 / N, state / 6 % N};
        m_object[cell.x][cell.y] = C::ROAD;
    }
    return true;
}

void SGMapMaker::buildRoads(const Plan& plan)
{
    // A spanning tree of the settlements, shortest links first (Prim).
    std::vector<bool> joined(m_settlements.size(), false);
    if (!m_settlements.empty()) {
        joined[0] = true;
    }
    for (size_t round = 1; round < m_settlements.size(); ++round) {
        int bestFrom = -1;
        int bestTo = -1;
        int bestDistance = std::numeric_limits<int>::max();
        for (size_t a = 0; a < m_settlements.size(); ++a) {
            for (size_t b = 0; b < m_settlements.size(); ++b) {
                int distance = SGHex::distance(m_settlements[a], m_settlements[b]);
                if (joined[a] && !joined[b] && distance < bestDistance) {
                    bestDistance = distance;
                    bestFrom = static_cast<int>(a);
                    bestTo = static_cast<int>(b);
                }
            }
        }
        joined[bestTo] = true;
        routeRoad(m_settlements[bestFrom], m_settlements[bestTo], false);
    }
    // Roads out of the map towards two of the linked areas.
    if (m_main.x < 0) {
        return;
    }
    int exits = 0;
    for (int k = 0; k < 8 && exits < 2; k += 2) {
        int compass = (k + plan.column + plan.row * 3) % 8;
        if (plan.links[compass] != 0 && routeRoad(m_main, kRoadExits[compass], true)) {
            ++exits;
        }
    }
}

void SGMapMaker::buildWalls()
{
    for (int x = 0; x < N; ++x) {
        for (int y = 0; y < N; ++y) {
            if (m_ring[x][y] && usable(Cell{x, y}) && !m_line[x][y] && m_object[x][y] == C::NONE) {
                m_object[x][y] = C::WALL;
            }
        }
    }
}

void SGMapMaker::placeGroups(const Plan& plan)
{
    for (int k = 0; k < 8; ++k) {
        if (plan.links[k] == 0) {
            continue;
        }
        // The free land nearest the anchor; where the edge is sea, the nearest shore instead.
        std::vector<std::pair<uint32_t, Cell>> near;
        for (int x = 0; x < N; ++x) {
            for (int y = 0; y < N; ++y) {
                Cell cell = {x, y};
                if ((x == 0 && y == 0) || !usable(cell) || m_object[x][y] != C::NONE || m_group[x][y] != 0) {
                    continue;
                }
                uint32_t distance = static_cast<uint32_t>(SGHex::distance(cell, kGroupAnchors[k]));
                near.push_back({distance * 256 + SGNoise::hash(x, y, k) % 256, cell});
            }
        }
        std::sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        // A linked group holds all its 20 units; one that cannot gather them within a few cells
        // of the nearest free land is left out, and the area list does not link it. The draw
        // stays, as the maps made after this one follow from the draws before them.
        m_random.below(11);
        const size_t wanted = ZDBMap::SLOTS;
        const uint32_t reach = near.empty() ? 0 : near[0].first / 256 + 6;
        if (near.size() < wanted || near[wanted - 1].first / 256 > reach) {
            continue;
        }
        for (size_t i = 0; i < wanted; ++i) {
            m_group[near[i].second.x][near[i].second.y] = static_cast<uint8_t>(k + 1);
            m_groupOrder[near[i].second.x][near[i].second.y] = static_cast<uint16_t>(i);
        }
    }
}

void SGMapMaker::store(ZDBMap* map) const
{
    map->reset();
    for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
        for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
            map->setCharacter(x, y, m_character[x][y]);
            map->setObject(x, y, m_object[x][y]);
            map->setOrder(x, y, m_order[x][y]);
            map->setHeight(x, y, m_height[x][y]);
            map->setConnect(x, y, m_group[x][y]);
            map->setConnectOrder(x, y, m_groupOrder[x][y]);
        }
    }
}
