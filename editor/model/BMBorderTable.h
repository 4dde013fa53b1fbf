#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class HProperties;

// Which character chips draw border lines: for each chip 0..239 a border group (0 = none) and
// an edge mask of twelve slot bits. Each of a cell's six edges (direction d, see BMGeometry)
// has an A slot (bit 1 << d, named "A1".."A6") and a B slot (bit 0x40 << d, "B1".."B6"); the
// neighbour across edge d sees the same slot on edge d + 3.
class BMBorderTable {
public:
    static constexpr int CHIPS = 240;

    static uint32_t slotA(int direction) { return 1u << direction; }
    static uint32_t slotB(int direction) { return 0x40u << direction; }
    static bool isSlotA(uint32_t slot) { return (slot & 0x3F) != 0; }
    // The direction of a single slot bit.
    static int directionOf(uint32_t slot);
    // The same letter on the opposite edge: how the neighbour across the edge names it.
    static uint32_t facing(uint32_t slot);

    BMBorderTable();

    // The built-in table: groups 1..11 of 18 chips each.
    void loadDefault();
    // The keys "<name>.bdr.000" .. "<name>.bdr.239" of the properties: group, then slot names.
    void load(const HProperties& properties, const std::string& name);
    // The table of scenario folder name: its keys when the properties list the name under
    // "names" (true), else the built-in one.
    bool loadFor(const HProperties& properties, const std::string& name);

    int getGroup(int chip) const;
    uint32_t getMask(int chip) const;
    // The first chip of the group whose mask equals mask (exact) or shares a bit with it;
    // -1 when there is none.
    int find(uint32_t mask, int group, bool exact) const;

private:
    void set(int chip, int group, uint32_t mask);
    void index();

    int m_group[CHIPS];
    uint32_t m_mask[CHIPS];
    // The chips of each group in chip order, so that a search looks at 18 chips, not 240.
    std::map<int, std::vector<uint8_t>> m_chipsOfGroup;
};
