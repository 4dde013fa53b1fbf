#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/model/BMConstants.h"
#include "editor/model/BMMapLimits.h"
#include "editor/view/BMHotSpots.h"
#include "editor/view/BMViewLayout.h"
#include "editor/view/BMZoom.h"
#include "framework/base/HObject.h"

struct BMChange;
class BMData;
class ZDArea;
class BMEditor;
class BMMiniMap;
class BMRenderer;
class BMViewHost;
class HGraphics;

// The one object that shows the current battle map and holds every piece of editing state
// that is not map data. The main window creates it, gives it its host and the editor data,
// tells it the view size and scroll position, and asks it to draw on every paint; the command
// operations and the input listeners call the rest.
//
// The work is shared out: the windowless editing engine (BMEditor: modes, current values,
// cursor, marks, undo, shapes, border tracing, clipboard text) and the drawing (BMRenderer:
// layer images, panels, glyph sheet, frame composition). This class holds the view state,
// turns pointer input into engine calls and hot-spot commands, and after every change asks
// the renderer to draw what the change touched.
class BMDisplay : public HObject {
public:
    BMDisplay();
    ~BMDisplay() override;

    // Set-up and layout (the main window).
    // What the display tells of what it shows (status, paints, scrolling, commands); not owned.
    // Without a host nothing is told.
    void setHost(BMViewHost* host);
    void setData(bool create);        // BMData::getInstance(create); not owned
    BMData* getData() const;
    void setViewSize(int width, int height);
    BMPoint getViewSize() const { return m_layout.getViewSize(); }
    void setScroll(int x, int y);
    BMPoint getScroll() const { return m_layout.getScroll(); }
    // Where things are in the view and what a view pixel points at.
    const BMViewLayout& getLayout() const { return m_layout; }
    // True while the editor data holds a current map.
    bool hasMap() const;

    // State (the command operations).
    int getEditMode() const;
    void setEditMode(int mode);
    int getShape() const;
    void setShape(int shape);
    bool isViewFlag(uint32_t mask) const { return m_layout.isViewFlag(mask); }  // any bit
    void setViewFlag(uint32_t mask, bool on) { m_layout.setViewFlag(mask, on); }
    uint32_t getViewFlags() const { return m_layout.getViewFlags(); }
    int getMouseMode() const;
    void setMouseMode(int mode);
    // Current values; the setters wrap: below 0 gives the maximum, above it 0.
    int getCharacter() const;
    int getObject() const;
    int getHeight() const;
    int getGroupIndex() const;  // 0..7 for placement group 1..8
    void setCharacter(int value);
    void setObject(int value);
    void setHeight(int value);
    void setGroupIndex(int value);
    int getChooserPage() const;
    int getChooserPageCount() const;
    int getChooserIndex() const;
    void setChooserPage(int page);
    void setupChooserPage();
    // 0 zeroes every mark; 1..95 sets that spot's mark; anything larger is ignored.
    void setHoverMark(int spot, uint8_t value) { m_layout.setHoverMark(spot, value); }
    uint8_t getHoverMark(int spot) const { return m_layout.getHoverMark(spot); }
    // Also writes the cursor position into the status bar when a host is set.
    void setCursor(int x, int y);
    BMPoint getCursor() const;
    // x = -1: every column; y = -1: every row. Mask 0 zeroes the whole mark word.
    void setCellMark(int x, int y, uint32_t mask, bool on);
    uint32_t getCellMark(int index) const;
    // The hex brush of free-hand strokes in direct mouse mode, 0..3 (held in that range); the
    // status bar shows it beside the cursor.
    int getBrushRadius() const;
    void setBrushRadius(int radius);
    void resetState();
    // The windowless engine holding the editing state (for the renderer and the tests).
    BMEditor& getEditor() const { return *m_editor; }
    BMMiniMap& getMiniMap() const { return *m_miniMap; }

    // Zoom. The scroll position stays as it is: the caller moves it (see BMZoom).
    const BMZoom& getZoom() const { return m_layout.getZoom(); }
    // False when the step stays as it was (already there, or beyond the last step).
    bool setZoomStep(int step);
    // How a pointer position picks a cell (see BMViewLayout).
    using CellPick = BMViewLayout::CellPick;
    static constexpr CellPick PICK_PRESS = BMViewLayout::PICK_PRESS;
    static constexpr CellPick PICK_DRAG = BMViewLayout::PICK_DRAG;
    BMPoint cellAt(int px, int py, CellPick pick) const { return m_layout.cellAt(px, py, pick); }
    BMPoint scrollShowing(int x, int y) const { return m_layout.scrollShowing(x, y); }

    // Pointer input, in view pixels; each returns whether the event was used. keys are the
    // mouse message's MK_ flags: with MK_SHIFT the fill shape takes every cell of the value,
    // map-wide; with KEY_ALT (Alt held, which the flags do not carry) a press on the map is
    // the eyedropper's and a drag does nothing.
    static constexpr uint32_t KEY_ALT = 0x10000;
    bool pressLeft(int px, int py, uint32_t keys = 0);
    // The eyedropper on map cell (x, y): its value in the edit mode's layer becomes the
    // current value, the palette and chooser show it and the status bar tells it. No undo
    // step; false outside the map or without one.
    bool pickCell(int x, int y);
    // Only the hot-spot step of pressLeft (a double click repeats a panel command).
    bool pressHotSpot(int px, int py);
    bool pressRight(int px, int py);
    bool startDrag(int px, int py, uint32_t keys = 0);
    bool moveDrag(int px, int py, uint32_t keys = 0);
    bool endDrag(int px, int py);
    bool startPan();
    bool movePan(int dx, int dy);
    bool hover(int px, int py);
    // Command 0 asks the host to scroll to (x, y); kCommandScrollUp, -Down, -Right and -Left
    // a page.
    bool scrollBy(uint32_t command, int x, int y);

    // Editing.
    bool execSet(int mode);
    bool execReset();
    void selectAll();
    void selectNone();
    // Every cell of the cursor cell's value in the edit mode's layer, in place of the selection.
    void selectSameValue();
    // Draws again what a change made by the engine reports (the list of areas' commands), moves
    // the status text and the view with it, and asks for a paint.
    void show(const BMChange& change);
    void undo();
    void redo();
    void changeAreaSelection(uint32_t from, uint32_t to);
    // An edit of area number's record (see BMEditor::editArea), drawn where it shows.
    void editArea(uint32_t number, const ZDArea& record);
    std::string copySelection() const;
    // False when the text was refused as a whole (a line out of range or not a record);
    // nothing changed then, and getPasteError tells the user why (Shift-JIS).
    bool pasteSelection(const std::string& text);
    std::string getPasteError() const;
    // What the last change shown left out because the map file could not hold it; the status
    // bar has told it already.
    const BMLimitCut& getLastCut() const { return m_lastCut; }

    // A scenario just opened: an empty history and the border table the scenario names.
    void startScenario();
    // Border tracing.
    void reloadBorderFile();
    bool execSetBorder();

    // Drawing.
    void resetImageBuffer();
    void releaseImageBuffer();
    // (-1, -1) redraws the whole layer; a cell inside the map redraws only that cell.
    void drawNumberLayer(int x, int y);
    void drawGridLayer();
    void drawMarkOverlay();
    void drawAreaInfo();
    void drawPalette();
    void drawChooser();
    void drawDisplay(HGraphics* graphics);
    // Draws again what REDRAW_ bits name (REDRAW_TITLE: the host is told that what is shown
    // changed); cells, when given, are the only cells whose data changed (cell indices
    // y * 32 + x), so the map layers may redraw just those.
    void redrawLayers(uint32_t redraw, const std::vector<uint16_t>* cells = nullptr);
    // Asks the host to paint what the next frame changes.
    void repaint();

private:
    // Draws again what the change reports, moves the status text and the view with it, and
    // asks for a paint.
    void apply(const BMChange& change);
    // Writes the cursor position into the status bar.
    void showCursor();
    void showStatus(const std::string& text);
    // The mini-map's part under view pixel (px, py) while it is shown; its top left in at.
    int miniMapPart(int px, int py, BMPoint* at) const;
    // A press on the mini-map: its buttons, or the view centred on the map point pressed.
    void pressMiniMap(int part, int p, int q);
    // Centres the view on the map point under panel pixel (p, q) of the mini-map.
    void scrollToMiniMapPoint(int p, int q);

    BMViewHost* m_host = nullptr;  // not owned
    BMData* m_data = nullptr;               // not owned
    std::unique_ptr<BMEditor> m_editor;
    std::unique_ptr<BMRenderer> m_renderer;
    std::unique_ptr<BMMiniMap> m_miniMap;
    BMViewLayout m_layout;
    bool m_miniMapDrag = false;  // a left drag that began on the mini-map's picture
    BMPoint m_anchor = {-1, -1};  // the drag's anchor cell; x = -1 while no drag runs
    BMPoint m_panOrigin = {0, 0};  // the scroll bars' positions when a pan began
    int m_chooserPage = 1;
    int m_chooserPageCount = 1;
    int m_chooserIndex = 0;
    BMLimitCut m_lastCut;
};
