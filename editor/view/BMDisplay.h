#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/model/BMConstants.h"
#include "editor/model/BMMapLimits.h"
#include "editor/view/BMChooserPages.h"
#include "editor/view/BMHotSpots.h"
#include "editor/view/BMViewLayout.h"
#include "editor/view/BMZoom.h"
#include "framework/base/HObject.h"

struct BMChange;
class BMData;
class BMEditor;
class BMMiniMap;
class BMRenderer;
class BMViewHost;

// The one object that shows the current battle map and holds every piece of editing state
// that is not map data. The main window creates it, gives it its host and the editor data,
// tells it the view size and scroll position, and asks it to draw on every paint; the command
// operations and the input listeners call the rest.
//
// The work is shared out: the windowless editing engine (BMEditor: modes, current values,
// cursor, marks, undo, shapes, border tracing, clipboard text), the view's layout (BMViewLayout:
// view flags, zoom, hit tests, hover marks), the chooser's pages (BMChooserPages) and the
// drawing (BMRenderer: layer images, panels, glyph sheet, frame composition); callers talk to
// them directly. This class turns pointer input into engine calls and hot-spot commands, and
// shows every change: it asks the renderer to draw what the change touched, tells the status
// and scrolls the view.
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
    void setScroll(int x, int y);
    // Where things are in the view and what a view pixel points at, the view flags, the hover
    // marks and the zoom; the view size, scroll and zoom step are set through the display,
    // which keeps the editor's view position with them.
    const BMViewLayout& getLayout() const { return m_layout; }
    BMViewLayout& getLayout() { return m_layout; }

    // State (the command operations).
    void setEditMode(int mode);
    // The chooser's page and entry; turning or opening a page clears the hover marks.
    const BMChooserPages& getChooser() const { return m_chooser; }
    void setChooserPage(int page);
    // Opens the list the view flags choose on the page of the current map or value.
    void setupChooserPage();
    // Also writes the cursor position into the status bar when a host is set.
    void setCursor(int x, int y);
    // The hex brush of free-hand strokes in direct mouse mode, 0..3 (held in that range); the
    // status bar shows it beside the cursor.
    void setBrushRadius(int radius);
    void resetState();
    // The windowless engine holding the editing state: values, modes, marks, edits and undo.
    // Its edits return the change to show (show).
    BMEditor& getEditor() const { return *m_editor; }
    BMMiniMap& getMiniMap() const { return *m_miniMap; }

    // Zoom. The scroll position stays as it is: the caller moves it (see BMZoom).
    // False when the step stays as it was (already there, or beyond the last step).
    bool setZoomStep(int step);

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
    // Draws again what a change made by the engine reports (the list of areas' commands), moves
    // the status text and the view with it, and asks for a paint.
    void show(const BMChange& change);
    // False when the text was refused as a whole (a line out of range or not a record);
    // nothing changed then, and the editor's getPasteError tells the user why (Shift-JIS).
    bool pasteSelection(const std::string& text);
    // What the last change shown left out because the map file could not hold it; the status
    // bar has told it already.
    const BMLimitCut& getLastCut() const { return m_lastCut; }

    // A scenario just opened: an empty history and the border table the scenario names.
    void startScenario();

    // Drawing: the renderer draws the layers, panels and frames.
    BMRenderer& getRenderer() const { return *m_renderer; }
    // Draws again what REDRAW_ bits name (REDRAW_TITLE: the host is told that what is shown
    // changed); cells, when given, are the only cells whose data changed (cell indices
    // y * 32 + x), so the map layers may redraw just those.
    void redrawLayers(uint32_t redraw, const std::vector<uint16_t>* cells = nullptr);
    // Asks the host to paint what the next frame changes.
    void repaint();

private:
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
    BMChooserPages m_chooser;
    BMLimitCut m_lastCut;
};
