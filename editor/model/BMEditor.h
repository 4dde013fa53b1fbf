#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/model/BMBorderTable.h"
#include "editor/model/BMChange.h"
#include "editor/model/BMConstants.h"
#include "editor/model/BMFloodFill.h"
#include "editor/model/BMLayers.h"
#include "editor/model/BMMapLimits.h"
#include "editor/model/BMMarks.h"
#include "editor/model/BMUndoList.h"
#include "framework/base/HObject.h"
#include "framework/base/HProperties.h"

class BMData;
class BMMapEditor;
class ZDArea;
struct BMCellRecord;
class ZDBMap;

// The editing engine: every piece of editing state that is not map data (edit mode, shape,
// mouse mode, cursor, cell marks, current values, the border toggle, the undo list and the
// border table) and every operation that changes the current map of the editor data or the
// marks. It needs no window: the display turns pointer positions into cells, calls these
// operations and draws again what they report.
//
// The selection of an edit is every cell marked CELL_SELECTED plus the cursor cell.
class BMEditor : public HObject {
public:
    BMEditor();
    ~BMEditor() override;

    void setData(BMData* data) { m_data = data; }  // not owned
    BMData* getData() const { return m_data; }
    // True while the editor data holds a current map.
    bool hasMap() const;

    int getEditMode() const { return m_editMode; }
    void setEditMode(int mode) { m_editMode = mode; }
    int getShape() const { return m_shape; }
    void setShape(int shape) { m_shape = shape; }
    int getMouseMode() const { return m_mouseMode; }
    void setMouseMode(int mode) { m_mouseMode = mode; }
    // Current values; the setters wrap: below 0 gives the maximum, above it 0.
    int getCharacter() const { return m_character; }
    int getObject() const { return m_object; }
    int getHeight() const { return m_height; }
    int getGroupIndex() const { return m_groupIndex; }
    void setCharacter(int value);
    void setObject(int value);
    void setHeight(int value);
    void setGroupIndex(int value);
    bool getBorderToggle() const { return m_borderToggle; }
    // The radius of the hex brush of free-hand strokes in direct mouse mode, 0..3; the setter
    // holds it in that range.
    int getBrushRadius() const { return m_brushRadius; }
    void setBrushRadius(int radius);
    // The view position recorded with every undo item and restored by undo and redo.
    void setScroll(int x, int y)
    {
        m_scrollX = x;
        m_scrollY = y;
    }
    BMPoint getScroll() const { return {m_scrollX, m_scrollY}; }

    // A cell outside the map leaves the cursor where it is.
    void setCursor(int x, int y);
    BMPoint getCursor() const;
    int getCursorIndex() const { return m_cursor; }
    // x = -1: every column; y = -1: every row. Mask 0 zeroes the whole mark word.
    void setCellMark(int x, int y, uint32_t mask, bool on) { m_marks.set(x, y, mask, on); }
    uint32_t getCellMark(int index) const;
    const BMMarks& getMarks() const { return m_marks; }
    // Marked CELL_SELECTED or the cursor cell.
    bool inSelection(int index) const;
    // Cursor (0, 0), select mouse mode, no marks, the first value of each layer.
    void resetState();

    BMUndoList& getUndoList() { return m_undoList; }
    // The commands on the list of areas, with the map buffer.
    BMMapEditor& getMapEditor() { return *m_mapEditor; }
    const BMBorderTable& getBorderTable() const { return m_borderTable; }
    // The scenario whose keys of the border file the table holds; empty for the built-in table.
    const std::string& getBorderTableName() const { return m_borderTableName; }

    // Editing (set, clear, reset, selection, shapes, undo, clipboard).
    BMChange execSet(int mode);
    BMChange execReset();
    BMChange selectAll();
    BMChange selectNone();
    // Every cell holding the cursor cell's value in the edit mode's layer becomes the
    // selection, in place of the old one.
    BMChange selectSameValue();
    void markLine(int ax, int ay, int bx, int by, uint32_t bits);
    void markRect(int ax, int ay, int bx, int by, uint32_t bits);
    void markHexagon(int ax, int ay, int bx, int by, uint32_t bits);
    BMChange undo();
    BMChange redo();
    void changeAreaSelection(uint32_t from, uint32_t to);
    // Gives area number (1-based) the name, values, links and music of record as one undo
    // item; nothing (no item) when they are the same already or there is no such area.
    BMChange editArea(uint32_t number, const ZDArea& record);
    std::string copySelection() const;
    // False when the text is refused as a whole (getPasteError says why); nothing changed then.
    bool pasteSelection(const std::string& text, BMChange* change);
    const std::string& getPasteError() const { return m_pasteError; }
    uint32_t nextOrder(int kind) const;

    // Border tracing.
    //
    // The data holds a scenario just opened: the undo history of the one before goes, and
    // the border table of its folder is loaded.
    void startScenario();
    // The border table of the scenario's folder (border.ini names it, else the built-in one).
    void loadBorderTable();
    void reloadBorderFile();
    int findBorderChip(uint32_t mask, int group, bool exact) const
    {
        return m_borderTable.find(mask, group, exact);
    }
    BMChange execSetBorder();

    // The map part of the pointer gestures, on cells the display worked out, handed to the
    // tool of the shape and mouse mode (BMTool). reach tells how far the fill shape reaches
    // (the press and the drag with Shift reach the whole map).
    //
    // A left press on a map cell.
    BMChange pressCell(int x, int y, BMFloodFill::Reach reach = BMFloodFill::CONNECTED);
    // A right press: deselect the cell, or everything when it was not selected.
    BMChange pressRightCell(int x, int y);
    // A drag from anchor cell (x, y), inside the map.
    BMChange startDrag(int x, int y, BMFloodFill::Reach reach = BMFloodFill::CONNECTED);
    // The drag is over cell (x, y), which may lie outside the map: mark the shape pending.
    BMChange moveDrag(int anchorX, int anchorY, int x, int y,
                      BMFloodFill::Reach reach = BMFloodFill::CONNECTED);
    // The drag ended over cell (x, y), inside the map: the pending cells become the selection.
    BMChange endDrag(int x, int y);

    // What the tools build their gestures from.
    //
    // One undo step: the cells become the selection (joined to the old one or in its place),
    // the cursor moves to cursor, and with set the edit mode's current value is set on the new
    // selection and the cursor cell, the cells taking it in the order given.
    BMChange selectRegion(const std::vector<uint16_t>& cells, bool join, int cursor, bool set);
    // The cursor moves to cell index, dropping the selection (one undo step when there was one).
    BMChange moveCursor(int index);
    // The fill shape's cells around a cell, in the edit mode's layer.
    std::vector<uint16_t> fillRegion(int index, BMFloodFill::Reach reach) const;
    // ORs bits into the cells' marks; cells newly pending are remembered in that order.
    void markCells(const std::vector<uint16_t>& cells, uint32_t bits) { m_marks.add(cells, bits); }
    void clearPending() { m_marks.clearPending(); }
    // The pending cells in the order they were marked, or in reading order.
    std::vector<uint16_t> pendingCells(bool readingOrder) const
    {
        return m_marks.pending(readingOrder);
    }
    // Where the pointer of a brush stroke was last.
    BMPoint getStrokeCell() const { return m_strokeCell; }
    void setStrokeCell(BMPoint cell) { m_strokeCell = cell; }
    // A new undo item of cell records with the view to go back to.
    BMUndoItem* openUndo(int32_t kind, int32_t cursor);

private:
    // Undoes or redoes one item.
    BMChange step(bool redo);
    BMChange setSelection(const BMLayers& layers, const BMCellRecord* values, bool clear);
    // Traces the border along the selection; records nothing.
    void traceSelection();

    BMData* m_data = nullptr;  // not owned
    int m_editMode = MODE_CHAR;
    int m_shape = SHAPE_FREE;
    int m_mouseMode = MOUSE_SELECT;
    int m_cursor = 0;
    BMMarks m_marks;
    int m_character = 1;
    int m_object = 1;
    int m_height = 1;
    int m_groupIndex = 0;
    bool m_borderToggle = true;
    int m_brushRadius = 0;
    BMPoint m_strokeCell = {0, 0};  // where the pointer of a brush stroke was last
    int m_scrollX = 0;
    int m_scrollY = 0;
    BMUndoList m_undoList;
    HProperties m_borderProperties;
    BMBorderTable m_borderTable;
    std::string m_borderTableName;
    std::string m_pasteError;
    std::unique_ptr<BMMapEditor> m_mapEditor;
};
