#include "editor/shell/BMWindow.h"

#include "editor/model/BMChange.h"
#include "editor/model/BMConstants.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/shell/BMCommandTable.h"
#include "editor/shell/BMListeners.h"
#include "editor/shell/BMMusicPreview.h"
#include "editor/shell/BMOverviewWindow.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMProblemsWindow.h"
#include "editor/shell/BMRecentMenu.h"
#include "editor/shell/BMRecovery.h"
#include "editor/shell/BMScrollBars.h"
#include "editor/shell/BMSession.h"
#include "editor/shell/BMScroll.h"
#include "editor/shell/BMTimer.h"
#include "editor/shell/BMWheel.h"
#include "editor/shell/BMZoomer.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMCanvas.h"
#include "editor/view/BMRenderer.h"
#include "editor/view/BMStartPanel.h"
#include "framework/graphics/HFont.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HGraphicsFactory.h"
#include "framework/gui/HEventListener.h"
#include "framework/gui/HImageView.h"
#include "framework/gui/HMenuBar.h"
#include "framework/gui/HMenuItem.h"
#include "framework/gui/HStatusBar.h"
#include "framework/midi/HMIDIPlayer.h"
#include "scenario/ZCClose.h"
#include "scenario/ZCCommand.h"
#include "scenario/ZCExMenu.h"
#include "scenario/ZDAreaMapData.h"

namespace {

// The map view's paint, taken before the view's own: the view would otherwise paint its
// plain picture over the frame the display draws there.
class MapViewPaint : public HEventListener {
public:
    explicit MapViewPaint(BMWindow* window)
        : HEventListener(HEventType::WM_PAINT_TYPE), m_window(window)
    {
        setClassName("MapViewPaint");
    }
    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override
    {
        HEventListener::handleEvent(window, message, wParam, lParam, component, result);
        if (m_window->getDisplay() == nullptr) {
            return true;
        }
        m_window->paintMapView();
        *result = 0;
        return false;
    }

private:
    BMWindow* m_window;  // not owned
};

const char* const kModified = " (更新)";

// Opens the start folder once the message loop runs: the window is on screen by then, so a
// message box about a folder that cannot be read has a window to stand on.
const UINT kOpenStartFolder = WM_APP + 1;

class StartFolderOpener : public HEventListener {
public:
    explicit StartFolderOpener(BMWindow* window)
        : HEventListener(HEventType(kOpenStartFolder, "OPEN_START_FOLDER")), m_window(window)
    {
        setClassName("StartFolderOpener");
    }
    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override
    {
        HEventListener::handleEvent(window, message, wParam, lParam, component, result);
        m_window->openStartFolder();
        *result = 0;
        return true;
    }

private:
    BMWindow* m_window;  // not owned
};

// Keeps what the editor remembers as the window goes, while its place can still be read.
class SessionKeeper : public HEventListener {
public:
    explicit SessionKeeper(BMWindow* window)
        : HEventListener(HEventType::WM_DESTROY_TYPE), m_window(window)
    {
        setClassName("SessionKeeper");
    }
    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override
    {
        HEventListener::handleEvent(window, message, wParam, lParam, component, result);
        m_window->getSession().keep(m_window);
        return true;  // the quit that follows is the next listener's
    }

private:
    BMWindow* m_window;  // not owned
};

// A recent scenario's item, highlighted, shows its whole folder in the status bar.
class MenuHighlight : public HEventListener {
public:
    explicit MenuHighlight(BMWindow* window)
        : HEventListener(HEventType::WM_MENUSELECT_TYPE), m_window(window)
    {
        setClassName("MenuHighlight");
    }
    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override
    {
        HEventListener::handleEvent(window, message, wParam, lParam, component, result);
        const std::string folder = m_window->getRecentMenu().folderOf(LOWORD(wParam));
        if (!folder.empty() && (HIWORD(wParam) & MF_POPUP) == 0) {
            m_window->showStatus(folder);
        }
        return true;
    }

private:
    BMWindow* m_window;  // not owned
};

}  // namespace

BMWindow::BMWindow()
{
    HObject::setClassName("BMWindow");
    setClassName("BMWindow");
    setText(std::string(APPLICATION_NAME) + " " + APPLICATION_VERSION);
    setBounds(0, 0, 640, 480);
    setResizable(true);
    moveCenter();
    m_font.reset(new HFont("ＭＳ ゴシック", HFont::STYLE_PLAIN, 9));
    setFont(m_font.get());

    m_mapView.reset(new HImageView(this, ID_MAP_VIEW, ""));
    m_scrollBars.reset(new BMScrollBars(this, ID_VERTICAL_BAR, ID_HORIZONTAL_BAR));
    m_statusBar.reset(new HStatusBar(this, ID_STATUS_BAR, "開始", false, true));
    m_mapView->setBounds(0, 0, 600, 400);
    m_mapView->setBackground(HColor::WHITE);
    m_mapView->setFocusable(true);
    m_mapView->setImageSize(1040, 1024);
    m_mapViewPaint.reset(new MapViewPaint(this));
    m_mapView->addEventListener(m_mapViewPaint.get());
    m_startFolderOpener.reset(new StartFolderOpener(this));
    addEventListener(m_startFolderOpener.get());

    m_player.reset(new HMIDIPlayer(this, ID_PLAYER, ""));
    m_musicPreview.reset(new BMMusicPreview(m_player.get(), m_statusBar.get()));
    m_menuBar.reset(new HMenuBar(this, ID_MENU_BAR, ""));
    m_commands.reset(new BMCommandTable(m_menuBar.get()));
    m_scenarioMenu.reset(new ZCExMenu());
    m_scenarioMenu->create(m_commands->getItem(kCommandFileMenu), kCommandScenarioMenu);
    for (const ACCEL& key : BMCommandTable::accelerators()) {
        addAccelerator(key.fVirt, key.key, key.cmd);
    }
    m_startPanel.reset(new BMStartPanel());
    m_problemsWindow.reset(new BMProblemsWindow(this));
    listInstalledScenarios();
    m_session.reset(new BMSession(HFile(), false));
    m_sessionKeeper.reset(new SessionKeeper(this));
    m_menuHighlight.reset(new MenuHighlight(this));
    addEventListener(m_menuHighlight.get());
}

void BMWindow::listInstalledScenarios()
{
    std::vector<BMStartPanel::Row> scenarios;
    for (uint32_t id = kCommandScenarioMenu + 1; !m_scenarioMenu->getPath(id).empty(); ++id) {
        scenarios.push_back({HFile(m_scenarioMenu->getPath(id)).getName(), id});
    }
    m_startPanel->setScenarios(scenarios);
    if (scenarios.empty()) {
        m_startPanel->setSearchNotes(ZDAreaMapData::findGame().describe());
    }
}

void BMWindow::setSession(std::unique_ptr<BMSession> session)
{
    m_session = std::move(session);
}

void BMWindow::sessionChanged()
{
    if (m_recentMenu == nullptr) {
        return;
    }
    const BMRecentList& recent = m_session->settings().recent;
    m_recentMenu->offerGameChoice(ZDAreaMapData::getGameDirectory().isEmpty());
    m_recentMenu->show(recent);
    std::vector<BMStartPanel::Row> rows;
    for (size_t i = 0; i < recent.entries().size(); ++i) {
        const BMRecentScenario& entry = recent.entries()[i];
        rows.push_back({HFile(entry.folder).getName(),
                        static_cast<uint32_t>(kCommandRecentScenario + i),
                        std::to_string(entry.maps) + "マップ  " + entry.opened});
    }
    m_startPanel->setRecent(rows);
    repaint();
}

void BMWindow::gameFolderChanged()
{
    m_scenarioMenu.reset(new ZCExMenu());
    m_scenarioMenu->create(m_commands->getItem(kCommandFileMenu), kCommandScenarioMenu);
    for (uint32_t id = kCommandScenarioMenu; m_scenarioMenu->getItem(id) != nullptr; ++id) {
        m_scenarioMenu->getItem(id)->create();
    }
    listInstalledScenarios();
    sessionChanged();
}

// Members go in reverse order: the menu items, the player, the controls, the listeners, the
// display and the scenario menu, then the window itself.
BMWindow::~BMWindow() = default;

BMOverviewWindow& BMWindow::getOverview()
{
    if (m_overview == nullptr) {
        m_overview.reset(new BMOverviewWindow([this](uint32_t number) { BMOperations::openMap(this, number); },
                                              [this] { BMOperations::saveOverview(this); }));
    }
    return *m_overview;
}

void BMWindow::create()
{
    HWindow::create();
    m_listeners.reset();
    m_display.reset();
    setUserData(0);
    if (getHandle() == nullptr) {
        return;
    }
    m_display.reset(new BMDisplay());
    m_display->setHost(this);
    m_display->setData(getHandle() != nullptr);
    setUserData(reinterpret_cast<intptr_t>(m_display.get()));

    m_listeners.reset(new BMListeners(this));
    addEventListener(m_listeners->getCommand());
    addEventListener(m_listeners->getClose());
    addEventListener(m_listeners->getTimer());
    addEventListener(m_listeners->getVerticalScroll());
    addEventListener(m_listeners->getHorizontalScroll());
    addEventListener(m_listeners->getWheel());
    addEventListener(m_listeners->getRecovery());
    // Keeps the settings as the window goes; the loop ends only after that message.
    removeEventListener(m_sessionKeeper.get());
    addEventListener(m_sessionKeeper.get());
    // Last, and once, also when the window is made again.
    removeEventListener(getDefaultPaintListener());
    addEventListener(getDefaultPaintListener());
    HMenuItem* fileMenu = m_commands->getItem(kCommandFileMenu);
    m_recentMenu.reset(new BMRecentMenu(fileMenu != nullptr ? fileMenu->getPopupHandle() : nullptr));
    m_session->restore(this);
    sessionChanged();

    // The display takes its view size from here; the window was laid out before it existed.
    layout();
    BMZoomer::showStep(this);
    m_startFolderPending = !m_startFolder.isEmpty();
    if (m_startFolderPending) {
        PostMessageA(getHandle(), kOpenStartFolder, 0, 0);
    }
}

void BMWindow::openStartFolder()
{
    m_startFolderPending = false;
    if (!BMOperations::openScenario(this, m_startFolder, "OP2101", "フォルダを開く")) {
        repaint();  // the start panel, in place of the map that did not come
    }
}

bool BMWindow::showsStartPanel() const
{
    BMDisplay* display = getDisplay();
    return display != nullptr && !display->getEditor().hasMap() && !m_startFolderPending;
}

bool BMWindow::pressStartPanel(int px, int py)
{
    if (!showsStartPanel()) {
        return false;
    }
    uint32_t command = m_startPanel->commandAt(px, py);
    if (command != 0) {
        SendMessageA(getHandle(), WM_COMMAND, command, 0);
    }
    return true;
}

bool BMWindow::hoverStartPanel(int px, int py)
{
    if (!showsStartPanel()) {
        return false;
    }
    if (m_startPanel->hover(px, py)) {
        repaint();
    }
    return true;
}

BMDisplay* BMWindow::getDisplay() const
{
    return reinterpret_cast<BMDisplay*>(getUserData());
}

void BMWindow::draw(HGraphics* graphics)
{
    if (graphics == nullptr) {
        return;
    }
    graphics->begin();
    BMDisplay* display = getDisplay();
    if (display != nullptr) {
        display->getRenderer().drawDisplay(graphics);
    }
    if (showsStartPanel()) {
        m_startPanel->draw(graphics);
    }
    graphics->end();
}

void BMWindow::paintMapView()
{
    HGraphics* gdi = HGraphicsFactory::getInstance(m_mapView.get(), HGraphics::TYPE_GDI);
    if (gdi == nullptr) {
        ValidateRect(m_mapView->getHandle(), nullptr);  // nothing to paint with: no paint again
        return;
    }
    m_mapView->setGraphics(gdi);  // released with the view's window
    draw(gdi);
}

void BMWindow::paint()
{
}

void BMWindow::repaint()
{
    // Every change of the map or scenario on show ends with a repaint.
    m_musicPreview->follow(BMData::getInstance(false));
    const BMPoint canvas = getCanvasSize();
    if (canvas.x != m_arrangedCanvas.x || canvas.y != m_arrangedCanvas.y) {
        arrange();
    }
    if (m_mapView->getHandle() != nullptr) {
        InvalidateRect(m_mapView->getHandle(), nullptr, FALSE);
    }
    if (m_overview != nullptr) {
        m_overview->follow();
    }
}

void BMWindow::layout()
{
    if (!arrange()) {
        return;
    }
    BMDisplay* display = getDisplay();
    if (display != nullptr) {
        display->getRenderer().releaseImageBuffer();
    }
    // The container's own handling (the children fit themselves), then the map images again
    // once the size has settled.
    HWindow::layout();
    if (m_listeners != nullptr) {
        m_listeners->startRedrawTimer();
    }
}

BMPoint BMWindow::getCanvasSize() const
{
    BMDisplay* display = getDisplay();
    if (display == nullptr) {
        return {CANVAS_WIDTH, CANVAS_HEIGHT};
    }
    if (showsStartPanel()) {
        return {0, 0};  // nothing to scroll to
    }
    const BMZoom& zoom = display->getLayout().getZoom();
    return {zoom.getPictureWidth() + CANVAS_WIDTH - LAYER_WIDTH,
            zoom.getPictureHeight() + CANVAS_HEIGHT - LAYER_HEIGHT};
}

bool BMWindow::arrange()
{
    RECT client = {0, 0, 0, 0};
    if (getHandle() == nullptr || !GetClientRect(getHandle(), &client)) {
        return false;
    }
    const BMPoint canvas = getCanvasSize();
    m_arrangedCanvas = canvas;
    const BMPoint view = m_scrollBars->place(client.right - client.left,
                                             client.bottom - client.top, STATUS_BAR_HEIGHT, canvas);
    m_mapView->setBounds(0, 0, view.x, view.y);
    BMDisplay* display = getDisplay();
    const BMPoint scroll = m_scrollBars->cover(
        canvas, view, display != nullptr ? display->getLayout().getScroll() : BMPoint{0, 0});
    if (display != nullptr) {
        display->setScroll(scroll.x, scroll.y);
        display->setViewSize(view.x, view.y);
    }
    m_startPanel->setViewSize(view.x, view.y);
    return true;
}

void BMWindow::showStatus(const std::string& text)
{
    m_statusBar->setWindowText(text);
}

void BMWindow::shownChanged()
{
    m_problemsWindow->follow(BMChange());  // another scenario is checked whole
    const BMData* data = getDisplay() != nullptr ? getDisplay()->getData() : nullptr;
    HFile folder = data != nullptr ? data->getScenarioDirectory() : HFile();
    std::string title;
    if (folder.isEmpty()) {
        title = std::string(APPLICATION_NAME) + " " + APPLICATION_VERSION;
    } else {
        title = folder.getFullPath();
        if (data->isModified()) {
            title += kModified;
        }
        title += std::string(" - ") + APPLICATION_NAME;
    }
    if (getText() != title) {  // every edit asks
        setText(title);
        setWindowText(title);
    }
}

void BMWindow::invalidate(const BMRegion& area)
{
    if (m_mapView->getHandle() == nullptr) {
        repaint();
        return;
    }
    for (int i = 0; i < area.size(); ++i) {
        const RECT rect = {area[i].left, area[i].top, area[i].right, area[i].bottom};
        InvalidateRect(m_mapView->getHandle(), &rect, FALSE);
    }
    if (m_overview != nullptr) {
        m_overview->follow();
    }
}

BMPoint BMWindow::getScrollBars() const
{
    return m_scrollBars->getPositions();
}

void BMWindow::scrollTo(int x, int y)
{
    m_scrollBars->scrollTo(x, y);
}

void BMWindow::scrollPage(bool horizontal, bool forward)
{
    m_scrollBars->scrollPage(horizontal, forward);
}

void BMWindow::dataChanged(const BMChange& change)
{
    m_problemsWindow->follow(change);
}

void BMWindow::runCommand(uint32_t command)
{
    if (getHandle() != nullptr) {
        SendMessageA(getHandle(), WM_COMMAND, command, 0);
    }
}
