#include "editor/model/BMMapLimits.h"

#include "scenario/ZDBMap.h"

namespace {

const int kNone = -1;

// The group index 0..7 of a placement group value, or kNone.
int groupClass(uint8_t group)
{
    return group >= 1 && group <= ZDBMap::GROUPS ? group - 1 : kNone;
}

int objectClass(uint8_t chip)
{
    const BMMapLimits::Category category = BMMapLimits::categoryOf(chip);
    return category == BMMapLimits::NO_CATEGORY ? kNone : static_cast<int>(category);
}

uint32_t xOf(uint16_t cell)
{
    return cell % ZDBMap::SIZE;
}

uint32_t yOf(uint16_t cell)
{
    return cell / ZDBMap::SIZE;
}

// The cells of each placement group and object category while an edit is decided.
struct Tally {
    uint32_t groups[ZDBMap::GROUPS] = {};
    uint32_t categories[3] = {};
};

// The parts of a write that join a group or category and wait for room there.
struct Waiting {
    bool group = false;
    bool category = false;
};

Tally tallyOf(const ZDBMap& map)
{
    Tally tally;
    for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
        for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
            const int group = groupClass(map.getConnect(x, y));
            const int category = objectClass(map.getObject(x, y));
            if (group != kNone) {
                ++tally.groups[group];
            }
            if (category != kNone) {
                ++tally.categories[category];
            }
        }
    }
    return tally;
}

// Of two writes to one cell only the later is made: the earlier one's parts go.
void dropOverwritten(std::vector<BMMapLimits::Write>* writes)
{
    std::vector<size_t> last(ZDBMap::CELLS, writes->size());
    for (size_t i = 0; i < writes->size(); ++i) {
        if ((*writes)[i].cell < ZDBMap::CELLS) {
            last[(*writes)[i].cell] = i;
        }
    }
    for (size_t i = 0; i < writes->size(); ++i) {
        BMMapLimits::Write& write = (*writes)[i];
        if (write.cell >= ZDBMap::CELLS || last[write.cell] != i) {
            write.object = false;
            write.placement = false;
        }
    }
}

// A part that stays in its class or leaves it is made at once; false for a join.
bool settleLeaving(int from, int to, uint32_t* counts)
{
    if (to != kNone && to != from) {
        return false;
    }
    if (to == kNone && from != kNone) {
        --counts[from];
    }
    return true;
}

// A join is made while its class has room.
bool settleJoining(int from, int to, uint32_t* counts, uint32_t limit)
{
    if (counts[to] >= limit) {
        return false;
    }
    ++counts[to];
    if (from != kNone) {
        --counts[from];
    }
    return true;
}

// The joins in order while there is room; a join that a later move made room for is made in a
// further round.
void settleJoins(const ZDBMap& map, const std::vector<BMMapLimits::Write>& writes, Tally* tally,
                 std::vector<Waiting>* waiting)
{
    for (bool joined = true; joined;) {
        joined = false;
        for (size_t i = 0; i < writes.size(); ++i) {
            const BMMapLimits::Write& write = writes[i];
            const uint32_t x = xOf(write.cell);
            const uint32_t y = yOf(write.cell);
            Waiting& wait = (*waiting)[i];
            if (wait.group && settleJoining(groupClass(map.getConnect(x, y)), groupClass(write.group),
                                            tally->groups, BMMapLimits::GROUP_CELLS)) {
                wait.group = false;
                joined = true;
            }
            if (wait.category && settleJoining(objectClass(map.getObject(x, y)), objectClass(write.objectChip),
                                               tally->categories, BMMapLimits::CATEGORY_CELLS)) {
                wait.category = false;
                joined = true;
            }
        }
    }
}

}  // namespace

bool BMLimitCut::any() const
{
    for (uint32_t count : groups) {
        if (count > 0) {
            return true;
        }
    }
    for (uint32_t count : categories) {
        if (count > 0) {
            return true;
        }
    }
    return origin;
}

void BMLimitCut::add(const BMLimitCut& other)
{
    for (int i = 0; i < 8; ++i) {
        groups[i] += other.groups[i];
    }
    for (int i = 0; i < 3; ++i) {
        categories[i] += other.categories[i];
    }
    origin = origin || other.origin;
}

BMMapLimits::Category BMMapLimits::categoryOf(uint8_t object)
{
    if (object >= 1 && object <= 15) {
        return CITY;
    }
    if (object >= 16 && object <= 24) {
        return WALL;
    }
    return object >= 25 && object <= 39 ? ROAD : NO_CATEGORY;
}

BMLimitCut BMMapLimits::fit(const ZDBMap& map, std::vector<Write>* writes)
{
    BMLimitCut cut;
    Tally tally = tallyOf(map);
    dropOverwritten(writes);
    std::vector<Waiting> waiting(writes->size());
    for (size_t i = 0; i < writes->size(); ++i) {
        Write& write = (*writes)[i];
        const uint32_t x = xOf(write.cell);
        const uint32_t y = yOf(write.cell);
        const int group = groupClass(write.group);
        if (write.placement && group != kNone && write.cell == 0) {
            write.placement = false;
            cut.origin = true;
        } else if (write.placement && group == kNone && write.group != 0) {
            write.placement = false;  // no group the file knows
        } else if (write.placement) {
            waiting[i].group = !settleLeaving(groupClass(map.getConnect(x, y)), group, tally.groups);
        }
        if (write.object) {
            waiting[i].category =
                !settleLeaving(objectClass(map.getObject(x, y)), objectClass(write.objectChip), tally.categories);
        }
    }
    settleJoins(map, *writes, &tally, &waiting);
    for (size_t i = 0; i < writes->size(); ++i) {
        Write& write = (*writes)[i];
        if (waiting[i].group) {
            write.placement = false;
            ++cut.groups[groupClass(write.group)];
        }
        if (waiting[i].category) {
            write.object = false;
            ++cut.categories[objectClass(write.objectChip)];
        }
    }
    return cut;
}

BMLimitCut BMMapLimits::fitMap(ZDBMap* map)
{
    BMLimitCut cut;
    if (groupClass(map->getConnect(0, 0)) != kNone) {
        cut.origin = true;
        map->setConnect(0, 0, 0);
        map->setConnectOrder(0, 0, 0);
    }
    map->correct();
    for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
        for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
            const int group = groupClass(map->getConnect(x, y));
            if (group == kNone) {
                map->setConnectOrder(x, y, 0);  // no slot keeps the order of a cell without a group
            } else if (map->getConnectOrder(x, y) >= GROUP_CELLS) {
                ++cut.groups[group];
                map->setConnect(x, y, 0);
                map->setConnectOrder(x, y, 0);
            }
            const int category = objectClass(map->getObject(x, y));
            if (category != kNone && map->getOrder(x, y) >= CATEGORY_CELLS) {
                ++cut.categories[category];
                map->setObject(x, y, 0);
                map->setOrder(x, y, 0);
            }
        }
    }
    if (cut.any()) {
        map->correct();
    }
    return cut;
}
