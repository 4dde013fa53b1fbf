#include "editor/shell/BMSaver.h"

#include "editor/model/BMData.h"
#include "editor/shell/BMRecovery.h"
#include "framework/base/HWin32.h"
#include "framework/gui/HComponent.h"
#include "scenario/ZDSaveJournal.h"
#include "scenario/ZDScenarioSave.h"

namespace {

int tell(HComponent* window, const std::string& text, const std::string& caption, UINT style)
{
    HWND owner = window != nullptr ? window->getHandle() : nullptr;
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}

}  // namespace

BMSaver::Result BMSaver::save(HComponent* window, BMData* data, const std::string& caption)
{
    HFile areaData = data->getAreaDataFile();
    if (areaData.isEmpty()) {
        return FAILED;
    }
    ZDScenarioSave save(*data, areaData);
    for (const std::string& path : save.getChangedElsewhere()) {
        std::string question = path + " は開いた後に他のプログラムで変更されています。上書きしますか？";
        if (tell(window, question, caption, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
            HLOG_INFO("save:declined");
            return DECLINED;
        }
    }
    if (!save.commit()) {
        return FAILED;
    }
    BMRecovery* recovery = BMRecovery::of(window);
    if (recovery != nullptr) {
        recovery->forget(data);
    }
    return SAVED;
}

bool BMSaver::finishInterruptedSave(HComponent* window, const HFile& folder, const std::string& caption)
{
    HFile areaData = ZDAreaMapData::areaDataOf(folder);
    switch (ZDSaveJournal::finish(areaData.getDirectory(), areaData.getName())) {
    case ZDSaveJournal::NOTHING:
        return true;
    case ZDSaveJournal::FINISHED:
        tell(window, "前回の保存は途中で中断されていました。中断された保存を最後まで行いました。\n" + folder.getPath(),
             caption, MB_OK | MB_ICONEXCLAMATION);
        return true;
    case ZDSaveJournal::DAMAGED:
        tell(window, "前回の保存は途中で中断されていましたが、その記録が壊れているため完了できませんでした。"
                     "ファイルが保存の途中の状態になっているかもしれません。記録は " +
                         std::string(ZDSaveJournal::DAMAGED_NAME) + " として残しました。\n" + folder.getPath(),
             caption, MB_OK | MB_ICONEXCLAMATION);
        return true;
    case ZDSaveJournal::NOT_FINISHED:
        break;
    }
    tell(window, "前回の保存は途中で中断されていて、その保存を完了できませんでした。"
                 "ファイルが書き込めるか確かめてから、もう一度開いてください。\n" + folder.getPath(),
         caption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}
