#pragma once

#include <cstdint>
#include <vector>

#include "editor/model/BMConstants.h"

// The mark word of every cell of the map (CELL_ bits), by cell index y * 32 + x, and the
// order in which a drag marked cells pending.
class BMMarks {
public:
    uint32_t& operator[](int index) { return m_words[index]; }
    uint32_t operator[](int index) const { return m_words[index]; }
    uint32_t* words() { return m_words; }
    const uint32_t* words() const { return m_words; }

    // Every word becomes word.
    void fill(uint32_t word);
    // x = -1: every column; y = -1: every row. Mask 0 zeroes the whole mark word. A cell
    // outside the map changes nothing.
    void set(int x, int y, uint32_t mask, bool on);
    // ORs bits into the cells' words; cells newly pending are remembered in that order.
    void add(const std::vector<uint16_t>& cells, uint32_t bits);
    void clearPending();
    // Forgets the order of the pending cells (their marks stay).
    void forgetPendingOrder() { m_pendingOrder.clear(); }
    // The pending cells in the order they were marked (those of an earlier order first), or
    // all in reading order.
    std::vector<uint16_t> pending(bool readingOrder) const;
    // The cells whose word has any of bits, in reading order.
    std::vector<uint16_t> with(uint32_t bits) const;

private:
    uint32_t m_words[MAP_CELLS] = {};
    std::vector<uint16_t> m_pendingOrder;  // cells as a drag marked them pending
};
