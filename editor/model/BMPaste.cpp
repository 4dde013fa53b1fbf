#include "editor/model/BMPaste.h"

#include "editor/model/BMCellRecord.h"
#include "editor/model/BMCellWriter.h"
#include "editor/model/BMClipboardText.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"

std::string BMPaste::copy(const BMEditor& editor)
{
    std::vector<BMCellRecord> records;
    BMPoint origin = {-1, -1};
    for (int index = 0; index < MAP_CELLS; ++index) {
        if (!editor.inSelection(index)) {
            continue;
        }
        const BMPoint cell = BMGeometry::cellOf(index);
        if (origin.x < 0) {
            origin = cell;
        }
        records.push_back(BMCellRecord::fromMap(*editor.getData(), cell.x, cell.y, origin.x, origin.y, 0));
    }
    return BMClipboardText::write(records);
}

std::vector<int> BMPaste::targets(BMPoint origin, const std::vector<BMCellRecord>& records)
{
    std::vector<int> targets(records.size(), -1);
    const bool cursorOdd = (origin.y & 1) != 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const BMCellRecord& record = records[i];
        int x = origin.x + record.x;
        const int y = origin.y + record.y;
        const bool copyOdd = (record.originRow & 1) != 0;
        const bool rowOdd = (y & 1) != 0;
        if (copyOdd && !cursorOdd && rowOdd) {
            --x;
        } else if (!copyOdd && cursorOdd && !rowOdd) {
            ++x;
        }
        if (BMGeometry::inside(x, y)) {
            targets[i] = BMGeometry::index(x, y);
        }
    }
    return targets;
}

// The undo item records every cell whose mark word or data the paste can change: the targets,
// every marked cell, and with objects or placements every cell the renumbering may touch.
// Undo zeroes all marks first, so cells left out had none to restore.
BMChange BMPaste::paste(BMEditor& editor, const BMLayers& layers,
                        const std::vector<BMCellRecord>& records)
{
    BMData& data = *editor.getData();
    const std::vector<int> cellOf = targets(editor.getCursor(), records);
    std::vector<bool> target(MAP_CELLS, false);
    for (int cell : cellOf) {
        if (cell >= 0) {
            target[static_cast<size_t>(cell)] = true;
        }
    }
    BMChange change;
    std::vector<uint16_t> recorded;
    for (int index = 0; index < MAP_CELLS; ++index) {
        const BMPoint cell = BMGeometry::cellOf(index);
        if (target[static_cast<size_t>(index)] || BMCellWriter::hasPlaced(data, cell.x, cell.y, layers)) {
            change.cells.push_back(static_cast<uint16_t>(index));
        } else if (editor.getCellMark(index) == 0) {
            continue;
        }
        recorded.push_back(static_cast<uint16_t>(index));
    }
    BMUndoItem* item = editor.openUndo(layers.kinds() | UNDO_SELECTION, editor.getCursorIndex());
    item->record(data, recorded, editor.getMarks().words(), ~0u, [&] {
        for (uint16_t index : recorded) {
            const BMPoint cell = BMGeometry::cellOf(index);
            editor.setCellMark(cell.x, cell.y, CELL_SELECTED, false);
        }
        // The records are placed in their order, as far as the map file holds them.
        std::vector<BMMapLimits::Write> writes;
        std::vector<size_t> recordOf;
        for (size_t i = 0; i < records.size(); ++i) {
            if (cellOf[i] >= 0) {
                writes.push_back({static_cast<uint16_t>(cellOf[i]), layers.object, records[i].object,
                                  layers.placement, static_cast<uint8_t>(records[i].group)});
                recordOf.push_back(i);
            }
        }
        change.cut = BMMapLimits::fit(*data.getBMap(data.getCurrent() - 1), &writes);
        for (size_t k = 0; k < writes.size(); ++k) {
            const BMPoint cell = BMGeometry::cellOf(writes[k].cell);
            editor.setCellMark(cell.x, cell.y, CELL_SELECTED, true);
            BMCellWriter::write(data, cell.x, cell.y, BMCellWriter::fitted(layers, writes[k]),
                                records[recordOf[k]]);
        }
        if (layers.renumbers()) {
            data.correct(0);
        }
    });
    change.data = layers.data() | DATA_MARKS;
    return change;
}
