#include "editor/model/BMMarks.h"

#include <algorithm>

#include "editor/model/BMGeometry.h"

void BMMarks::fill(uint32_t word)
{
    std::fill(std::begin(m_words), std::end(m_words), word);
}

void BMMarks::set(int x, int y, uint32_t mask, bool on)
{
    if ((x != -1 && (x < 0 || x >= MAP_SIZE)) || (y != -1 && (y < 0 || y >= MAP_SIZE))) {
        return;
    }
    const int firstRow = y == -1 ? 0 : y;
    const int lastRow = y == -1 ? MAP_SIZE - 1 : y;
    const int firstColumn = x == -1 ? 0 : x;
    const int lastColumn = x == -1 ? MAP_SIZE - 1 : x;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            uint32_t& mark = m_words[BMGeometry::index(column, row)];
            if (mask == 0) {
                mark = 0;
            } else {
                mark = on ? (mark | mask) : (mark & ~mask);
            }
        }
    }
}

void BMMarks::add(const std::vector<uint16_t>& cells, uint32_t bits)
{
    for (uint16_t index : cells) {
        if ((bits & CELL_PENDING) != 0 && (m_words[index] & CELL_PENDING) == 0) {
            m_pendingOrder.push_back(index);
        }
        m_words[index] |= bits;
    }
}

void BMMarks::clearPending()
{
    set(-1, -1, CELL_PENDING, false);
    m_pendingOrder.clear();
}

std::vector<uint16_t> BMMarks::pending(bool readingOrder) const
{
    std::vector<uint16_t> cells;
    std::vector<bool> taken(MAP_CELLS, false);
    if (!readingOrder) {
        for (uint16_t index : m_pendingOrder) {
            if ((m_words[index] & CELL_PENDING) != 0 && !taken[index]) {
                taken[index] = true;
                cells.push_back(index);
            }
        }
    }
    for (int index = 0; index < MAP_CELLS; ++index) {
        if ((m_words[index] & CELL_PENDING) != 0 && !taken[static_cast<size_t>(index)]) {
            cells.push_back(static_cast<uint16_t>(index));
        }
    }
    return cells;
}

std::vector<uint16_t> BMMarks::with(uint32_t bits) const
{
    std::vector<uint16_t> cells;
    for (int index = 0; index < MAP_CELLS; ++index) {
        if ((m_words[index] & bits) != 0) {
            cells.push_back(static_cast<uint16_t>(index));
        }
    }
    return cells;
}
