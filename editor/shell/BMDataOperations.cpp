// The Data menu's commands: stepping through the maps, and the changes of the list of areas
// (add, remove, move, copy, overwrite, insert), each one undo step of the display's history.
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMMapEditor.h"
#include "editor/shell/BMMessageBox.h"
#include "editor/shell/BMMoveDialog.h"
#include "editor/shell/BMOperationFrame.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMCommandId.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMLimitText.h"
#include "editor/view/BMRenderer.h"
#include "framework/base/HText.h"
#include "framework/gui/HClipBoard.h"
#include "framework/gui/HStatusBar.h"

namespace BMOperations {

namespace {

// What every change of the list works with.
struct Context {
    const BMOperationFrame& frame;
    BMData& data;
    BMDisplay& display;
    BMMapEditor& maps;
};

// "03:name" of area number (1-based), as the chooser shows areas.
std::string areaText(const BMData& data, uint32_t number)
{
    const ZDEditArea* area = data.getArea(number - 1);
    return HText::format("%02u:%s", number, area != nullptr ? area->getName().c_str() : "");
}

// Writes "エリア <current area> <what>" into the status bar, followed by what the change left
// out because the map file could not hold it.
void report(const Context& context, const std::string& area, const std::string& what,
            const BMLimitCut& cut = BMLimitCut())
{
    HStatusBar* status = context.frame.window()->getStatusBar();
    if (status != nullptr) {
        const std::string limits = BMLimitText::status(cut);
        status->setWindowText("エリア " + area + " " + what + (limits.empty() ? "" : "　" + limits));
    }
}

// A map from the clipboard that lost cells says so in a box too: the author may not be
// looking at the status bar.
void tellCut(const Context& context, const BMLimitCut& cut, const char* caption)
{
    if (cut.any()) {
        context.frame.tell(BMLimitText::box(cut, "クリップボードのマップのうち、"), caption,
                           BMMessageBox::TELL);
    }
}

std::string currentArea(const Context& context)
{
    return areaText(context.data, context.data.getCurrent());
}

// A whole map on the clipboard becomes the map buffer, so that a map copied in another
// editor can be written or inserted here; any other text leaves the buffer as it is.
void takeClipboard(const Context& context)
{
    HClipBoard clipboard(context.frame.window()->getHandle());
    if (clipboard.read() && context.maps.takeMapText(clipboard.getText())) {
        HDebug::debug("OP2356:map taken from the clipboard");
    }
}

// The new area becomes the current one, and the area editor opens on its record so that the
// proposed name and values can be changed at once; its OK is an undo step of its own, and
// Cancel keeps the proposal.
bool append(const Context& context)
{
    context.display.show(context.maps.appendMap());
    report(context, currentArea(context), "を追加しました。");
    openAreaEditor(context.frame.window(), context.data.getCurrent() - 1);
    return true;
}

bool insert(const Context& context)
{
    takeClipboard(context);
    const BMChange change = context.maps.insertMap();
    context.display.show(change);
    report(context, currentArea(context), "を挿入しました。", change.cut);
    tellCut(context, change.cut, "マップ挿入");
    return true;
}

// Asks first; false when the answer was no.
bool remove(const Context& context)
{
    const uint32_t current = context.data.getCurrent();
    const std::string question =
        removeQuestion(context.data, current, context.maps.countLinksToCurrent());
    if (context.frame.tell(question, "マップ削除", BMMessageBox::YES_NO | MB_DEFBUTTON2) != IDYES) {
        return false;
    }
    const std::string removed = currentArea(context);
    context.display.show(context.maps.removeMap());
    report(context, removed, "を削除しました。");
    return true;
}

// Asks for the position; false when cancelled or left in place.
bool move(const Context& context)
{
    const uint32_t current = context.data.getCurrent();
    BMMoveDialog dialog(currentArea(context), current, context.data.getAreaCount());
    if (dialog.showModal(context.frame.window()->getHandle()) != IDOK
        || dialog.getPosition() == current) {
        return false;
    }
    const std::string moved = currentArea(context);
    context.display.show(context.maps.moveMap(dialog.getPosition()));
    report(context, moved, HText::format("を %u 番に移動しました。", context.data.getCurrent()));
    return true;
}

bool copy(const Context& context)
{
    HClipBoard clipboard(context.frame.window()->getHandle());
    clipboard.setText(context.maps.copyMap());
    if (!clipboard.write()) {
        HLOG_INFO("OP2356:clipboard write error.");
    }
    report(context, currentArea(context), "のマップをコピーしました。");
    return true;
}

// Tells the user when there is nothing to write.
bool overwrite(const Context& context)
{
    takeClipboard(context);
    if (!context.maps.hasCopy()) {
        context.frame.tell(
            "上書きするマップがありません。先に「マップコピー」でマップをコピーしてください。",
            "マップ上書き", BMMessageBox::TELL);
        return false;
    }
    const BMChange change = context.maps.overwriteMap();
    context.display.show(change);
    report(context, currentArea(context), "のマップをコピーしたマップで上書きしました。", change.cut);
    tellCut(context, change.cut, "マップ上書き");
    return true;
}

}  // namespace

bool OP2351(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2351", window, id);
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
    case kCommandNextMap: next = current >= count ? 1 : current + 1; break;
    case kCommandPreviousMap: next = current > 1 ? current - 1 : count; break;
    case kCommandFirstMap: next = 1; break;
    case kCommandLastMap: next = count; break;
    default: frame.unknownId(); return true;
    }
    if (next != current) {
        data->setCurrent(next);
        frame.display()->getEditor().changeAreaSelection(current, next);
        frame.display()->getRenderer().resetImageBuffer();
        frame.display()->repaint();
    }
    return true;
}

std::string removeQuestion(const BMData& data, uint32_t number, uint32_t links)
{
    std::string text = "エリア " + areaText(data, number) + " とそのマップを削除します。\n";
    if (links == 0) {
        text += "他のエリアのグループのリンクでこのエリアを指すものはありません。\n";
    } else {
        text += HText::format("他のエリアのグループのリンク %u 個がこのエリアを指しています。"
                              "削除するとそれらのリンクは 0 になります。\n",
                              links);
    }
    const uint32_t count = data.getAreaCount();
    if (number < count) {
        text += HText::format("後ろのエリア (%02u～%02u) の番号が 1 つずつ繰り上がります。"
                              "ゲームの他のファイルがエリア番号を使っていれば、"
                              "合わせて直す必要があります。\n",
                              number + 1, count);
    }
    return text + "削除しますか？";
}

// Nothing to add to before a scenario is open; the rest needs a current map.
bool OP2356(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2356", window, id, BMOperationFrame::EXISTING_DATA);
    if (!frame.ready() || frame.data()->getScenarioDirectory().isEmpty()) {
        return true;
    }
    BMDisplay* display = frame.display();
    const Context context = {frame, *frame.data(), *display, display->getEditor().getMapEditor()};
    const bool map = display->getEditor().hasMap();
    switch (id) {
    case kCommandAddMap: frame.result = append(context); break;
    case kCommandRemoveMap: frame.result = map && remove(context); break;
    case kCommandMoveMap: frame.result = map && move(context); break;
    case kCommandCopyMap: frame.result = map && copy(context); break;
    case kCommandOverwriteMap: frame.result = map && overwrite(context); break;
    case kCommandInsertMap: frame.result = insert(context); break;
    default: frame.unknownId(); break;
    }
    return true;
}

}  // namespace BMOperations
