#include "editor/shell/BMWindow.h"

#include <algorithm>

#include "editor/model/BMConstants.h"
#include "editor/model/BMData.h"
#include "editor/shell/BMListeners.h"
#include "editor/shell/BMMusicPreview.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMRecovery.h"
#include "editor/shell/BMScroll.h"
#include "editor/shell/BMTimer.h"
#include "editor/shell/BMWheel.h"
#include "editor/shell/BMZoomer.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMCanvas.h"
#include "editor/view/BMStartPanel.h"
#include "framework/graphics/HFont.h"
#include "framework/graphics/HGraphics.h"
#include "framework/gui/HEventListener.h"
#include "framework/gui/HImageView.h"
#include "framework/gui/HMenuBar.h"
#include "framework/gui/HMenuItem.h"
#include "framework/gui/HScrollBar.h"
#include "framework/gui/HStatusBar.h"
#include "framework/midi/HMIDIPlayer.h"
#include "scenario/ZCClose.h"
#include "scenario/ZCCommand.h"
#include "scenario/ZCExMenu.h"

namespace {

// Accelerator flags: every entry is a virtual key that does not flash the menu.
const uint8_t kKey = FVIRTKEY | FNOINVERT;
const uint8_t kShift = kKey | FSHIFT;
const uint8_t kCtrl = kKey | FCONTROL;
const uint8_t kCtrlShift = kCtrl | FSHIFT;
const uint8_t kAlt = kKey | FALT;
const uint8_t kAltShift = kAlt | FSHIFT;

struct MenuRow {
    uint16_t parent;  // 0: the menu bar
    uint16_t id;
    const char* label;
    const char* keyText;  // shown after a tab; "" for none
    bool enabled;
    bool checked;
    uint8_t flags;  // 0: no accelerator
    uint16_t key;
};

// Every menu and item in creation order. The shown key text of each item names the key that
// is bound to it, and each label says what the item does.
const MenuRow kMenu[] = {
    {0, 2100, "ﾌｧｲﾙ(&F)", "", true, false, 0, 0},
    {2100, 2101, "開く(&O)", "Ctrl+O", true, false, kCtrl, 'O'},
    {2100, 2102, "再読込(&R)", "F5", true, false, kKey, VK_F5},
    {2100, 2103, "上書き保存(&S)", "Ctrl+S", true, false, kCtrl, 'S'},
    {2100, 2104, "名前をつけて保存(&K)", "Shift+Ctrl+S", true, false, kCtrlShift, 'S'},
    {2100, 2105, "-", "", true, false, 0, 0},
    {2100, 2106, "終了(&X)", "Ctrl+Q", true, false, kCtrl, 'Q'},

    {0, 2150, "編集(&E)", "", true, false, 0, 0},
    {2150, 2151, "元に戻す(&U)", "Ctrl+Z", true, false, kCtrl, 'Z'},
    {2150, 2152, "やり直し(&R)", "Ctrl+Y", true, false, kCtrl, 'Y'},
    {2150, 2153, "-", "", true, false, 0, 0},
    {2150, 2154, "セット(&S)", "Space", true, false, kKey, VK_SPACE},
    {2150, 2155, "キャンセル(&B)", "BackSpace", false, false, kKey, VK_BACK},
    {2150, 2156, "クリア(&L)", "Delete", true, false, kKey, VK_DELETE},
    {2150, 2157, "リセット(&R)", "Ctrl+R", true, false, kCtrl, 'R'},
    {2150, 2158, "コピー(&C)", "Ctrl+C", true, false, kCtrl, 'C'},
    {2150, 2159, "貼り付け(&P)", "Ctrl+V", true, false, kCtrl, 'V'},
    {2150, 2160, "-", "", true, false, 0, 0},
    {2150, 2161, "CHARをセット(&1)", "C", true, false, kKey, 'C'},
    {2150, 2165, "CHARをクリア(&2)", "Shift+C", true, false, kShift, 'C'},
    {2150, 2162, "OBJをセット(&3)", "D", true, false, kKey, 'D'},
    {2150, 2166, "OBJをクリア(&4)", "Shift+D", true, false, kShift, 'D'},
    {2150, 2163, "高度をセット(&5)", "E", true, false, kKey, 'E'},
    {2150, 2167, "高度をクリア(&6)", "Shift+E", true, false, kShift, 'E'},
    {2150, 2164, "初期配置をセット(&7)", "F", true, false, kKey, 'F'},
    {2150, 2168, "初期配置をクリア(&8)", "Shift+F", true, false, kShift, 'F'},
    {2150, 2169, "全部クリア(&E)", "Ctrl+D", true, false, kCtrl, 'D'},

    // The zoom keys are the keypad's + and -; kExtraKeys adds the main keyboard's. The
    // steps' items carry the check mark of the step shown.
    {0, 2200, "表示(&V)", "", true, false, 0, 0},
    {2200, 2201, "拡大(&I)", "+", true, false, kKey, VK_ADD},
    {2200, 2202, "縮小(&U)", "-", true, false, kKey, VK_SUBTRACT},
    {2200, 2224, "25%(&1)", "", true, false, 0, 0},
    {2200, 2225, "50%(&2)", "", true, false, 0, 0},
    {2200, 2226, "100%(&3)", "", true, true, 0, 0},
    {2200, 2227, "200%(&4)", "", true, false, 0, 0},
    {2200, 2203, "-", "", true, false, 0, 0},
    {2200, 2204, "ｴﾘｱ情報(&A)", "Alt+1", true, true, kAlt, '1'},
    {2200, 2205, "ﾐﾆﾏｯﾌﾟ(&M)", "Alt+2", true, true, kAlt, '2'},
    {2200, 2206, "ﾊﾟﾚｯﾄ(&P)", "Alt+3", true, true, kAlt, '3'},
    {2200, 2207, "枠線(&B)", "Alt+4", true, true, kAlt, '4'},
    {2200, 2208, "CHAR(&B)", "Alt+Shift+5", true, true, kAltShift, '5'},
    {2200, 2209, "OBJ(&B)", "Alt+Shift+6", true, true, kAltShift, '6'},
    {2200, 2210, "CHAR番号(&C)", "Alt+5", true, false, kAlt, '5'},
    {2200, 2211, "OBJ番号(&O)", "Alt+6", true, false, kAlt, '6'},
    {2200, 2214, "OBJ順序(&I)", "Alt+9", true, true, kAlt, '9'},
    {2200, 2212, "高度(&H)", "Alt+7", true, true, kAlt, '7'},
    {2200, 2213, "初期配置(&J)", "Alt+8", true, true, kAlt, '8'},

    // 2253 and 2257 go left, 2254 and 2258 right.
    {0, 2250, "移動(&M)", "", true, false, 0, 0},
    {2250, 2251, "カーソル↑(&A)", "↑", true, false, kKey, VK_UP},
    {2250, 2252, "カーソル↓(&B)", "↓", true, false, kKey, VK_DOWN},
    {2250, 2253, "カーソル←(&C)", "←", true, false, kKey, VK_LEFT},
    {2250, 2254, "カーソル→(&D)", "→", true, false, kKey, VK_RIGHT},
    {2250, 2255, "上端へ移動(&E)", "Ctrl+↑", true, false, kCtrl, VK_UP},
    {2250, 2256, "下端へ移動(&F)", "Ctrl+↓", true, false, kCtrl, VK_DOWN},
    {2250, 2257, "左端へ移動(&G)", "Ctrl+←", true, false, kCtrl, VK_LEFT},
    {2250, 2258, "右端へ移動(&H)", "Ctrl+→", true, false, kCtrl, VK_RIGHT},
    {2250, 2259, "左上の端へ(&I)", "Home", true, false, kKey, VK_HOME},
    {2250, 2260, "右下の端へ(&J)", "End", true, false, kKey, VK_END},
    {2250, 2261, "-", "", true, false, 0, 0},
    {2250, 2262, "上へｽｸﾛｰﾙ(&1)", "PageUp", true, false, kKey, VK_PRIOR},
    {2250, 2263, "下へｽｸﾛｰﾙ(&2)", "PageDown", true, false, kKey, VK_NEXT},
    {2250, 2264, "右へｽｸﾛｰﾙ(&3)", "Shift+PageDown", true, false, kShift, VK_NEXT},
    {2250, 2265, "左へｽｸﾛｰﾙ(&4)", "Shift+PageUp", true, false, kShift, VK_PRIOR},

    {0, 2300, "選択(&S)", "", true, false, 0, 0},
    {2300, 2301, "ﾏｳｽ入力ﾓｰﾄﾞ(&J)", "F6", true, false, kKey, VK_F6},
    {2300, 2302, "選択解除(&E)", "ESC", true, false, kKey, VK_ESCAPE},
    {2300, 2303, "全て選択(&A)", "Ctrl+A", true, false, kCtrl, 'A'},
    {2300, 2334, "同じ値を全て選択(&V)", "Shift+Ctrl+A", true, false, kCtrlShift, 'A'},
    {2300, 2304, "-", "", true, false, 0, 0},
    {2300, 2305, "ﾌﾘｰﾊﾝﾄﾞ(&F)", "Ctrl+F", true, true, kCtrl, 'F'},
    {2300, 2306, "直線(&L)", "Ctrl+L", true, false, kCtrl, 'L'},
    {2300, 2307, "四角形(&S)", "Ctrl+E", true, false, kCtrl, 'E'},
    {2300, 2308, "六角形(&H)", "Ctrl+H", true, false, kCtrl, 'H'},
    {2300, 2333, "塗りつぶし(&P)", "Ctrl+B", true, false, kCtrl, 'B'},
    {2300, 2309, "-", "", true, false, 0, 0},
    {2300, 2310, "CHARﾓｰﾄﾞ(&C)", "F2", true, true, kKey, VK_F2},
    {2300, 2311, "OBJﾓｰﾄﾞ(&O)", "F3", true, false, kKey, VK_F3},
    {2300, 2312, "高度ﾓｰﾄﾞ(&H)", "F4", true, false, kKey, VK_F4},
    {2300, 2313, "初期配置ﾓｰﾄﾞ(&J)", "F7", true, false, kKey, VK_F7},
    {2300, 2314, "境界ﾓｰﾄﾞ(&B)", "F8", true, false, kKey, VK_F8},
    {2300, 2315, "-", "", true, false, 0, 0},
    {2300, 2316, "次のCHAR(&1)", "U", true, false, kKey, 'U'},
    {2300, 2317, "前のCHAR(&2)", "Shift+U", true, false, kShift, 'U'},
    {2300, 2318, "次のOBJ(&3)", "O", true, false, kKey, 'O'},
    {2300, 2319, "前のOBJ(&4)", "Shift+O", true, false, kShift, 'O'},
    {2300, 2320, "１つ上の高度(&5)", "H", true, false, kKey, 'H'},
    {2300, 2321, "１つ下の高度(&6)", "Shift+H", true, false, kShift, 'H'},
    {2300, 2322, "次の初期配置(&7)", "I", true, false, kKey, 'I'},
    {2300, 2323, "前の初期配置(&8)", "Shift+I", true, false, kShift, 'I'},
    {2300, 2337, "-", "", true, false, 0, 0},
    {2300, 2335, "ブラシを大きく(&9)", "B", true, false, kKey, 'B'},
    {2300, 2336, "ブラシを小さく(&0)", "Shift+B", true, false, kShift, 'B'},

    {0, 2350, "ﾃﾞｰﾀ(&D)", "", true, false, 0, 0},
    {2350, 2351, "次のマップ(&N)", "Ctrl+PageDown", true, false, kCtrl, VK_NEXT},
    {2350, 2352, "前のマップ(&P)", "Ctrl+PageUp", true, false, kCtrl, VK_PRIOR},
    {2350, 2353, "最初のマップ(&T)", "Ctrl+Home", true, false, kCtrl, VK_HOME},
    {2350, 2354, "最後のマップ(&E)", "Ctrl+End", true, false, kCtrl, VK_END},
    {2350, 2355, "-", "", true, false, 0, 0},
    {2350, 2356, "マップ追加(&A)", "Shift+Ctrl+K", true, false, kCtrlShift, 'K'},
    {2350, 2357, "マップ削除(&D)", "Shift+Ctrl+D", true, false, kCtrlShift, 'D'},
    {2350, 2358, "マップ移動(&M)", "Shift+Ctrl+M", true, false, kCtrlShift, 'M'},
    {2350, 2359, "マップコピー(&C)", "Shift+Ctrl+C", true, false, kCtrlShift, 'C'},
    {2350, 2360, "マップ上書き(&P)", "Shift+Ctrl+V", true, false, kCtrlShift, 'V'},
    {2350, 2361, "マップ挿入(&I)", "Shift+Ctrl+I", true, false, kCtrlShift, 'I'},

    {0, 2400, "その他(&O)", "", true, false, 0, 0},
    {2400, 2401, "AreaData編集(&E)", "", true, false, 0, 0},
    {2400, 2402, "TikeiType編集(&T)", "", false, false, 0, 0},
    {2400, 2403, "MoveSkill編集(&M)", "", false, false, 0, 0},
    {2400, 2404, "-", "", true, false, 0, 0},
    {2400, 2405, "デリュージ(&D)", "", false, false, 0, 0},
    {2400, 2406, "ヴォルケーノ(&V)", "", false, false, 0, 0},
    {2400, 2407, "-", "", true, false, 0, 0},
    {2400, 2408, "ﾊﾞｰｼﾞｮﾝ情報(&A)", "", true, false, 0, 0},
};

// Keys bound besides the one of an item's row: the main keyboard's + (shifted, on US and
// Japanese layouts alike) and -.
struct ExtraKey {
    uint8_t flags;
    uint16_t key;
    uint16_t id;
};
const ExtraKey kExtraKeys[] = {
    {kShift, VK_OEM_PLUS, 2201},
    {kKey, VK_OEM_MINUS, 2202},
};

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
    m_verticalBar.reset(new HScrollBar(this, ID_VERTICAL_BAR, ""));
    m_horizontalBar.reset(new HScrollBar(this, ID_HORIZONTAL_BAR, ""));
    m_statusBar.reset(new HStatusBar(this, ID_STATUS_BAR, "開始", false, true));
    m_mapView->setBounds(0, 0, 600, 400);
    m_verticalBar->setBounds(620, 0, SCROLL_BAR_SIZE, 400);
    m_horizontalBar->setBounds(0, 420, 600, SCROLL_BAR_SIZE);
    m_mapView->setBackground(HColor::WHITE);
    m_mapView->setFocusable(true);
    m_mapView->setImageSize(1040, 1024);
    m_mapViewPaint.reset(new MapViewPaint(this));
    m_mapView->addEventListener(m_mapViewPaint.get());
    m_startFolderOpener.reset(new StartFolderOpener(this));
    addEventListener(m_startFolderOpener.get());
    m_verticalBar->setParameters(HScrollBar::VERTICAL, 0, 4, 1, 1, 0);
    m_horizontalBar->setParameters(HScrollBar::HORIZONTAL, 0, 4, 1, 1, 0);

    m_player.reset(new HMIDIPlayer(this, ID_PLAYER, ""));
    m_musicPreview.reset(new BMMusicPreview(m_player.get(), m_statusBar.get()));
    m_menuBar.reset(new HMenuBar(this, ID_MENU_BAR, ""));
    makeMenus();
    m_scenarioMenu.reset(new ZCExMenu());
    m_scenarioMenu->create(dynamic_cast<HContainer*>(findById(ID_FILE_MENU)), ID_SCENARIO_MENU);
    addAccelerators();
    m_startPanel.reset(new BMStartPanel());
    std::vector<BMStartPanel::Row> scenarios;
    for (uint32_t id = ID_SCENARIO_MENU + 1; !m_scenarioMenu->getPath(id).empty(); ++id) {
        scenarios.push_back({HFile(m_scenarioMenu->getPath(id)).getName(), id});
    }
    m_startPanel->setScenarios(scenarios);
}

// Members go in reverse order: the menu items, the player, the controls, the listeners, the
// display and the scenario menu, then the window itself.
BMWindow::~BMWindow() = default;

void BMWindow::makeMenus()
{
    for (const MenuRow& row : kMenu) {
        HContainer* parent = m_menuBar.get();
        if (row.parent != 0) {
            parent = dynamic_cast<HContainer*>(m_menuBar->findById(row.parent));
        }
        std::string label = row.label;
        if (row.keyText[0] != '\0') {
            label += std::string("\t") + row.keyText;
        }
        m_menuItems.emplace_back(new HMenuItem(parent, row.id, label, row.enabled, row.checked));
    }
}

void BMWindow::addAccelerators()
{
    std::vector<ExtraKey> keys;
    for (const MenuRow& row : kMenu) {
        if (row.flags != 0) {
            keys.push_back({row.flags, row.key, row.id});
        }
    }
    keys.insert(keys.end(), std::begin(kExtraKeys), std::end(kExtraKeys));
    std::stable_sort(keys.begin(), keys.end(),
                     [](const ExtraKey& a, const ExtraKey& b) { return a.id < b.id; });
    for (const ExtraKey& key : keys) {
        addAccelerator(key.flags, key.key, key.id);
    }
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
    // Last, and once, also when the window is made again.
    removeEventListener(getDefaultPaintListener());
    addEventListener(getDefaultPaintListener());

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
    return display != nullptr && !display->hasMap() && !m_startFolderPending;
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
        display->drawDisplay(graphics);
    }
    if (showsStartPanel()) {
        m_startPanel->draw(graphics);
    }
    graphics->end();
}

void BMWindow::paintMapView()
{
    HGraphics* gdi = HGraphics::getInstance(m_mapView.get(), HGraphics::TYPE_GDI);
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
}

void BMWindow::layout()
{
    if (!arrange()) {
        return;
    }
    BMDisplay* display = getDisplay();
    if (display != nullptr) {
        display->releaseImageBuffer();
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
    const BMZoom& zoom = display->getZoom();
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
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    bool needVertical = height < canvas.y;
    bool needHorizontal = width < canvas.x;
    // A window squeezed below the bars and the status bar leaves an empty view, not a
    // negative one.
    int viewWidth = std::max(0, width - (needVertical ? SCROLL_BAR_SIZE : 0));
    int viewHeight =
        std::max(0, height - (needHorizontal ? SCROLL_BAR_SIZE : 0) - STATUS_BAR_HEIGHT);
    m_mapView->setBounds(0, 0, viewWidth, viewHeight);
    m_verticalBar->setBounds(viewWidth, 0, SCROLL_BAR_SIZE, viewHeight);
    m_horizontalBar->setBounds(0, viewHeight, viewWidth, SCROLL_BAR_SIZE);
    m_verticalBar->setVisible(needVertical);
    m_verticalBar->setEnabled(needVertical);
    m_horizontalBar->setVisible(needHorizontal);
    m_horizontalBar->setEnabled(needHorizontal);

    BMDisplay* display = getDisplay();
    BMPoint scroll = display != nullptr ? display->getScroll() : BMPoint{0, 0};
    scroll.x = std::max(0, std::min(scroll.x, canvas.x - viewWidth + 1));
    scroll.y = std::max(0, std::min(scroll.y, canvas.y - viewHeight + 1));
    m_verticalBar->setParameters(HScrollBar::VERTICAL, 0, canvas.y, viewHeight, SCROLL_LINE,
                                 scroll.y);
    m_horizontalBar->setParameters(HScrollBar::HORIZONTAL, 0, canvas.x, viewWidth, SCROLL_LINE,
                                   scroll.x);
    if (display != nullptr) {
        display->setScroll(scroll.x, scroll.y);
        display->setViewSize(viewWidth, viewHeight);
    }
    m_startPanel->setViewSize(viewWidth, viewHeight);
    return true;
}

void BMWindow::showStatus(const std::string& text)
{
    m_statusBar->setWindowText(text);
}

void BMWindow::shownChanged()
{
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
}

BMPoint BMWindow::getScrollBars() const
{
    return {m_horizontalBar->getPosition(), m_verticalBar->getPosition()};
}

void BMWindow::scrollTo(int x, int y)
{
    scrollBarTo(m_horizontalBar.get(), x);
    scrollBarTo(m_verticalBar.get(), y);
}

void BMWindow::scrollPage(bool horizontal, bool forward)
{
    sendScroll(horizontal ? m_horizontalBar.get() : m_verticalBar.get(),
               forward ? SB_PAGEDOWN : SB_PAGEUP, 0);
}

void BMWindow::runCommand(uint32_t command)
{
    if (getHandle() != nullptr) {
        SendMessageA(getHandle(), WM_COMMAND, command, 0);
    }
}

void BMWindow::scrollBarTo(HScrollBar* bar, int position)
{
    const int highest = bar->getMaximum() - bar->getPage();
    if (position > highest) {
        position = highest;
    }
    if (position < bar->getMinimum()) {
        position = bar->getMinimum();
    }
    sendScroll(bar, SB_THUMBPOSITION, position);
}

void BMWindow::sendScroll(HScrollBar* bar, int code, int position)
{
    if (!bar->isVisible() || getHandle() == nullptr) {
        return;
    }
    const UINT message = bar == m_horizontalBar.get() ? WM_HSCROLL : WM_VSCROLL;
    SendMessageA(getHandle(), message,
                 MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)),
                 reinterpret_cast<LPARAM>(bar->getHandle()));
}
