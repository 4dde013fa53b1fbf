#include "editor/shell/BMOperations.h"

#include <memory>

#include "editor/model/BMData.h"
#include "editor/shell/BMAreaDialog.h"
#include "editor/shell/BMLoadReport.h"
#include "editor/shell/BMMusicPreview.h"
#include "editor/shell/BMRecovery.h"
#include "editor/shell/BMSaver.h"
#include "editor/shell/BMVersionDialog.h"
#include "editor/shell/BMWindow.h"
#include "editor/shell/BMZoomer.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMLimitText.h"
#include "editor/view/BMRedraw.h"
#include "framework/base/HText.h"
#include "framework/gui/HClipBoard.h"
#include "framework/gui/HFileChooser.h"
#include "framework/gui/HFolderChooser.h"
#include "framework/gui/HMenuItem.h"
#include "scenario/ZCExMenu.h"

namespace BMOperations {

namespace {

const UINT kAsk = MB_YESNOCANCEL | MB_ICONEXCLAMATION;  // 0x33
const UINT kConfirm = MB_OKCANCEL | MB_ICONEXCLAMATION;  // 0x31
const UINT kTell = MB_OK | MB_ICONEXCLAMATION;           // 0x30
const char* const kSaveFailed = "ファイルの保存に失敗しました。";

// What every handler does around its body: journal lines, the window, data and display it
// works with, and the result line.
class Frame {
public:
    Frame(const char* name, HComponent* window, uint32_t id)
        : m_name(name), m_window(dynamic_cast<BMWindow*>(window))
    {
        HDebug::log(HDebug::LV_JNL, HDebug::FMT_START, HDebug::sourceName(__FILE__), __LINE__,
                    name);
        if (m_window != nullptr) {
            m_data = BMData::getInstance(m_window->getHandle() != nullptr);
            m_display = m_window->getDisplay();
            HDebug::debug("%s:%s %u %s", name, HText::address(window).c_str(), id,
                          HText::address(m_data).c_str());
        }
    }
    ~Frame()
    {
        HDebug::debug("%s:result=%d", m_name, result ? 1 : 0);
        HDebug::log(HDebug::LV_JNL, HDebug::FMT_END, HDebug::sourceName(__FILE__), __LINE__,
                    m_name);
    }
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    BMWindow* window() const { return m_window; }
    BMData* data() const { return m_data; }
    BMDisplay* display() const { return m_display; }
    // The data and the display both there, as the editing bodies need them.
    bool ready() const { return m_data != nullptr && m_display != nullptr; }

    bool result = false;

private:
    const char* m_name;
    BMWindow* m_window;
    BMData* m_data = nullptr;
    BMDisplay* m_display = nullptr;
};

int tell(HComponent* window, const std::string& text, const std::string& caption, UINT style)
{
    HWND owner = window != nullptr ? window->getHandle() : nullptr;
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}

void unknownId(Frame& frame)
{
    HLOG_INFO("warning:unknown menuid.");
    frame.result = false;
}

// Reads (folder, areaData) into a new data object; nullptr when something a save writes back
// could not be read. faults, when given, receives what could not be read either way.
std::unique_ptr<BMData> loadScenario(const HFile& folder, const HFile& areaData,
                                     std::vector<ZDLoadFault>* faults = nullptr)
{
    HDebug::debug("Scenario:%s", folder.getPath().c_str());
    std::unique_ptr<BMData> data(new BMData());
    bool loaded = data->load(folder, areaData);
    if (faults != nullptr) {
        *faults = data->getLoadFaults();
    }
    if (!BMLoadReport::opens(loaded, data->getLoadFaults())) {
        return nullptr;
    }
    return data;
}

// Makes the loaded data the editor's, showing the given map.
BMData* adopt(BMWindow* window, std::unique_ptr<BMData> data, uint32_t current)
{
    BMData* adopted = data.release();
    BMData::setInstance(adopted);
    adopted->setCurrent(current);
    if (window != nullptr && window->getDisplay() != nullptr) {
        window->getDisplay()->setData(true);
    }
    return adopted;
}

void refresh(BMDisplay* display)
{
    display->resetImageBuffer();
    display->redrawLayers(REDRAW_TITLE);
    display->repaint();
}

// Reads a scenario just saved back in, so that what is loaded is what was written. When that
// fails the data in hand stays: it is what the files hold.
void readBack(Frame& frame, const HFile& folder, const HFile& areaData, const char* failure)
{
    uint32_t current = frame.data()->getCurrent();
    std::unique_ptr<BMData> loaded = loadScenario(folder, areaData);
    frame.result = loaded != nullptr;
    if (loaded == nullptr) {
        HLOG_INFO(failure);
    } else {
        adopt(frame.window(), std::move(loaded), current);
    }
    if (frame.display() != nullptr) {
        refresh(frame.display());
    }
}

// Tells, once, what to know about the scenario just opened.
void warn(BMWindow* window, const char* caption)
{
    BMData* data = BMData::getInstance(false);
    std::string text = data != nullptr ? BMLoadReport::warnings(*data) : std::string();
    if (!text.empty()) {
        tell(window, text, caption, kTell);
    }
}

// Upper case of the ASCII letters only: double-byte characters and half-width katakana stay.
std::string asciiUpper(const std::string& text)
{
    std::string upper = text;
    for (size_t i = 0; i < upper.size(); ++i) {
        if (HText::isDoubleByte(upper.data(), upper.size(), i)) {
            ++i;
        } else if (upper[i] >= 'a' && upper[i] <= 'z') {
            upper[i] = static_cast<char>(upper[i] - 'a' + 'A');
        }
    }
    return upper;
}

void check(BMWindow* window, uint32_t id, bool checked)
{
    auto* item = dynamic_cast<HMenuItem*>(window->getMenuItem(id));
    if (item != nullptr) {
        item->setChecked(checked);
    }
}

}  // namespace

int saveHasEdited(HComponent* window, BMData* data, const std::string& caption)
{
    const std::string title = caption;
    if (data == nullptr) {
        HLOG_INFO("saveHasEdited:error param");
        return CANCELLED;
    }
    if (!data->isModified()) {
        return NOTHING_TO_SAVE;
    }
    int answer = tell(window, "現在のデータは更新されています。保存しますか？", title, kAsk);
    if (answer == IDNO && BMRecovery::of(window) != nullptr) {
        BMRecovery::of(window)->forget(data);  // the edits are given up
    }
    if (answer != IDYES) {
        return answer;
    }
    HFile previous = data->getAreaDataFile();
    if (previous.isEmpty()) {
        HFileChooser chooser;
        chooser.setOwner(window != nullptr ? window->getHandle() : nullptr);
        chooser.setStartFolder(previous.getDirectory());
        chooser.setTitle(title);
        if (!chooser.showSave()) {
            return CANCELLED;
        }
        data->setAreaDataFile(chooser.getFile());
    }
    BMSaver::Result saved = BMSaver::save(window, data, title);
    if (saved != BMSaver::SAVED) {
        data->setAreaDataFile(previous);
        if (saved == BMSaver::FAILED) {
            HLOG_INFO("saveEditedData:保存失敗");
            tell(window, kSaveFailed, title, kTell);
        }
        return CANCELLED;
    }
    return SAVED;
}

bool openScenario(BMWindow* window, const HFile& folder, const char* operation,
                  const char* caption)
{
    if (!BMSaver::finishInterruptedSave(window, folder, caption)) {
        return false;
    }
    std::vector<ZDLoadFault> faults;
    std::unique_ptr<BMData> loaded = loadScenario(folder, HFile(), &faults);
    if (loaded == nullptr) {
        HLOG_INFO((std::string(operation) + ":読込失敗").c_str());
        tell(window, BMLoadReport::refusal(folder, faults), caption, kTell);
        return false;
    }
    BMRecovery::offer(window, loaded.get(), caption);
    adopt(window, std::move(loaded), 1);
    BMDisplay* display = window != nullptr ? window->getDisplay() : nullptr;
    if (display != nullptr) {
        display->loadBorderTable();
        display->resetState();
        display->setupChooserPage();
        refresh(display);
    }
    warn(window, caption);
    return true;
}

bool OP2101(HComponent* window, uint32_t id)
{
    Frame frame("OP2101", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    frame.result = true;
    if (saveHasEdited(window, frame.data(), "フォルダを開く") == CANCELLED) {
        return true;
    }
    HFolderChooser chooser;
    if (!chooser.show(window->getHandle(), "シナリオフォルダを選択してください", HFile("."))) {
        return true;
    }
    frame.result = openScenario(frame.window(), chooser.getFolder(), "OP2101", "フォルダを開く");
    return true;
}

bool OP2102(HComponent* window, uint32_t id)
{
    Frame frame("OP2102", window, id);
    if (frame.data() == nullptr) {
        return true;
    }
    frame.result = true;
    HFile folder = frame.data()->getScenarioDirectory();
    HFile areaData = frame.data()->getAreaDataFile();
    if (folder.isEmpty()) {
        return true;
    }
    if (frame.data()->isModified() &&
        tell(window, "編集中のデータを破棄してファイルを読み込みます。", "再読込", kConfirm) != IDOK) {
        return true;
    }
    uint32_t current = frame.data()->getCurrent();
    std::vector<ZDLoadFault> faults;
    std::unique_ptr<BMData> loaded = loadScenario(folder, areaData, &faults);
    if (loaded == nullptr) {
        HLOG_INFO("OP2102:読込失敗");
        tell(window, BMLoadReport::refusal(folder, faults), "再読込", kTell);
        return true;
    }
    adopt(frame.window(), std::move(loaded), current);  // frame.data() is gone from here on
    if (frame.display() != nullptr) {
        frame.display()->reloadBorderFile();
        frame.display()->loadBorderTable();
        frame.display()->setupChooserPage();
        refresh(frame.display());
    }
    warn(frame.window(), "再読込");
    return true;
}

bool OP2103(HComponent* window, uint32_t id)
{
    Frame frame("OP2103", window, id);
    BMData* data = frame.data();
    if (data == nullptr || data->getAreaDataFile().isEmpty()) {
        return true;
    }
    BMSaver::Result saved = BMSaver::save(window, data, "上書き保存");
    if (saved != BMSaver::SAVED) {
        if (saved == BMSaver::FAILED) {
            HLOG_INFO("OP2103:保存失敗");
            tell(window, kSaveFailed, "上書き保存", kTell);
        }
        return true;
    }
    readBack(frame, data->getScenarioDirectory(), data->getAreaDataFile(), "OP2103:読込失敗");
    return true;
}

bool OP2104(HComponent* window, uint32_t id)
{
    Frame frame("OP2104", window, id);
    BMData* data = frame.data();
    if (data == nullptr) {
        return true;
    }
    HFile folder = data->getScenarioDirectory();
    HFile previous = data->getAreaDataFile();
    HFileChooser chooser;
    chooser.setOwner(window->getHandle());
    chooser.setStartFolder(previous.getDirectory());
    chooser.setTitle("名前をつけて保存");
    if (!chooser.showSave()) {
        return true;
    }
    HFile chosen = chooser.getFile();
    data->setAreaDataFile(chosen);
    // Without a scenario folder, a file saved as <S>\Data\<name> makes S the folder to read
    // back; elsewhere the load finds the folder itself.
    if (folder.isEmpty()) {
        HFile parent = chosen.getParent();
        if (asciiUpper(parent.getName()) == "DATA") {
            folder = parent.getParent();
        }
    }
    BMSaver::Result saved = BMSaver::save(window, data, "名前をつけて保存");
    if (saved != BMSaver::SAVED) {
        // The scenario still belongs where it was read from.
        data->setAreaDataFile(previous);
        if (saved == BMSaver::FAILED) {
            HLOG_INFO("OP2104:保存失敗");
            tell(window, kSaveFailed, "名前をつけて保存", kTell);
        }
        return true;
    }
    readBack(frame, folder, chosen, "OP2104:読込失敗");
    return true;
}

bool OP2106(HComponent* window, uint32_t id)
{
    Frame frame("OP2106", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    frame.result = true;
    if (saveHasEdited(window, frame.data(), "ﾌﾟﾛｸﾞﾗﾑの終了") == CANCELLED) {
        return true;
    }
    BMData::deleteInstance();
    if (frame.display() != nullptr) {
        frame.display()->setData(false);
    }
    frame.window()->dispose();
    return true;
}

bool OP2154(HComponent* window, uint32_t id)
{
    Frame frame("OP2154", window, id);
    if (!frame.ready()) {
        return true;
    }
    frame.result = true;
    BMDisplay* display = frame.display();
    switch (id) {
    case 2151: display->undo(); break;
    case 2152: display->redo(); break;
    case 2154: display->execSet(0); break;
    case 2156: display->execSet(MODE_CLEAR); break;
    case 2157: display->execReset(); break;
    case 2158: {
        HClipBoard clipboard(window->getHandle());
        clipboard.setText(display->copySelection());
        if (!clipboard.write()) {
            HLOG_INFO("OP2154:clipboard write error.");
        }
        break;
    }
    case 2159: {
        HClipBoard clipboard(window->getHandle());
        if (!clipboard.read()) {
            HLOG_INFO("OP2154:clipboard read error.");
        } else if (!display->pasteSelection(clipboard.getText())) {
            tell(window,
                 "クリップボードの内容はマップとして貼り付けられません。\n" +
                     display->getPasteError(),
                 "貼り付け", kTell);
        } else if (display->getLastCut().any()) {
            tell(window, BMLimitText::box(display->getLastCut(), "貼り付けたセルのうち、"), "貼り付け",
                 kTell);
        }
        break;
    }
    case 2161: display->execSet(MODE_CHAR); break;
    case 2162: display->execSet(MODE_OBJ); break;
    case 2163: display->execSet(MODE_HEIGHT); break;
    case 2164: display->execSet(MODE_PLACEMENT); break;
    case 2165: display->execSet(MODE_CLEAR | MODE_CHAR); break;
    case 2166: display->execSet(MODE_CLEAR | MODE_OBJ); break;
    case 2167: display->execSet(MODE_CLEAR | MODE_HEIGHT); break;
    case 2168: display->execSet(MODE_CLEAR | MODE_PLACEMENT); break;
    case 2169:
        display->execSet(MODE_CLEAR | MODE_CHAR | MODE_OBJ | MODE_HEIGHT | MODE_PLACEMENT);
        break;
    default: break;  // 2155 (cancel) does nothing
    }
    return true;
}

// 2201 zooms in, 2202 out, 2224..2227 go to 25, 50, 100 or 200 %.
bool OP2201(HComponent* window, uint32_t id)
{
    Frame frame("OP2201", window, id);
    if (frame.display() == nullptr) {
        return true;
    }
    int step = frame.display()->getZoom().getStep();
    if (id == 2201 || id == 2202) {
        step += id == 2201 ? 1 : -1;
    } else if (id >= BMZoomer::FIRST_STEP_ITEM && id < BMZoomer::FIRST_STEP_ITEM + BMZoom::STEP_COUNT) {
        step = static_cast<int>(id - BMZoomer::FIRST_STEP_ITEM);
    } else {
        unknownId(frame);
        return true;
    }
    frame.result = true;
    BMZoomer::zoomTo(frame.window(), step, nullptr);
    return true;
}

bool OP2204(HComponent* window, uint32_t id)
{
    Frame frame("OP2204", window, id);
    if (!frame.ready()) {
        return true;
    }
    frame.result = true;
    BMDisplay* display = frame.display();
    static const uint32_t kPages[] = {VIEW_PAGE_AREA, VIEW_PAGE_CHAR, VIEW_PAGE_OBJ,
                                      VIEW_PAGE_HEIGHT, VIEW_PAGE_CONNECTION};
    // Opens a page, or closes the chooser when that page is already open.
    auto showPage = [display](uint32_t page) {
        if (display->isViewFlag(page)) {
            display->setViewFlag(page, false);
        } else {
            display->setViewFlag(VIEW_PAGES, false);
            display->setViewFlag(page, true);
            display->setupChooserPage();
            display->drawChooser();
        }
    };
    if (id >= 2204 && id <= 2214) {
        uint32_t bit = 1u << (id - 2204);
        display->setViewFlag(bit, !display->isViewFlag(bit));
        display->setHoverMark(0, 0);
        if (bit & (VIEW_CHAR_NUMBER | VIEW_OBJ_NUMBER | VIEW_HEIGHT | VIEW_OBJ_ORDER)) {
            display->drawNumberLayer(-1, -1);
        }
        for (uint32_t item = 2204; item <= 2214; ++item) {
            check(frame.window(), item, display->isViewFlag(1u << (item - 2204)));
        }
    } else if (id >= 2215 && id <= 2219) {
        showPage(kPages[id - 2215]);
    } else if (id == 2220 || id == 2221) {
        display->setChooserPage(display->getChooserPage() + (id == 2220 ? -1 : 1));
        display->drawChooser();
    } else if (id == 2222) {
        display->setViewFlag(VIEW_PAGES, false);
        display->setHoverMark(0, 0);
    } else if (id == 2223) {
        uint32_t next = VIEW_PAGE_AREA;
        for (size_t i = 0; i + 1 < sizeof kPages / sizeof kPages[0]; ++i) {
            if (display->isViewFlag(kPages[i])) {
                next = kPages[i + 1];
            }
        }
        display->setViewFlag(VIEW_PAGES, false);
        showPage(next);
    } else {
        unknownId(frame);
    }
    display->repaint();
    return true;
}

bool OP2251(HComponent* window, uint32_t id)
{
    Frame frame("OP2251", window, id);
    if (!frame.ready()) {
        return true;
    }
    BMDisplay* display = frame.display();
    BMPoint cursor = display->getCursor();
    BMPoint moved = cursor;
    const int last = MAP_SIZE - 1;
    switch (id) {
    case 2251: moved.y -= moved.y > 0 ? 1 : 0; break;
    case 2252: moved.y += moved.y < last ? 1 : 0; break;
    case 2253: moved.x -= moved.x > 0 ? 1 : 0; break;
    case 2254: moved.x += moved.x < last ? 1 : 0; break;
    case 2255: moved.y = 0; break;
    case 2256: moved.y = last; break;
    case 2257: moved.x = 0; break;
    case 2258: moved.x = last; break;
    case 2259: moved = {0, 0}; break;
    case 2260: moved = {last, last}; break;
    default: unknownId(frame); return true;
    }
    frame.result = true;
    if (moved.x == cursor.x && moved.y == cursor.y) {
        return true;
    }
    display->setCursor(moved.x, moved.y);
    // Scroll just far enough to keep the cursor cell in view (cells of the zoom's size).
    BMPoint scroll = display->getScroll();
    BMPoint view = display->getViewSize();
    const int cell = display->getZoom().getCellPixels();
    int px = cell * moved.x;
    int py = cell * moved.y;
    if (px < scroll.x) {
        scroll.x = px;
    }
    if (scroll.x + view.x <= px + cell / 2) {
        scroll.x = px - view.x + cell * 3 / 2;
    }
    if (py < scroll.y) {
        scroll.y = py;
    }
    if (scroll.y + view.y <= py) {
        scroll.y = py + cell - view.y;
    }
    display->drawMarkOverlay();
    display->scrollBy(0, scroll.x, scroll.y);
    display->repaint();
    return true;
}

bool OP2262(HComponent* window, uint32_t id)
{
    Frame frame("OP2262", window, id);
    if (!frame.ready()) {
        return true;
    }
    frame.result = frame.display()->scrollBy(id, 0, 0);
    return true;
}

bool OP2301(HComponent* window, uint32_t id)
{
    Frame frame("OP2301", window, id);
    if (!frame.ready()) {
        return true;
    }
    BMDisplay* display = frame.display();
    switch (id) {
    case 2301: {
        int mode = display->getMouseMode() == MOUSE_DIRECT ? MOUSE_SELECT : MOUSE_DIRECT;
        display->setMouseMode(mode);
        check(frame.window(), 2301, mode == MOUSE_DIRECT);
        HLOG_PASS();
        display->drawPalette();  // the brush paints only in direct mode
        break;
    }
    case 2302: display->selectNone(); break;
    case 2303: display->selectAll(); break;
    case 2334: display->selectSameValue(); break;
    default: unknownId(frame); return true;
    }
    frame.result = true;
    display->drawMarkOverlay();
    display->repaint();
    return true;
}

bool OP2305(HComponent* window, uint32_t id)
{
    Frame frame("OP2305", window, id);
    if (!frame.ready()) {
        return true;
    }
    BMDisplay* display = frame.display();
    int old = display->getShape();
    int shape = old;
    if (id >= 2305 && id <= 2308) {
        shape = static_cast<int>(id - 2305);
        frame.result = true;
    } else if (id == 2333) {
        shape = SHAPE_FILL;
        frame.result = true;
    } else {
        unknownId(frame);
    }
    for (uint32_t item = 2305; item <= 2308; ++item) {
        check(frame.window(), item, static_cast<int>(item - 2305) == shape);
    }
    check(frame.window(), 2333, shape == SHAPE_FILL);
    if (shape != old) {
        display->setShape(shape);
        display->drawPalette();
        display->repaint();
    }
    return true;
}

bool OP2310(HComponent* window, uint32_t id)
{
    Frame frame("OP2310", window, id);
    if (!frame.ready()) {
        return true;
    }
    static const struct {
        int mode;
        uint32_t page;
    } kModes[] = {{MODE_CHAR, VIEW_PAGE_CHAR},
                  {MODE_OBJ, VIEW_PAGE_OBJ},
                  {MODE_HEIGHT, VIEW_PAGE_HEIGHT},
                  {MODE_PLACEMENT, VIEW_PAGE_CONNECTION},
                  {MODE_BORDER, VIEW_PAGE_CHAR}};
    BMDisplay* display = frame.display();
    int old = display->getEditMode();
    int mode = old;
    uint32_t page = 0;
    if (id >= 2310 && id <= 2314) {
        mode = kModes[id - 2310].mode;
        page = kModes[id - 2310].page;
        frame.result = true;
    } else {
        unknownId(frame);
    }
    for (uint32_t item = 2310; item <= 2314; ++item) {
        check(frame.window(), item, kModes[item - 2310].mode == mode);
    }
    if (mode != old) {
        display->setEditMode(mode);
        display->setViewFlag(VIEW_PAGES, false);
        display->setViewFlag(page, true);
        display->setupChooserPage();
        display->drawGridLayer();
        display->drawAreaInfo();
        display->drawPalette();
        display->drawChooser();
        display->repaint();
    }
    return true;
}

bool OP2316(HComponent* window, uint32_t id)
{
    Frame frame("OP2316", window, id);
    if (!frame.ready()) {
        return true;
    }
    frame.result = true;
    BMDisplay* display = frame.display();
    switch (id) {
    case 2316: display->setCharacter(display->getCharacter() + 1); break;
    case 2317: display->setCharacter(display->getCharacter() - 1); break;
    case 2318: display->setObject(display->getObject() + 1); break;
    case 2319: display->setObject(display->getObject() - 1); break;
    case 2320: display->setHeight(display->getHeight() + 1); break;
    case 2321: display->setHeight(display->getHeight() - 1); break;
    case 2322: display->setGroupIndex(display->getGroupIndex() + 1); break;
    case 2323: display->setGroupIndex(display->getGroupIndex() - 1); break;
    default:
        if (id >= 2324 && id <= 2331) {
            display->setGroupIndex(static_cast<int>(id - 2324));
            break;
        }
        unknownId(frame);
        return true;
    }
    display->drawPalette();
    display->repaint();
    return true;
}

bool OP2335(HComponent* window, uint32_t id)
{
    Frame frame("OP2335", window, id);
    if (!frame.ready()) {
        return true;
    }
    BMDisplay* display = frame.display();
    switch (id) {
    case 2335: display->setBrushRadius(display->getBrushRadius() + 1); break;
    case 2336: display->setBrushRadius(display->getBrushRadius() - 1); break;
    default: unknownId(frame); return true;
    }
    frame.result = true;
    display->drawPalette();
    display->repaint();
    return true;
}

bool OP2332(HComponent* window, uint32_t id)
{
    Frame frame("OP2332", window, id);
    if (!frame.ready() || frame.display()->getChooserIndex() < 1) {
        return true;
    }
    frame.result = true;
    BMData* data = frame.data();
    BMDisplay* display = frame.display();
    int n = display->getChooserIndex();
    int page = display->getChooserPage();
    if (display->isViewFlag(VIEW_PAGE_AREA)) {
        uint32_t map = static_cast<uint32_t>((page - 1) * 16 + n);
        uint32_t current = data->getCurrent();
        if (map > 0 && map <= data->getAreaCount() && map != current) {
            display->changeAreaSelection(current, map);
            data->setCurrent(map);
            display->resetImageBuffer();
        }
    } else {
        if (display->isViewFlag(VIEW_PAGE_CHAR)) {
            display->setCharacter((page - 1) * 40 + n - 1);
        } else if (display->isViewFlag(VIEW_PAGE_OBJ)) {
            display->setObject(n - 1);
        } else if (display->isViewFlag(VIEW_PAGE_HEIGHT) && n < 17) {
            display->setHeight(n - 1);
        } else if (display->isViewFlag(VIEW_PAGE_CONNECTION) && n < 9) {
            display->setGroupIndex(n - 1);
        }
        display->drawPalette();
        display->drawChooser();
    }
    display->repaint();
    return true;
}

bool OP2351(HComponent* window, uint32_t id)
{
    Frame frame("OP2351", window, id);
    if (!frame.ready()) {
        return true;
    }
    frame.result = true;
    BMData* data = frame.data();
    uint32_t current = data->getCurrent();
    uint32_t count = data->getAreaCount();
    if (count == 0) {
        return true;
    }
    uint32_t next = current;
    switch (id) {
    case 2351: next = current >= count ? 1 : current + 1; break;
    case 2352: next = current > 1 ? current - 1 : count; break;
    case 2353: next = 1; break;
    case 2354: next = count; break;
    default: unknownId(frame); return true;
    }
    if (next != current) {
        data->setCurrent(next);
        frame.display()->changeAreaSelection(current, next);
        frame.display()->resetImageBuffer();
        frame.display()->repaint();
    }
    return true;
}

bool openAreaEditor(BMWindow* window, uint32_t index)
{
    BMData* data = BMData::getInstance(false);
    BMDisplay* display = window != nullptr ? window->getDisplay() : nullptr;
    if (data == nullptr || display == nullptr || data->getArea(index) == nullptr) {
        return false;
    }
    BMAreaDialog dialog(*data, index + 1);
    if (dialog.showModal(window->getHandle()) != IDOK) {
        return false;
    }
    bool changed = !data->getArea(index)->sameFields(dialog.getRecord());
    display->editArea(index + 1, dialog.getRecord());
    return changed;
}

bool OP2401(HComponent* window, uint32_t id)
{
    Frame frame("OP2401", window, id);
    if (!frame.ready() || frame.data()->getCurrent() == 0) {
        return true;
    }
    frame.result = openAreaEditor(frame.window(), frame.data()->getCurrent() - 1);
    return true;
}

bool OP2408(HComponent* window, uint32_t id)
{
    Frame frame("OP2408", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    BMVersionDialog dialog;
    frame.result = dialog.showModal(frame.window()->getHandle()) == IDOK;
    return true;
}

bool OP2500(HComponent* window, uint32_t id)
{
    Frame frame("OP2500", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    // The path comes from the scenario menu's own table: other components' user data is
    // something else altogether (the window's is the display).
    std::string path = frame.window()->getScenarioMenu().getPath(id);
    if (path.empty()) {
        return true;
    }
    if (saveHasEdited(window, frame.data(), "シナリオを開く") == CANCELLED) {
        return true;
    }
    frame.result = openScenario(frame.window(), HFile(path), "OP2500", "シナリオを開く");
    return true;
}

bool openDropped(HComponent* window, HFile file)
{
    Frame frame("openDropped", window, 0);
    if (frame.window() == nullptr) {
        return true;
    }
    frame.result = true;
    HFile folder = file;
    if (file.getType() == HFile::TYPE_FILE) {
        folder = file.getParent();
        if (asciiUpper(folder.getName()) == "DATA") {
            folder = folder.getParent();
        }
    }
    if (saveHasEdited(window, frame.data(), "フォルダを開く") == CANCELLED) {
        return true;
    }
    frame.result = openScenario(frame.window(), folder, "openDropped", "フォルダを開く");
    return true;
}

bool OP2005(HComponent* window, uint32_t id)
{
    Frame frame("OP2005", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    frame.result = true;
    frame.window()->getMusicPreview().toggle(frame.data());
    return true;
}

}  // namespace BMOperations
