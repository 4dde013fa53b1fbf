#include "editor/model/BMBorderTable.h"

#include <cstdio>

#include "framework/base/HProperties.h"

namespace {

const char* const kSlotNames[12] = {"A1", "A2", "A3", "A4", "A5", "A6",
                                    "B1", "B2", "B3", "B4", "B5", "B6"};

// Edge masks of the 18 chips of a default group, by position in the group. Group 1 orders some
// of its lines differently from groups 2..11.
const uint32_t kFirstGroupMasks[18] = {0xA00, 0x012, 0x005, 0x480, 0x028, 0x140,
                                       0x202, 0x014, 0x401, 0x880, 0x500, 0x088,
                                       0x050, 0x022, 0x240, 0x024, 0x009, 0x900};
const uint32_t kOtherGroupMasks[18] = {0x012, 0x480, 0xA00, 0x005, 0x028, 0x140,
                                       0x202, 0x401, 0x880, 0x014, 0x500, 0x088,
                                       0x050, 0x022, 0x240, 0x024, 0x009, 0x900};
const int kDefaultGroups = 11;
const int kGroupChips = 18;

}  // namespace

int BMBorderTable::directionOf(uint32_t slot)
{
    for (int direction = 0; direction < 6; ++direction) {
        if ((slot & (slotA(direction) | slotB(direction))) != 0) {
            return direction;
        }
    }
    return -1;
}

uint32_t BMBorderTable::facing(uint32_t slot)
{
    const int opposite = (directionOf(slot) + 3) % 6;
    return isSlotA(slot) ? slotA(opposite) : slotB(opposite);
}

BMBorderTable::BMBorderTable()
{
    for (int chip = 0; chip < CHIPS; ++chip) {
        set(chip, 0, 0);
    }
    index();
}

void BMBorderTable::set(int chip, int group, uint32_t mask)
{
    m_group[chip] = group;
    m_mask[chip] = mask;
}

bool BMBorderTable::loadFor(const HProperties& properties, const std::string& name)
{
    const size_t count = properties.getCount("names");
    for (size_t i = 0; i < count; ++i) {
        if (properties.getString("names", i) == name) {
            load(properties, name);
            return true;
        }
    }
    loadDefault();
    return false;
}

void BMBorderTable::loadDefault()
{
    for (int chip = 0; chip < CHIPS; ++chip) {
        set(chip, 0, 0);
    }
    // Group g (1..11) is chips 20g + 2 .. 20g + 19.
    for (int group = 1; group <= kDefaultGroups; ++group) {
        const uint32_t* masks = group == 1 ? kFirstGroupMasks : kOtherGroupMasks;
        for (int position = 0; position < kGroupChips; ++position) {
            set(20 * group + 2 + position, group, masks[position]);
        }
    }
    index();
}

void BMBorderTable::load(const HProperties& properties, const std::string& name)
{
    for (int chip = 0; chip < CHIPS; ++chip) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", chip);
        const std::string key = name + ".bdr." + number;
        const size_t count = properties.getCount(key);
        if (count == 0) {
            set(chip, 0, 0);
            continue;
        }
        uint32_t mask = 0;
        for (size_t value = 1; value < count; ++value) {
            const std::string slot = properties.getString(key, value);
            for (int bit = 0; bit < 12; ++bit) {
                if (slot == kSlotNames[bit]) {
                    mask |= 1u << bit;
                }
            }
        }
        set(chip, properties.getInt(key, 0), mask);
    }
    index();
}

void BMBorderTable::index()
{
    m_chipsOfGroup.clear();
    for (int chip = 0; chip < CHIPS; ++chip) {
        m_chipsOfGroup[m_group[chip]].push_back(static_cast<uint8_t>(chip));
    }
}

int BMBorderTable::getGroup(int chip) const
{
    return chip >= 0 && chip < CHIPS ? m_group[chip] : 0;
}

uint32_t BMBorderTable::getMask(int chip) const
{
    return chip >= 0 && chip < CHIPS ? m_mask[chip] : 0;
}

int BMBorderTable::find(uint32_t mask, int group, bool exact) const
{
    const auto chips = m_chipsOfGroup.find(group);
    if (chips == m_chipsOfGroup.end()) {
        return -1;
    }
    for (uint8_t chip : chips->second) {
        if (exact ? m_mask[chip] == mask : (m_mask[chip] & mask) != 0) {
            return chip;
        }
    }
    return -1;
}
