#pragma once

#include <cstdint>
#include <vector>

#include "editor/model/BMConstants.h"

class BMBorderTable;
class BMData;

// Gives each cell of a chain of selected cells the character chip whose border line joins its
// neighbours along the chain. A trace walks from its start cell from selected neighbour to
// selected neighbour, always trying the same turns in the same order, and sets every cell it
// enters from the border table; a dead end is left the way it came. The walk ends on its third
// arrival at the start cell, whose visit marks (CELL_TRACED, then CELL_RETRACED) count the
// arrivals.
//
// The way on depends only on the cell and the direction the walk came in, so the walk becomes
// periodic. On a chain it comes back to its start; on some clusters of cells it falls into a
// loop that never passes the start again. The tracer ends such a walk as soon as it has gone
// once around that loop. The start cell counts as selected for its own trace, so that the walk
// can come back to an unselected cursor cell. The loop is bounded by MAX_STEPS besides, and
// every walk ends well before it.
class BMBorderTracer {
public:
    // Three times every (cell, incoming direction) state: a periodic walk has come back to its
    // start twice, or shown that it never will, within this many steps.
    static constexpr int MAX_STEPS = 3 * 6 * MAP_CELLS;

    // The current map of data, the mark words and the table are not owned. toggle chooses the
    // slot letter a trace leaves its start cell on: A when true, B when false.
    BMBorderTracer(BMData& data, uint32_t* marks, const BMBorderTable& table, bool toggle);

    // Traces from (sx, sy) in the given border group. False only if the step bound ended it.
    bool trace(int sx, int sy, int group);
    // Traces along the selection (the cells marked CELL_SELECTED and the cursor cell): each
    // horizontal run starts at most one trace, at its leftmost cell that no earlier trace has
    // passed. The trace marks go again afterwards.
    void traceSelection(int cursor, int group);
    // Steps the last trace took.
    int getSteps() const { return m_steps; }

private:
    bool walkable(BMPoint cell) const;
    // The character of an in-map cell below 240, else -1.
    int borderCharacter(BMPoint cell) const;
    // The slot of the neighbour's chip on its edge toward us (its side of the shared edge):
    // its A slot if its mask has it, else its B slot if it has that, else 0.
    uint32_t sideSlot(int chip, int edge) const;
    void setChip(BMPoint cell, int chip);
    // Notes that the walk entered the cell in the direction; false once the walk is known to
    // be going round a loop without the start cell.
    bool visit(BMPoint cell, int direction);
    // The three kinds of step; each sets the cell's chip when the table has one.
    void isolated(BMPoint cell, int search);
    uint32_t deadEnd(BMPoint cell, int search, int back, uint32_t own, int* group);
    uint32_t turn(BMPoint cell, uint32_t own, int next, int group);

    BMData& m_data;
    uint32_t* m_marks;
    const BMBorderTable& m_table;
    bool m_toggle;
    BMPoint m_start = {0, 0};
    int m_steps = 0;
    // When each (cell, incoming direction) was first entered in the current trace, stamped
    // with the trace's number so that nothing needs clearing between traces.
    struct Visit {
        int trace;
        int step;
    };
    std::vector<Visit> m_visits;
    int m_trace = 0;
    int m_lastStart = 0;      // the step of the latest arrival at the start cell
    bool m_comesBack = false;  // the walk's loop passes the start cell
};
