#include "editor/shell/BMRecovery.h"

#include <shlobj.h>

#include "editor/model/BMData.h"
#include "editor/shell/BMMessageBox.h"
#include "framework/base/HSystem.h"
#include "framework/base/HText.h"
#include "scenario/ZDRecoveryCopy.h"
#include "scenario/ZDScenarioSave.h"

namespace {

std::string localTime()
{
    HSystem::LocalTime now = HSystem::get().getLocalTime();
    return HText::format("%04d/%02d/%02d %02d:%02d:%02d", now.year, now.month, now.day, now.hour,
                         now.minute, now.second);
}

// The newest time among the files the data's load read.
int64_t newestFile(const BMData& data)
{
    int64_t newest = 0;
    for (const auto& file : data.getReadFiles()) {
        if (file.second.exists() && file.second.getWriteTime() > newest) {
            newest = file.second.getWriteTime();
        }
    }
    return newest;
}

// A fingerprint of the changes: their names and bytes.
uint64_t fingerprint(const ZDFileSet& changes)
{
    std::string names;
    uint64_t value = 0;
    for (const ZDFileSet::File& file : changes.getWrites()) {
        names += file.name + "\n";
        value = value * 31 + ZDFileStamp::hash(file.bytes);
    }
    for (const std::string& name : changes.getRemovals()) {
        names += "-" + name + "\n";
    }
    return value * 31 + ZDFileStamp::hash(names);
}

}  // namespace

BMRecovery::BMRecovery(HWND window)
    : HEventListener(HEventType::WM_TIMER_TYPE), m_window(window), m_root(root())
{
    setClassName("BMRecovery");
    SetTimer(m_window, ID, PERIOD_MS, nullptr);
}

BMRecovery::~BMRecovery()
{
    KillTimer(m_window, ID);
}

bool BMRecovery::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    if (wParam != ID) {
        return true;  // the redraw timer's
    }
    look(static_cast<int64_t>(GetTickCount64()));
    *result = 0;
    return true;
}

void BMRecovery::look(int64_t now)
{
    const BMData* data = BMData::getInstance(false);
    std::string scenario = scenarioOf(data);
    if (scenario != m_scenario) {
        m_scenario = scenario;
        m_schedule.reset();
    }
    if (scenario.empty() || m_root.empty()) {
        return;
    }
    ZDFileSet changes = ZDScenarioSave::unsavedChanges(*data);
    switch (m_schedule.observe(now, fingerprint(changes), changes.isEmpty())) {
    case ZDRecoverySchedule::WRITE:
        m_writer.write(ZDRecoveryCopy(m_root, scenario), std::move(changes), localTime());
        break;
    case ZDRecoverySchedule::REMOVE:
        m_writer.remove(ZDRecoveryCopy(m_root, scenario));
        break;
    case ZDRecoverySchedule::NOTHING:
        break;
    }
}

// A save under a new name leaves the scenario it was read as behind, with its edits saved
// elsewhere: the copy of that one goes too.
void BMRecovery::forget(const BMData* data)
{
    if (m_root.empty()) {
        return;
    }
    std::string scenario = scenarioOf(data);
    if (!scenario.empty()) {
        m_writer.remove(ZDRecoveryCopy(m_root, scenario));
    }
    if (!m_scenario.empty() && m_scenario != scenario) {
        m_writer.remove(ZDRecoveryCopy(m_root, m_scenario));
    }
    m_schedule.settle(0, true);
}

bool BMRecovery::offer(HComponent* window, BMRecovery* keeper, BMData* data,
                       const std::string& caption)
{
    std::string scenario = scenarioOf(data);
    std::string folder = root();
    if (scenario.empty() || folder.empty()) {
        return false;
    }
    ZDRecoveryCopy copy(folder, scenario);
    if (HSystem::get().getType(copy.getPath()) == HSystem::TYPE_NONE) {
        return false;
    }
    // Whatever happens to the copy now, the schedule no longer knows what is on disk.
    if (keeper != nullptr) {
        keeper->m_writer.wait();
        keeper->m_schedule.reset();
    }
    ZDRecoveryCopy::Contents contents;
    if (!copy.read(&contents) || contents.writeTime <= newestFile(*data)) {
        HLOG_INFO("offer:recovery copy set aside");
        copy.setAside();
        return false;
    }
    std::string question = "前回の編集が保存されていません。復元しますか？\n\n" +
                           data->getScenarioDirectory().getFullPath() + "\n" + contents.time + " までの編集";
    if (BMMessageBox::show(window, question, caption, BMMessageBox::YES_NO) != IDYES) {
        copy.setAside();
        return false;
    }
    if (!data->restoreFiles(contents.files)) {
        BMMessageBox::show(window, "前回の編集を復元できませんでした。ファイルの内容を開きます。", caption);
        copy.setAside();
        return false;
    }
    return true;
}

std::string BMRecovery::root()
{
    char folder[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", folder, sizeof(folder));
    if (length == 0 || length >= sizeof(folder)) {
        folder[0] = '\0';
        if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder))) {
            return std::string();
        }
    }
    return std::string(folder) + "\\Tessel\\Recovery";
}

std::string BMRecovery::scenarioOf(const BMData* data)
{
    if (data == nullptr || data->getAreaDataFile().isEmpty()) {
        return std::string();
    }
    return data->getAreaDataFile().getFullPath();
}
