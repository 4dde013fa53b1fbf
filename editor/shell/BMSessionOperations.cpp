// The File menu's items of what the editor remembers: a recent scenario, and the game's folder
// when the registry does not name one.
#include "editor/shell/BMMessageBox.h"
#include "editor/shell/BMOperationFrame.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMRecentMenu.h"
#include "editor/shell/BMSession.h"
#include "editor/shell/BMWindow.h"
#include "framework/gui/HFolderChooser.h"
#include "scenario/ZDAreaMapData.h"

namespace BMOperations {

namespace {

const char* const kRecentCaption = "最近開いたシナリオ";
const char* const kGone = "フォルダが見つかりません。一覧から外します。\n";

}  // namespace

bool OP2601(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2601", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    // An id past the list (a key pressed as the list shrank) opens nothing.
    const std::string folder = frame.window()->getRecentMenu().folderOf(id);
    if (folder.empty()) {
        return true;
    }
    frame.result = true;
    if (HFile(folder).getType() != HFile::TYPE_DIRECTORY) {
        HLOG_INFO("OP2601:フォルダなし");
        frame.tell(kGone + folder, kRecentCaption, BMMessageBox::TELL);
        frame.window()->getSession().forget(folder);
        frame.window()->sessionChanged();
        return true;
    }
    if (saveHasEdited(window, frame.data(), kRecentCaption, frame.recovery()) == CANCELLED) {
        return true;
    }
    frame.result = openScenario(frame.window(), HFile(folder), "OP2601", kRecentCaption);
    return true;
}

bool OP2610(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2610", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    HFolderChooser chooser;
    if (!chooser.show(window->getHandle(), "ゲームのフォルダを選択してください", HFile("."))) {
        return true;
    }
    frame.result = true;
    frame.window()->getSession().chooseGame(chooser.getFolder().getFullPath());
    frame.window()->gameFolderChanged();
    return true;
}

}  // namespace BMOperations
