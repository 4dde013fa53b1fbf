// The File menu's commands: open, reload, save, save as, exit, the installed game's scenarios
// and folders dropped on the window; and the question before unsaved edits would be lost.
#include <memory>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/shell/BMCommandTable.h"
#include "editor/shell/BMLoadReport.h"
#include "editor/shell/BMMessageBox.h"
#include "editor/shell/BMOperationFrame.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMRecovery.h"
#include "editor/shell/BMSaver.h"
#include "editor/shell/BMSession.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMRedraw.h"
#include "editor/view/BMRenderer.h"
#include "framework/base/HText.h"
#include "framework/gui/HFileChooser.h"
#include "framework/gui/HFolderChooser.h"
#include "scenario/ZCExMenu.h"

namespace BMOperations {

namespace {

const char* const kSaveFailed = "ファイルの保存に失敗しました。";

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
    display->getRenderer().resetImageBuffer();
    display->redrawLayers(REDRAW_TITLE);
    display->repaint();
}

// Reads a scenario just saved back in, so that what is loaded is what was written. When that
// fails the data in hand stays: it is what the files hold.
void readBack(BMOperationFrame& frame, const HFile& folder, const HFile& areaData,
              const char* failure)
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
        BMMessageBox::show(window, text, caption, BMMessageBox::TELL);
    }
}

// Saves data to its AreaData file; the saver forgets the recovery copy once the files hold
// the edits. Unless saved, the AreaData file named before comes back (the scenario still
// belongs where it was read from), and a failure is logged as failure and told.
bool save(HComponent* window, BMRecovery* recovery, BMData* data, const HFile& previous,
          const std::string& caption, const char* failure)
{
    BMSaver::Result saved = BMSaver(recovery).save(window, data, caption);
    if (saved == BMSaver::SAVED) {
        return true;
    }
    data->setAreaDataFile(previous);
    if (saved == BMSaver::FAILED) {
        HLOG_INFO(failure);
        BMMessageBox::show(window, kSaveFailed, caption, BMMessageBox::TELL);
    }
    return false;
}

}  // namespace

int saveHasEdited(HComponent* window, BMData* data, const std::string& caption,
                  BMRecovery* recovery)
{
    const std::string title = caption;
    if (data == nullptr) {
        HLOG_INFO("saveHasEdited:error param");
        return CANCELLED;
    }
    if (!data->isModified()) {
        return NOTHING_TO_SAVE;
    }
    int answer = BMMessageBox::show(window, "現在のデータは更新されています。保存しますか？", title,
                                    BMMessageBox::ASK);
    if (answer == IDNO && recovery != nullptr) {
        recovery->forget(data);  // the edits are given up
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
    if (!save(window, recovery, data, previous, title, "saveEditedData:保存失敗")) {
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
        BMMessageBox::show(window, BMLoadReport::refusal(folder, faults), caption,
                           BMMessageBox::TELL);
        return false;
    }
    BMRecovery::offer(window, BMOperationFrame::recoveryOf(window), loaded.get(), caption);
    // The scenario comes back where it was last left; it goes on top of the recent list.
    const std::string opened = loaded->getScenarioDirectory().getFullPath();
    const int maps = static_cast<int>(loaded->getAreaCount());
    BMRecentScenario place;
    if (window != nullptr) {
        window->getSession().leave(window);
        place = window->getSession().placeOf(opened);
    }
    if (place.map > maps) {
        place = BMRecentScenario();
    }
    adopt(window, std::move(loaded), static_cast<uint32_t>(place.map));
    BMDisplay* display = window != nullptr ? window->getDisplay() : nullptr;
    if (display != nullptr) {
        display->startScenario();
        display->resetState();
        display->setCursor(place.cursorX, place.cursorY);
        // The reset takes the mouse back to selecting: the menu's mark follows.
        window->getCommands().setChecked(kCommandMouseMode,
                                         display->getEditor().getMouseMode() == MOUSE_DIRECT);
        display->setupChooserPage();
        refresh(display);
    }
    if (window != nullptr) {
        window->getSession().opened(opened, maps, place.map, place.cursorX, place.cursorY);
        window->sessionChanged();
    }
    warn(window, caption);
    return true;
}

bool OP2101(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2101", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    frame.result = true;
    if (saveHasEdited(window, frame.data(), "フォルダを開く", frame.recovery()) == CANCELLED) {
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
    BMOperationFrame frame("OP2102", window, id);
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
        frame.tell("編集中のデータを破棄してファイルを読み込みます。", "再読込", BMMessageBox::CONFIRM)
            != IDOK) {
        return true;
    }
    uint32_t current = frame.data()->getCurrent();
    std::vector<ZDLoadFault> faults;
    std::unique_ptr<BMData> loaded = loadScenario(folder, areaData, &faults);
    if (loaded == nullptr) {
        HLOG_INFO("OP2102:読込失敗");
        frame.tell(BMLoadReport::refusal(folder, faults), "再読込", BMMessageBox::TELL);
        return true;
    }
    adopt(frame.window(), std::move(loaded), current);  // frame.data() is gone from here on
    if (frame.display() != nullptr) {
        frame.display()->getEditor().reloadBorderFile();
        frame.display()->startScenario();
        frame.display()->setupChooserPage();
        refresh(frame.display());
    }
    warn(frame.window(), "再読込");
    return true;
}

bool OP2103(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2103", window, id);
    BMData* data = frame.data();
    if (data == nullptr || data->getAreaDataFile().isEmpty()) {
        return true;
    }
    if (save(frame.window(), frame.recovery(), data, data->getAreaDataFile(), "上書き保存",
             "OP2103:保存失敗")) {
        readBack(frame, data->getScenarioDirectory(), data->getAreaDataFile(), "OP2103:読込失敗");
    }
    return true;
}

bool OP2104(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2104", window, id);
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
        if (HText::asciiUpper(parent.getName()) == "DATA") {
            folder = parent.getParent();
        }
    }
    if (!save(frame.window(), frame.recovery(), data, previous, "名前をつけて保存",
              "OP2104:保存失敗")) {
        return true;
    }
    readBack(frame, folder, chosen, "OP2104:読込失敗");
    return true;
}

bool OP2106(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2106", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    frame.result = true;
    if (saveHasEdited(window, frame.data(), "ﾌﾟﾛｸﾞﾗﾑの終了", frame.recovery()) == CANCELLED) {
        return true;
    }
    BMData::deleteInstance();
    if (frame.display() != nullptr) {
        frame.display()->setData(false);
    }
    frame.window()->dispose();
    return true;
}

bool OP2500(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2500", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    // The path comes from the scenario menu's own table: other components' user data is
    // something else altogether (the window's is the display).
    std::string path = frame.window()->getScenarioMenu().getPath(id);
    if (path.empty()) {
        return true;
    }
    if (saveHasEdited(window, frame.data(), "シナリオを開く", frame.recovery()) == CANCELLED) {
        return true;
    }
    frame.result = openScenario(frame.window(), HFile(path), "OP2500", "シナリオを開く");
    return true;
}

bool openDropped(HComponent* window, HFile file)
{
    BMOperationFrame frame("openDropped", window, 0);
    if (frame.window() == nullptr) {
        return true;
    }
    frame.result = true;
    HFile folder = file;
    if (file.getType() == HFile::TYPE_FILE) {
        folder = file.getParent();
        if (HText::asciiUpper(folder.getName()) == "DATA") {
            folder = folder.getParent();
        }
    }
    if (saveHasEdited(window, frame.data(), "フォルダを開く", frame.recovery()) == CANCELLED) {
        return true;
    }
    frame.result = openScenario(frame.window(), folder, "openDropped", "フォルダを開く");
    return true;
}

}  // namespace BMOperations
