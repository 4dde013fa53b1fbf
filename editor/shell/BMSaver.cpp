#include "editor/shell/BMSaver.h"

#include "editor/model/BMData.h"
#include "editor/shell/BMMessageBox.h"
#include "editor/shell/BMRecovery.h"
#include "scenario/ZDSaveJournal.h"
#include "scenario/ZDScenarioSave.h"

BMSaver::Result BMSaver::save(HComponent* window, BMData* data, const std::string& caption) const
{
    HFile areaData = data->getAreaDataFile();
    if (areaData.isEmpty()) {
        return FAILED;
    }
    ZDScenarioSave save(*data, areaData);
    for (const std::string& path : save.getChangedElsewhere()) {
        std::string question = path + " は開いた後に他のプログラムで変更されています。上書きしますか？";
        if (BMMessageBox::show(window, question, caption, BMMessageBox::YES_NO) != IDYES) {
            HLOG_INFO("save:declined");
            return DECLINED;
        }
    }
    if (!save.commit()) {
        return FAILED;
    }
    if (m_recovery != nullptr) {
        m_recovery->forget(data);
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
        BMMessageBox::show(window,
                           "前回の保存は途中で中断されていました。中断された保存を最後まで行いました。\n" +
                               folder.getPath(),
                           caption);
        return true;
    case ZDSaveJournal::DAMAGED:
        BMMessageBox::show(window,
                           "前回の保存は途中で中断されていましたが、その記録が壊れているため完了できませんでした。"
                           "ファイルが保存の途中の状態になっているかもしれません。記録は " +
                               std::string(ZDSaveJournal::DAMAGED_NAME) + " として残しました。\n" +
                               folder.getPath(),
                           caption);
        return true;
    case ZDSaveJournal::NOT_FINISHED:
        break;
    }
    BMMessageBox::show(window,
                       "前回の保存は途中で中断されていて、その保存を完了できませんでした。"
                       "ファイルが書き込めるか確かめてから、もう一度開いてください。\n" +
                           folder.getPath(),
                       caption);
    return false;
}
