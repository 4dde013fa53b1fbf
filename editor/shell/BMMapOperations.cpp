#include "editor/shell/BMMapOperations.h"

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMMapEditor.h"
#include "editor/shell/BMMoveDialog.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMLimitText.h"
#include "framework/base/HText.h"
#include "framework/gui/HClipBoard.h"

namespace BMMapOperations {

namespace {

const uint32_t kStatusBar = 2004;

// What every command works with.
struct Context {
    BMWindow* window;
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
    HComponent* status = context.window->findById(kStatusBar);
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
        MessageBoxA(context.window->getHandle(),
                    BMLimitText::box(cut, "クリップボードのマップのうち、").c_str(), caption,
                    MB_OK | MB_ICONEXCLAMATION);
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
    HClipBoard clipboard(context.window->getHandle());
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
    BMOperations::openAreaEditor(context.window, context.data.getCurrent() - 1);
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
    if (MessageBoxA(context.window->getHandle(), question.c_str(), "マップ削除",
                    MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2)
        != IDYES) {
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
    if (dialog.showModal(context.window->getHandle()) != IDOK || dialog.getPosition() == current) {
        return false;
    }
    const std::string moved = currentArea(context);
    context.display.show(context.maps.moveMap(dialog.getPosition()));
    report(context, moved, HText::format("を %u 番に移動しました。", context.data.getCurrent()));
    return true;
}

bool copy(const Context& context)
{
    HClipBoard clipboard(context.window->getHandle());
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
        MessageBoxA(context.window->getHandle(),
                    "上書きするマップがありません。先に「マップコピー」でマップをコピーしてください。",
                    "マップ上書き", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const BMChange change = context.maps.overwriteMap();
    context.display.show(change);
    report(context, currentArea(context), "のマップをコピーしたマップで上書きしました。", change.cut);
    tellCut(context, change.cut, "マップ上書き");
    return true;
}

}  // namespace

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

bool OP2356(HComponent* window, uint32_t id)
{
    HLOG_START("OP2356");
    auto* main = dynamic_cast<BMWindow*>(window);
    BMData* data = main != nullptr && main->getHandle() != nullptr ? BMData::getInstance(false)
                                                                   : nullptr;
    BMDisplay* display = main != nullptr ? main->getDisplay() : nullptr;
    HDebug::debug("OP2356:%s %u %s", HText::address(window).c_str(), id,
                  HText::address(data).c_str());
    bool result = false;
    // Nothing to add to before a scenario is open; the rest needs a current map.
    if (data != nullptr && display != nullptr && !data->getScenarioDirectory().isEmpty()) {
        const Context context = {main, *data, *display, display->getEditor().getMapEditor()};
        const bool map = display->hasMap();
        switch (id) {
        case 2356: result = append(context); break;
        case 2357: result = map && remove(context); break;
        case 2358: result = map && move(context); break;
        case 2359: result = map && copy(context); break;
        case 2360: result = map && overwrite(context); break;
        case 2361: result = insert(context); break;
        default: HLOG_INFO("warning:unknown menuid."); break;
        }
    }
    HDebug::debug("OP2356:result=%d", result ? 1 : 0);
    HLOG_END("OP2356");
    return true;
}

}  // namespace BMMapOperations
