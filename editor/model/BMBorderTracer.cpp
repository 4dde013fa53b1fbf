#include "editor/model/BMBorderTracer.h"

#include "editor/model/BMBorderTable.h"
#include "editor/model/BMData.h"
#include "editor/model/BMGeometry.h"
#include "framework/base/HDebug.h"

namespace {

const int kDirections = 6;
const int kChips = BMBorderTable::CHIPS;

}  // namespace

BMBorderTracer::BMBorderTracer(BMData& data, uint32_t* marks, const BMBorderTable& table,
                               bool toggle)
    : m_data(data),
      m_marks(marks),
      m_table(table),
      m_toggle(toggle),
      m_visits(static_cast<size_t>(MAP_CELLS * kDirections), Visit{0, 0})
{
}

void BMBorderTracer::traceSelection(int cursor, int group)
{
    for (int y = 0; y < MAP_SIZE; ++y) {
        bool run = false;
        for (int x = 0; x < MAP_SIZE; ++x) {
            const int index = BMGeometry::index(x, y);
            if ((m_marks[index] & CELL_SELECTED) == 0 && index != cursor) {
                run = false;
                continue;
            }
            if (!run && (m_marks[index] & CELL_TRACED) == 0) {
                trace(x, y, group);
                m_marks[index] &= ~CELL_RETRACED;
            }
            run = true;
        }
    }
    for (int index = 0; index < MAP_CELLS; ++index) {
        m_marks[index] &= ~(CELL_TRACED | CELL_RETRACED);
    }
}

bool BMBorderTracer::visit(BMPoint cell, int direction)
{
    if (cell.x == m_start.x && cell.y == m_start.y) {
        m_lastStart = m_steps;
    }
    if (m_comesBack) {
        return true;
    }
    Visit& visit = m_visits[static_cast<size_t>(BMGeometry::index(cell.x, cell.y) * kDirections + direction)];
    if (visit.trace != m_trace) {
        visit = {m_trace, m_steps};
        return true;
    }
    // The walk repeats itself from visit.step on: it comes back only if that loop holds an
    // arrival at the start.
    m_comesBack = m_lastStart >= visit.step;
    return m_comesBack;
}

bool BMBorderTracer::walkable(BMPoint cell) const
{
    if (!BMGeometry::inside(cell.x, cell.y)) {
        return false;
    }
    return (m_marks[BMGeometry::index(cell.x, cell.y)] & CELL_SELECTED) != 0
           || (cell.x == m_start.x && cell.y == m_start.y);
}

int BMBorderTracer::borderCharacter(BMPoint cell) const
{
    if (!BMGeometry::inside(cell.x, cell.y)) {
        return -1;
    }
    const int c = m_data.getByte(BMData::TYPE_CHARACTER, 0, static_cast<uint32_t>(cell.x),
                                 static_cast<uint32_t>(cell.y));
    return c < kChips ? c : -1;
}

uint32_t BMBorderTracer::sideSlot(int chip, int edge) const
{
    const uint32_t mask = m_table.getMask(chip);
    if ((mask & BMBorderTable::slotA(edge)) != 0) {
        return BMBorderTable::slotA(edge);
    }
    if ((mask & BMBorderTable::slotB(edge)) != 0) {
        return BMBorderTable::slotB(edge);
    }
    return 0;
}

void BMBorderTracer::setChip(BMPoint cell, int chip)
{
    m_data.setByte(BMData::TYPE_CHARACTER, static_cast<uint8_t>(chip), 0,
                   static_cast<uint32_t>(cell.x), static_cast<uint32_t>(cell.y));
}

bool BMBorderTracer::trace(int sx, int sy, int group)
{
    m_start = {sx, sy};
    ++m_trace;
    m_lastStart = 0;
    m_comesBack = false;
    BMPoint cell = m_start;
    uint32_t incoming = 0;  // the slot the walk entered the cell through; 0 at the start
    for (m_steps = 0; m_steps < MAX_STEPS; ++m_steps) {
        if (incoming != 0 && !visit(cell, BMBorderTable::directionOf(incoming))) {
            HDebug::debug("traceBorder:no way back to (%d,%d)", sx, sy);
            return true;
        }
        uint32_t& mark = m_marks[BMGeometry::index(cell.x, cell.y)];
        if (cell.x == sx && cell.y == sy) {
            if ((mark & CELL_TRACED) == 0) {
                mark |= CELL_TRACED;
            } else if ((mark & CELL_RETRACED) != 0) {
                return true;
            } else {
                mark |= CELL_RETRACED;
            }
        } else {
            mark |= CELL_TRACED;
        }

        // The search for the way on starts one direction clockwise of the way in.
        int back = -1;
        uint32_t own = 0;  // the incoming slot as this cell names it
        int search = 2;
        if (incoming != 0) {
            const int in = BMBorderTable::directionOf(incoming);
            back = (in + 3) % kDirections;
            own = BMBorderTable::facing(incoming);
            search = (in + 5) % kDirections;
        }
        int next = -1;
        for (int i = 0; i < kDirections && next < 0; ++i) {
            const int direction = (search + i) % kDirections;
            if (walkable(BMGeometry::neighbour(cell.x, cell.y, direction))) {
                next = direction;
            }
        }

        uint32_t out;
        if (next < 0) {
            isolated(cell, search);
            return true;
        }
        if (next == back) {
            out = deadEnd(cell, search, back, own, &group);
        } else if (incoming == 0) {
            // The start cell's own chip is set when the walk comes back to it.
            out = m_toggle ? BMBorderTable::slotA(next) : BMBorderTable::slotB(next);
        } else {
            out = turn(cell, own, next, group);
        }
        cell = BMGeometry::neighbour(cell.x, cell.y, next);
        incoming = out;
    }
    HLOG_INFO("traceBorder:error step limit");
    HDebug::debug("traceBorder:start=(%d,%d)", sx, sy);
    return false;
}

// No selected neighbour: join the lines of the neighbours that point at this cell, in the
// group of the first of them.
void BMBorderTracer::isolated(BMPoint cell, int search)
{
    int found = -1;
    int group = 0;
    uint32_t mask = 0;
    for (int i = 0; i < kDirections; ++i) {
        const int direction = (search + i) % kDirections;
        const int c = borderCharacter(BMGeometry::neighbour(cell.x, cell.y, direction));
        if (c < 0) {
            continue;
        }
        const uint32_t slot = sideSlot(c, (direction + 3) % kDirections);
        if (slot == 0) {
            continue;
        }
        if (group == 0) {
            group = m_table.getGroup(c);
        }
        if (m_table.getGroup(c) == group) {
            mask |= BMBorderTable::facing(slot);
            found = m_table.find(mask, group, true);
            if (found >= 0) {
                setChip(cell, found);
            }
        }
    }
    if (found >= 0 || group == 0) {
        return;
    }
    const int near = m_table.find(mask, group, false);
    if (near >= 0) {
        setChip(cell, near);
    }
}

// The only way on is back: end the line here, joining it to a neighbour's line that points
// at this cell if there is one (its group then becomes the trace's group).
uint32_t BMBorderTracer::deadEnd(BMPoint cell, int search, int back, uint32_t own, int* group)
{
    int r = -1;
    uint32_t out = own;
    for (int i = 0; i < 4; ++i) {
        const int direction = (search + i) % kDirections;
        const int c = borderCharacter(BMGeometry::neighbour(cell.x, cell.y, direction));
        if (c < 0) {
            continue;
        }
        const uint32_t slot = sideSlot(c, (direction + 3) % kDirections);
        if (slot == 0) {
            continue;
        }
        const uint32_t toward = BMBorderTable::facing(slot);
        const bool a = BMBorderTable::isSlotA(slot);
        const uint32_t p = a ? BMBorderTable::slotA(back) : BMBorderTable::slotB(back);
        const uint32_t q = a ? BMBorderTable::slotB(back) : BMBorderTable::slotA(back);
        const int neighbourGroup = m_table.getGroup(c);
        r = m_table.find(p | toward, neighbourGroup, true);
        if (r >= 0) {
            out = p;
            *group = neighbourGroup;
            break;
        }
        r = m_table.find(q | toward, neighbourGroup, true);
        if (r >= 0) {
            out = q;
            *group = neighbourGroup;
            break;
        }
    }
    if (r < 0) {
        r = m_table.find(out, *group, true);
    }
    if (r < 0) {
        r = m_table.find(out, *group, false);
    }
    if (r >= 0) {
        setChip(cell, r);
    }
    return out;
}

// A straight run or a turn: a line from the incoming slot to a slot of the next edge, the
// same letter first.
uint32_t BMBorderTracer::turn(BMPoint cell, uint32_t own, int next, int group)
{
    const bool a = BMBorderTable::isSlotA(own);
    const uint32_t p = a ? BMBorderTable::slotA(next) : BMBorderTable::slotB(next);
    const uint32_t q = a ? BMBorderTable::slotB(next) : BMBorderTable::slotA(next);
    uint32_t out = p;
    int r = m_table.find(p | own, group, true);
    if (r < 0) {
        r = m_table.find(q | own, group, true);
        out = q;
    }
    if (r < 0) {
        r = m_table.find(own, group, false);
        out = p;
    }
    if (r < 0) {
        r = m_table.find(p, group, false);
    }
    if (r < 0) {
        r = m_table.find(q, group, false);
        out = q;
    }
    if (r >= 0) {
        setChip(cell, r);
    }
    return out;
}
