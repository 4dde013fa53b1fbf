// The commands on the whole scenario: the overview and the replace across maps.
#include <vector>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMReplace.h"
#include "editor/shell/BMOperationFrame.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMOverviewWindow.h"
#include "editor/shell/BMReplaceDialog.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMLimitText.h"
#include "editor/view/BMOverviewPicture.h"
#include "editor/view/BMRenderer.h"
#include "framework/base/HText.h"
#include "framework/graphics/HPngFile.h"
#include "framework/gui/HFileChooser.h"

namespace BMOperations {

namespace {

const char* const kSaveTitle = "全体図を画像として保存";

// The name of the edit mode's layer as the menus call it.
const char* layerName(int mode)
{
    if ((mode & MODE_OBJ) != 0) {
        return "OBJ";
    }
    if ((mode & MODE_HEIGHT) != 0) {
        return "高度";
    }
    return (mode & MODE_PLACEMENT) != 0 ? "初期配置" : "CHAR";
}

// The edit mode's current value as the layer holds it (placement groups 1..8).
uint32_t currentValue(const BMEditor& editor, int mode)
{
    if ((mode & MODE_OBJ) != 0) {
        return static_cast<uint32_t>(editor.getObject());
    }
    if ((mode & MODE_HEIGHT) != 0) {
        return static_cast<uint32_t>(editor.getHeight());
    }
    if ((mode & MODE_PLACEMENT) != 0) {
        return static_cast<uint32_t>(editor.getGroupIndex() + 1);
    }
    return static_cast<uint32_t>(editor.getCharacter());
}

bool hasMarkedSelection(const BMEditor& editor)
{
    for (int index = 0; index < MAP_CELLS; ++index) {
        if ((editor.getCellMark(index) & CELL_SELECTED) != 0) {
            return true;
        }
    }
    return false;
}

std::string previewText(const BMReplace::Count& count, uint32_t from)
{
    if (count.cells == 0) {
        return HText::format("範囲の中に値 %u のセルはありません。", from);
    }
    return HText::format("%u マップの %u セルが置換されます。", count.maps, count.cells);
}

}  // namespace

bool OP2640(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2640", window, id, BMOperationFrame::EXISTING_DATA);
    if (frame.window() == nullptr) {
        return true;
    }
    frame.result = true;
    frame.window()->getOverview().show(frame.window()->getHandle());
    return true;
}

bool OP2641(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2641", window, id, BMOperationFrame::EXISTING_DATA);
    if (!frame.ready() || frame.window() == nullptr || !frame.display()->getEditor().hasMap()) {
        return true;
    }
    frame.result = true;
    BMDisplay& display = *frame.display();
    BMEditor& editor = display.getEditor();
    const int mode = editor.getEditMode();
    const uint32_t current = frame.data()->getCurrent();
    auto preview = [&editor, mode](uint32_t from, uint32_t to, int scope, bool* any) {
        const BMReplace::Count count =
            BMReplace::count(editor, {mode, from, to, static_cast<BMReplace::Scope>(scope)});
        *any = count.cells != 0;
        return previewText(count, from);
    };
    BMReplaceDialog dialog(layerName(mode), BMReplace::maximum(mode),
                           BMReplace::valueOf(*frame.data(), mode, current, editor.getCursorIndex()),
                           currentValue(editor, mode),
                           hasMarkedSelection(editor) ? BMReplace::SELECTION : BMReplace::CURRENT_MAP,
                           preview);
    if (dialog.showModal(frame.window()->getHandle()) != IDOK) {
        return true;
    }
    const BMReplace::Request request{mode, dialog.getFrom(), dialog.getTo(),
                                     static_cast<BMReplace::Scope>(dialog.getScope())};
    BMReplace::Count done;
    const BMChange change = BMReplace::run(editor, request, &done);
    display.show(change);
    std::string status = HText::format("置換: %u マップの %u セルを %u から %u にしました。", done.maps,
                                       done.cells, request.from, request.to);
    if (done.leftOut != 0) {
        status += HText::format(" マップに入りきらない %u セルはそのままです。", done.leftOut);
    }
    frame.window()->showStatus(status);
    if (change.cut.any()) {
        frame.tell(BMLimitText::box(change.cut, "置換するセルのうち、"), "置換", MB_OK | MB_ICONINFORMATION);
    }
    return true;
}

void openMap(BMWindow* window, uint32_t number)
{
    BMData* data = BMData::getInstance(false);
    BMDisplay* display = window->getDisplay();
    if (data == nullptr || display == nullptr || number == 0 || number > data->getAreaCount()) {
        return;
    }
    const uint32_t current = data->getCurrent();
    if (number != current) {
        data->setCurrent(number);
        display->getEditor().changeAreaSelection(current, number);
        display->getRenderer().resetImageBuffer();
        display->repaint();
    }
}

void saveOverview(BMWindow* window)
{
    const BMData* data = BMData::getInstance(false);
    BMOverviewWindow& overview = window->getOverview();
    HWND owner = overview.isShown() ? overview.getHandle() : window->getHandle();
    if (data == nullptr || data->getAreaCount() == 0) {
        MessageBoxA(owner, "保存する全体図がありません。", kSaveTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    HFileChooser chooser;
    chooser.setOwner(owner);
    chooser.setStartFolder(data->getScenarioDirectory().getPath());
    chooser.setTitle(kSaveTitle);
    static const char kFilter[] = "PNG 画像 (*.png)\0*.png\0";
    chooser.setFilter(kFilter, sizeof kFilter);
    if (!chooser.showSave()) {
        return;
    }
    std::string path = chooser.getFile().getPath();
    if (path.size() < 4 || HText::asciiUpper(path.substr(path.size() - 4)) != ".PNG") {
        path += ".png";
    }
    std::vector<uint32_t> pixels;
    BMPoint size{};
    std::string error;
    if (!overview.getPicture().drawWhole(*data, &pixels, &size)
        || !HPngFile::write(HFile(path), pixels.data(), size.x, size.y, &error)) {
        MessageBoxA(owner, ("全体図を保存できませんでした。\n" + path + "\n" + error).c_str(), kSaveTitle,
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    window->showStatus(HText::format("全体図を %s に保存しました (%d x %d)。", path.c_str(), size.x, size.y));
}

}  // namespace BMOperations
