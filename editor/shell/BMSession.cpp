#include "editor/shell/BMSession.h"

#include <algorithm>
#include <cstdlib>

#include "editor/model/BMConstants.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/shell/BMCommandTable.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMMiniMap.h"
#include "editor/view/BMViewFlags.h"
#include "editor/view/BMZoom.h"
#include "framework/base/HDebug.h"
#include "framework/base/HFileReader.h"
#include "framework/base/HSystem.h"
#include "framework/base/HText.h"
#include "framework/base/HWin32.h"
#include "scenario/ZDAreaMapData.h"

const char* const BMSession::FILE_NAME = "settings.ini";

namespace {

// The edit modes in the order of their menu items.
const int kModes[] = {MODE_CHAR, MODE_OBJ, MODE_HEIGHT, MODE_PLACEMENT, MODE_BORDER};

std::string environment(const char* name)
{
    char buffer[1024];
    DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::string now()
{
    HSystem::LocalTime t = HSystem::get().getLocalTime();
    return HText::format("%04d/%02d/%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
}

// A place on no screen comes back in the middle of the primary one, no larger than it.
RECT onScreen(RECT place)
{
    if (MonitorFromRect(&place, MONITOR_DEFAULTTONULL) != nullptr) {
        return place;
    }
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int width = std::min<int>(place.right - place.left, screenWidth);
    const int height = std::min<int>(place.bottom - place.top, screenHeight);
    const int x = (screenWidth - width) / 2;
    const int y = (screenHeight - height) / 2;
    return {x, y, x + width, y + height};
}

}  // namespace

HFile BMSession::defaultFile()
{
    std::string folder = environment("TESSEL_SETTINGS");
    if (folder.empty()) {
        const std::string appData = environment("APPDATA");
        if (appData.empty()) {
            return HFile();
        }
        folder = appData + "\\" + APPLICATION_NAME;
    }
    return HFile(folder, FILE_NAME);
}

BMSession::BMSession(const HFile& file, bool fresh) : m_file(file), m_fresh(fresh)
{
    if (m_file.isEmpty() || m_fresh || m_file.getType() != HFile::TYPE_FILE) {
        return;
    }
    HFileReader reader(m_file);
    m_readable = reader.read();
    if (m_readable) {
        m_text.assign(reader.getData(), static_cast<size_t>(reader.getSize()));
    }
    // The scenario menu, made with the window, lists the game's folder chosen before.
    BMSettings chosen;
    chosen.read(m_text);
    ZDAreaMapData::setChosenGameDirectory(chosen.gameFolder);
}

void BMSession::restore(BMWindow* window)
{
    BMDisplay* display = window->getDisplay();
    if (m_file.isEmpty() || display == nullptr) {
        return;
    }
    capture(window);  // the defaults
    m_settings.hasWindow = false;
    if (m_fresh) {
        HLOG_INFO("設定ファイル：既定値で開始");
    } else if (!m_readable) {
        if (m_file.exists()) {
            HLOG_INFO(("設定ファイル：読込失敗 " + m_file.getPath()).c_str());
        }
    } else {
        const int unread = m_settings.read(m_text);
        if (unread > 0) {
            HLOG_INFO(HText::format("設定ファイル：読めない項目 %d (既定値)", unread).c_str());
        }
    }
    ZDAreaMapData::setChosenGameDirectory(m_settings.gameFolder);
    applyWindow(window);
    applyView(window);
}

void BMSession::applyWindow(BMWindow* window) const
{
    if (!m_settings.hasWindow) {
        return;
    }
    const BMSettings::Window& w = m_settings.window;
    RECT place = onScreen({w.x, w.y, w.x + w.width, w.y + w.height});
    window->setBounds(place.left, place.top, place.right - place.left, place.bottom - place.top);
    if (w.maximized) {
        // Once shown: showing the window restores it to its normal place first.
        PostMessageA(window->getHandle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    }
}

void BMSession::applyView(BMWindow* window) const
{
    BMDisplay* display = window->getDisplay();
    BMCommandTable& commands = window->getCommands();
    display->setZoomStep(m_settings.zoomStep);
    // At most one chooser page is open.
    const uint32_t pages = m_settings.viewFlags & VIEW_PAGES;
    if ((pages & (pages - 1)) == 0) {
        display->getLayout().setViewFlag(0xFFFF, false);
        display->getLayout().setViewFlag(m_settings.viewFlags, true);
    }
    for (uint32_t item = kCommandShowAreaInfo; item <= kCommandShowObjectOrder; ++item) {
        commands.setChecked(BMCommandId(item),
                            display->getLayout().isViewFlag(1u << (item - kCommandShowAreaInfo)));
    }
    display->getMiniMap().setCorner(static_cast<BMMiniMap::Corner>(m_settings.miniMapCorner));
    display->setBrushRadius(m_settings.brushRadius);
    display->getEditor().setMouseMode(m_settings.mouseMode);
    commands.setChecked(kCommandMouseMode, m_settings.mouseMode == MOUSE_DIRECT);
    display->getEditor().setShape(m_settings.shape);
    for (uint32_t item = kCommandShapeFree; item <= kCommandShapeHexagon; ++item) {
        commands.setChecked(BMCommandId(item),
                            static_cast<int>(item - kCommandShapeFree) == m_settings.shape);
    }
    commands.setChecked(kCommandShapeFill, m_settings.shape == SHAPE_FILL);
    display->setEditMode(m_settings.editMode);
    for (uint32_t item = kCommandModeCharacter; item <= kCommandModeBorder; ++item) {
        commands.setChecked(BMCommandId(item),
                            kModes[item - kCommandModeCharacter] == m_settings.editMode);
    }
    display->setChooserPage(m_settings.chooserPage);
}

void BMSession::capture(BMWindow* window)
{
    BMDisplay* display = window->getDisplay();
    if (display == nullptr) {
        return;
    }
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (window->getHandle() != nullptr && GetWindowPlacement(window->getHandle(), &placement)) {
        const RECT& r = placement.rcNormalPosition;
        m_settings.window = {static_cast<int>(r.left), static_cast<int>(r.top),
                             static_cast<int>(r.right - r.left),
                             static_cast<int>(r.bottom - r.top),
                             placement.showCmd == SW_SHOWMAXIMIZED};
        m_settings.hasWindow = true;
    }
    m_settings.zoomStep = display->getLayout().getZoom().getStep();
    m_settings.viewFlags = display->getLayout().getViewFlags() & 0xFFFF;
    m_settings.miniMapCorner = display->getMiniMap().getCorner();
    m_settings.brushRadius = display->getEditor().getBrushRadius();
    m_settings.mouseMode = display->getEditor().getMouseMode();
    m_settings.shape = display->getEditor().getShape();
    m_settings.editMode = display->getEditor().getEditMode();
    m_settings.chooserPage = std::max(1, display->getChooser().getPage());
}

void BMSession::keep(BMWindow* window)
{
    if (m_file.isEmpty()) {
        return;
    }
    leave(window);
    capture(window);
    save();
}

bool BMSession::save()
{
    if (m_file.isEmpty()) {
        return false;
    }
    HFile(m_file.getDirectory()).makeDirectory();
    if (!m_settings.save(m_file)) {
        HLOG_INFO(("設定ファイル：保存失敗 " + m_file.getPath()).c_str());
        return false;
    }
    return true;
}

void BMSession::leave(BMWindow* window)
{
    BMDisplay* display = window->getDisplay();
    const BMData* data = display != nullptr ? display->getData() : nullptr;
    if (data == nullptr || data->getScenarioDirectory().isEmpty()) {
        return;
    }
    BMRecentScenario* entry =
        m_settings.recent.find(data->getScenarioDirectory().getFullPath());
    if (entry != nullptr) {
        const BMPoint cursor = display->getEditor().getCursor();
        entry->map = std::max<int>(1, static_cast<int>(data->getCurrent()));
        entry->cursorX = cursor.x;
        entry->cursorY = cursor.y;
    }
}

BMRecentScenario BMSession::placeOf(const std::string& folder)
{
    const BMRecentScenario* entry = m_settings.recent.find(folder);
    return entry != nullptr ? *entry : BMRecentScenario();
}

void BMSession::opened(const std::string& folder, int maps, int map, int cursorX, int cursorY)
{
    if (m_file.isEmpty()) {
        return;
    }
    m_settings.recent.open({folder, now(), maps, map, cursorX, cursorY});
    save();
}

void BMSession::forget(const std::string& folder)
{
    if (m_settings.recent.remove(folder)) {
        save();
    }
}

void BMSession::chooseGame(const std::string& folder)
{
    m_settings.gameFolder = folder;
    ZDAreaMapData::setChosenGameDirectory(folder);
    save();
}
