#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "editor/model/BMMapLimits.h"
#include "framework/base/HObject.h"
#include "scenario/ZDBMap.h"

struct BMChange;
class BMEditor;
class BMMapEdit;
class ZDEditArea;
class ZDEditBMap;

// The commands on the list of areas: add, insert, remove and move an area with its map, copy
// the current map whole into the map buffer and write a copied map over the current one. Each
// change is one undo item of the editor's history and changes the current map as BMMapEdit
// says; what each returns tells the display to draw everything again (the chooser's list and
// the title included). Nothing happens, and nothing is added to the history, where a command
// does not apply (no current map, a position out of range, nothing copied).
class BMMapEditor : public HObject {
public:
    explicit BMMapEditor(BMEditor& editor);  // not owned
    ~BMMapEditor() override;

    // A new area after the last, with an empty map.
    BMChange appendMap();
    // A new area before the current one (first, without one) whose map is the buffer's, or
    // empty when nothing was copied. The change tells what the buffer's map lost on its way
    // in from the clipboard (the same for overwriteMap).
    BMChange insertMap();
    // The current area and its map go.
    BMChange removeMap();
    // The current area and its map move to number to (1..count).
    BMChange moveMap(uint32_t to);
    // Copies the current map into the buffer and returns its clipboard text; empty without
    // a current map.
    std::string copyMap();
    // Makes the map of a whole map's clipboard text the buffer, without what the map file
    // cannot hold (see readMapText); false, the buffer kept, when the text is anything else.
    bool takeMapText(const std::string& text);
    // Writes the buffer's cells over the current map; orders and counts follow.
    BMChange overwriteMap();

    bool hasCopy() const { return m_hasCopy; }
    const ZDBMap& getCopy() const { return m_copy; }
    // The group links of the other areas that lead to the current area.
    uint32_t countLinksToCurrent() const;

    // The clipboard text of a whole map: one record per cell relative to cell (0, 0), in the
    // order of a selection of every cell (row by row).
    static std::string writeMapText(const ZDBMap& map);
    // The map of such a text (corrected), or false when the text is not 1024 records that
    // name every cell of a map once. What the map file cannot hold is left out
    // (BMMapLimits::fitMap) and told in cut, when given.
    static bool readMapText(const std::string& text, ZDBMap* map, BMLimitCut* cut = nullptr);
    // The name a new area is proposed (Shift-JIS).
    static std::string proposedName(uint32_t number);
    // What a change of the list (made, undone or redone) asks the display to draw again.
    static BMChange listChange();

private:
    // Makes the change and files it as one undo item; an empty change when it did not fit.
    BMChange record(std::unique_ptr<BMMapEdit> edit);
    BMChange insertAt(uint32_t index, const ZDBMap& cells);

    BMEditor& m_editor;
    ZDBMap m_copy;
    bool m_hasCopy = false;
    BMLimitCut m_copyCut;  // what the buffer's map lost when it was taken from the clipboard
};
