#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/model/BMConstants.h"
#include "editor/shell/BMComponentId.h"
#include "editor/shell/BMScrollBars.h"
#include "editor/view/BMViewHost.h"
#include "framework/base/HFile.h"
#include "framework/gui/HApplication.h"
#include "framework/gui/HWindow.h"

class BMCommandTable;
class BMDisplay;
class BMListeners;
class BMMusicPreview;
class BMOverviewWindow;
class BMProblemsWindow;
class BMRecentMenu;
class BMSession;
class BMStartPanel;
class HEventListener;
class HFont;
class HGraphics;
class HImageView;
class HMIDIPlayer;
class HMenuBar;
class HStatusBar;
class ZCExMenu;

// The editor's one top-level window: the map view with its two scroll bars, the status bar,
// a MIDI player, the menu bar with every menu item and its accelerator, the menu of the installed game's
// scenarios, the input listeners and the display that draws and edits the map. It is the
// display's host: the display tells it what to show through BMViewHost.
class BMWindow : public HWindow, public BMViewHost {
public:
    // What the editor starts the application services with: COM (the folder dialog) but not
    // Direct3D. Frames go through GDI (see paintMapView), and starting Direct3D under Wine
    // takes half a second or more, most of the time the editor needs to show its first map.
    static constexpr uint32_t APPLICATION_FLAGS = HApplication::FLAG_COM;

    // Ids of the children and of the redraw timer (BMComponentId); the menus' and the
    // scenario menu's are commands (BMCommandId).
    static constexpr uint32_t ID_MENU_BAR = kComponentMenuBar;
    static constexpr uint32_t ID_MAP_VIEW = kComponentMapView;
    static constexpr uint32_t ID_VERTICAL_BAR = kComponentVerticalBar;
    static constexpr uint32_t ID_HORIZONTAL_BAR = kComponentHorizontalBar;
    static constexpr uint32_t ID_STATUS_BAR = kComponentStatusBar;
    static constexpr uint32_t ID_PLAYER = kComponentPlayer;
    static constexpr uint32_t ID_REDRAW_TIMER = kTimerRedraw;
    static constexpr uint32_t ID_FILE_MENU = kCommandFileMenu;
    static constexpr uint32_t ID_SCENARIO_MENU = kCommandScenarioMenu;

    // The whole canvas the scroll bars cover at 100 %, in pixels (at other zoom steps the
    // map's part of it scales), and the fixed sizes of the layout.
    static constexpr int CANVAS_WIDTH = 1296;
    static constexpr int CANVAS_HEIGHT = 1200;
    static constexpr int STATUS_BAR_HEIGHT = 20;
    static constexpr int SCROLL_LINE = BMScrollBars::LINE;

    // Builds every child, menu item and accelerator; no native window yet.
    BMWindow();
    ~BMWindow() override;

    // The native window and its children, then the display and the listeners; the start
    // folder, if one was given, is opened as soon as the message loop runs.
    void create() override;
    // One frame through the device: begin, the display's drawing, end.
    void draw(HGraphics* graphics) override;
    // Nothing: the window's own client area is covered by its children, and the map view
    // paints its frame itself (paintMapView).
    void paint() override;
    // Fits the map view, the scroll bars and the display to the client area; the map images
    // come back 500 ms after the last size change.
    void layout() override;
    // Fits the map view and the scroll bars to the client area and the zoomed canvas, and
    // limits the display's scroll position to the bars' range; the images stay. False without
    // a client area.
    bool arrange();
    // The canvas the scroll bars cover at the display's zoom; none while the start panel
    // shows.
    BMPoint getCanvasSize() const;
    // Asks the map view for a frame (the only part of the window that the display draws),
    // stops the music of a map that is no longer shown, and fits the scroll bars again when
    // a map came or went.
    void repaint() override;

    // The display's host: the status bar, the title, the map view's paints, the scroll bars
    // and the commands.
    void showStatus(const std::string& text) override;
    // The title names the scenario folder and says whether it was modified.
    void shownChanged() override;
    // Without the map view's window the whole window paints (repaint).
    void invalidate(const BMRegion& area) override;
    void repaintAll() override { repaint(); }
    BMPoint getScrollBars() const override;
    void scrollTo(int x, int y) override;
    void scrollPage(bool horizontal, bool forward) override;
    void runCommand(uint32_t command) override;
    // The problems list follows every change of the data.
    void dataChanged(const BMChange& change) override;

    // The display, or nullptr before the native window exists.
    BMDisplay* getDisplay() const;
    const ZCExMenu& getScenarioMenu() const { return *m_scenarioMenu; }
    HImageView* getMapView() const { return m_mapView.get(); }
    HStatusBar* getStatusBar() const { return m_statusBar.get(); }
    BMListeners* getListeners() const { return m_listeners.get(); }
    BMMusicPreview& getMusicPreview() const { return *m_musicPreview; }
    // The overview window, made on first use (not shown until asked).
    BMOverviewWindow& getOverview();
    BMProblemsWindow& getProblemsWindow() const { return *m_problemsWindow; }
    // The menus' items and their enabled and checked state.
    BMCommandTable& getCommands() const { return *m_commands; }

    // What the editor remembers between runs; by default nothing (a session without a
    // file). Set before the window is made.
    void setSession(std::unique_ptr<BMSession> session);
    BMSession& getSession() const { return *m_session; }
    // The File menu's recent items; they exist with the native window.
    BMRecentMenu& getRecentMenu() const { return *m_recentMenu; }
    // The recent list changed: the File menu and the start panel follow.
    void sessionChanged();
    // The game's folder was chosen: the scenario menu and the start panel list its scenarios.
    void gameFolderChanged();

    // A scenario folder to open as soon as the window exists (the program's argument).
    void setStartFolder(const HFile& folder) { m_startFolder = folder; }
    // Opens the start folder; the message loop's first work.
    void openStartFolder();
    // While no scenario is open (and none is about to open at start) the view shows the start
    // panel; a left press on one of its rows sends the row's command, a pointer move marks
    // the row under it. Both answer whether the panel is shown.
    bool showsStartPanel() const;
    bool pressStartPanel(int px, int py);
    bool hoverStartPanel(int px, int py);
    const BMStartPanel& getStartPanel() const { return *m_startPanel; }
    // Draws one frame into the map view, in place of the view's own picture, through the
    // view's GDI device. Direct3D cannot show a frame here: under Wine a Direct3D device
    // presents visibly only into a top-level window without children, and once a device is
    // made for a child window, not even GDI output reaches the screen there any more.
    void paintMapView();

private:
    // The start panel's rows of the installed scenarios, from the scenario menu.
    void listInstalledScenarios();

    std::unique_ptr<ZCExMenu> m_scenarioMenu;
    std::unique_ptr<BMListeners> m_listeners;
    std::unique_ptr<BMDisplay> m_display;
    std::unique_ptr<HFont> m_font;
    std::unique_ptr<HImageView> m_mapView;
    std::unique_ptr<BMScrollBars> m_scrollBars;
    std::unique_ptr<HStatusBar> m_statusBar;
    // Created and deleted with the window; the music preview plays through it.
    std::unique_ptr<HMIDIPlayer> m_player;
    std::unique_ptr<HMenuBar> m_menuBar;
    std::unique_ptr<BMCommandTable> m_commands;  // the menu items
    std::unique_ptr<HEventListener> m_mapViewPaint;
    std::unique_ptr<HEventListener> m_startFolderOpener;
    std::unique_ptr<BMMusicPreview> m_musicPreview;
    std::unique_ptr<BMOverviewWindow> m_overview;  // made on first use
    std::unique_ptr<BMStartPanel> m_startPanel;
    std::unique_ptr<BMProblemsWindow> m_problemsWindow;
    std::unique_ptr<BMSession> m_session;
    std::unique_ptr<BMRecentMenu> m_recentMenu;
    std::unique_ptr<HEventListener> m_sessionKeeper;
    std::unique_ptr<HEventListener> m_menuHighlight;
    bool m_startFolderPending = false;
    BMPoint m_arrangedCanvas = {-1, -1};  // the canvas the bars were last fitted to
    HFile m_startFolder;
};
