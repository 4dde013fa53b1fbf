#include "editor/shell/BMCommandTable.h"

#include <algorithm>
#include <string>

#include "editor/shell/BMOperations.h"
#include "framework/gui/HMenuBar.h"
#include "framework/gui/HMenuItem.h"
#include "scenario/ZCCommand.h"

using namespace BMOperations;

namespace {

// Accelerator flags: every entry is a virtual key that does not flash the menu.
const uint8_t kKey = FVIRTKEY | FNOINVERT;
const uint8_t kShift = kKey | FSHIFT;
const uint8_t kCtrl = kKey | FCONTROL;
const uint8_t kCtrlShift = kCtrl | FSHIFT;
const uint8_t kAlt = kKey | FALT;
const uint8_t kAltShift = kAlt | FSHIFT;

const uint16_t MENU_BAR = BMCommandTable::MENU_BAR;
const BMCommandTable::State ENABLED = BMCommandTable::ENABLED;
const BMCommandTable::State DISABLED = BMCommandTable::DISABLED;
const BMCommandTable::State CHECKED = BMCommandTable::CHECKED;

// Every menu and item in creation order, then the commands of the panel buttons and of the
// music line. The shown key text of each item names the key that is bound to it, and each
// label says what the item does.
const std::vector<BMCommandTable::Row> kRows = {
    {MENU_BAR, kCommandFileMenu, "ﾌｧｲﾙ(&F)", "", ENABLED, 0, 0, nullptr},
    {kCommandFileMenu, kCommandOpen, "開く(&O)", "Ctrl+O", ENABLED, kCtrl, 'O', OP2101},
    {kCommandFileMenu, kCommandReload, "再読込(&R)", "F5", ENABLED, kKey, VK_F5, OP2102},
    {kCommandFileMenu, kCommandSave, "上書き保存(&S)", "Ctrl+S", ENABLED, kCtrl, 'S', OP2103},
    {kCommandFileMenu, kCommandSaveAs, "名前をつけて保存(&K)", "Shift+Ctrl+S", ENABLED, kCtrlShift, 'S', OP2104},
    {kCommandFileMenu, kCommandFileSeparator, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandFileMenu, kCommandExit, "終了(&X)", "Ctrl+Q", ENABLED, kCtrl, 'Q', OP2106},

    {MENU_BAR, kCommandEditMenu, "編集(&E)", "", ENABLED, 0, 0, nullptr},
    {kCommandEditMenu, kCommandUndo, "元に戻す(&U)", "Ctrl+Z", ENABLED, kCtrl, 'Z', OP2154},
    {kCommandEditMenu, kCommandRedo, "やり直し(&R)", "Ctrl+Y", ENABLED, kCtrl, 'Y', OP2154},
    {kCommandEditMenu, kCommandEditSeparator1, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandEditMenu, kCommandSet, "セット(&S)", "Space", ENABLED, kKey, VK_SPACE, OP2154},
    {kCommandEditMenu, kCommandCancel, "キャンセル(&B)", "BackSpace", DISABLED, kKey, VK_BACK, OP2154},
    {kCommandEditMenu, kCommandClear, "クリア(&L)", "Delete", ENABLED, kKey, VK_DELETE, OP2154},
    {kCommandEditMenu, kCommandReset, "リセット(&R)", "Ctrl+R", ENABLED, kCtrl, 'R', OP2154},
    {kCommandEditMenu, kCommandCopy, "コピー(&C)", "Ctrl+C", ENABLED, kCtrl, 'C', OP2154},
    {kCommandEditMenu, kCommandPaste, "貼り付け(&P)", "Ctrl+V", ENABLED, kCtrl, 'V', OP2154},
    {kCommandEditMenu, kCommandEditSeparator2, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandEditMenu, kCommandSetCharacter, "CHARをセット(&1)", "C", ENABLED, kKey, 'C', OP2154},
    {kCommandEditMenu, kCommandClearCharacter, "CHARをクリア(&2)", "Shift+C", ENABLED, kShift, 'C', OP2154},
    {kCommandEditMenu, kCommandSetObject, "OBJをセット(&3)", "D", ENABLED, kKey, 'D', OP2154},
    {kCommandEditMenu, kCommandClearObject, "OBJをクリア(&4)", "Shift+D", ENABLED, kShift, 'D', OP2154},
    {kCommandEditMenu, kCommandSetHeight, "高度をセット(&5)", "E", ENABLED, kKey, 'E', OP2154},
    {kCommandEditMenu, kCommandClearHeight, "高度をクリア(&6)", "Shift+E", ENABLED, kShift, 'E', OP2154},
    {kCommandEditMenu, kCommandSetPlacement, "初期配置をセット(&7)", "F", ENABLED, kKey, 'F', OP2154},
    {kCommandEditMenu, kCommandClearPlacement, "初期配置をクリア(&8)", "Shift+F", ENABLED, kShift, 'F', OP2154},
    {kCommandEditMenu, kCommandClearAll, "全部クリア(&E)", "Ctrl+D", ENABLED, kCtrl, 'D', OP2154},
    {kCommandEditMenu, kCommandReplaceSeparator, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandEditMenu, kCommandReplace, "置換...(&H)", "Shift+Ctrl+H", ENABLED, kCtrlShift, 'H', OP2641},

    // The zoom keys are the keypad's + and -; kExtraKeys adds the main keyboard's. The
    // steps' items carry the check mark of the step shown.
    {MENU_BAR, kCommandViewMenu, "表示(&V)", "", ENABLED, 0, 0, nullptr},
    {kCommandViewMenu, kCommandZoomIn, "拡大(&I)", "+", ENABLED, kKey, VK_ADD, OP2201},
    {kCommandViewMenu, kCommandZoomOut, "縮小(&U)", "-", ENABLED, kKey, VK_SUBTRACT, OP2201},
    {kCommandViewMenu, kCommandZoom25, "25%(&1)", "", ENABLED, 0, 0, OP2201},
    {kCommandViewMenu, kCommandZoom50, "50%(&2)", "", ENABLED, 0, 0, OP2201},
    {kCommandViewMenu, kCommandZoom100, "100%(&3)", "", CHECKED, 0, 0, OP2201},
    {kCommandViewMenu, kCommandZoom200, "200%(&4)", "", ENABLED, 0, 0, OP2201},
    {kCommandViewMenu, kCommandViewSeparator, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandViewMenu, kCommandShowAreaInfo, "ｴﾘｱ情報(&A)", "Alt+1", CHECKED, kAlt, '1', OP2204},
    {kCommandViewMenu, kCommandShowMiniMap, "ﾐﾆﾏｯﾌﾟ(&M)", "Alt+2", CHECKED, kAlt, '2', OP2204},
    {kCommandViewMenu, kCommandShowPalette, "ﾊﾟﾚｯﾄ(&P)", "Alt+3", CHECKED, kAlt, '3', OP2204},
    {kCommandViewMenu, kCommandShowGrid, "枠線(&B)", "Alt+4", CHECKED, kAlt, '4', OP2204},
    {kCommandViewMenu, kCommandShowCharacters, "CHAR(&B)", "Alt+Shift+5", CHECKED, kAltShift, '5', OP2204},
    {kCommandViewMenu, kCommandShowObjects, "OBJ(&B)", "Alt+Shift+6", CHECKED, kAltShift, '6', OP2204},
    {kCommandViewMenu, kCommandShowCharacterNumbers, "CHAR番号(&C)", "Alt+5", ENABLED, kAlt, '5', OP2204},
    {kCommandViewMenu, kCommandShowObjectNumbers, "OBJ番号(&O)", "Alt+6", ENABLED, kAlt, '6', OP2204},
    {kCommandViewMenu, kCommandShowObjectOrder, "OBJ順序(&I)", "Alt+9", CHECKED, kAlt, '9', OP2204},
    {kCommandViewMenu, kCommandShowHeights, "高度(&H)", "Alt+7", CHECKED, kAlt, '7', OP2204},
    {kCommandViewMenu, kCommandShowPlacements, "初期配置(&J)", "Alt+8", CHECKED, kAlt, '8', OP2204},
    {kCommandViewMenu, kCommandOverviewSeparator, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandViewMenu, kCommandOverview, "全体図(&W)", "Ctrl+G", ENABLED, kCtrl, 'G', OP2640},

    // The labels' arrows and the keys agree: left is left, right is right.
    {MENU_BAR, kCommandMoveMenu, "移動(&M)", "", ENABLED, 0, 0, nullptr},
    {kCommandMoveMenu, kCommandCursorUp, "カーソル↑(&A)", "↑", ENABLED, kKey, VK_UP, OP2251},
    {kCommandMoveMenu, kCommandCursorDown, "カーソル↓(&B)", "↓", ENABLED, kKey, VK_DOWN, OP2251},
    {kCommandMoveMenu, kCommandCursorLeft, "カーソル←(&C)", "←", ENABLED, kKey, VK_LEFT, OP2251},
    {kCommandMoveMenu, kCommandCursorRight, "カーソル→(&D)", "→", ENABLED, kKey, VK_RIGHT, OP2251},
    {kCommandMoveMenu, kCommandCursorTop, "上端へ移動(&E)", "Ctrl+↑", ENABLED, kCtrl, VK_UP, OP2251},
    {kCommandMoveMenu, kCommandCursorBottom, "下端へ移動(&F)", "Ctrl+↓", ENABLED, kCtrl, VK_DOWN, OP2251},
    {kCommandMoveMenu, kCommandCursorLeftEnd, "左端へ移動(&G)", "Ctrl+←", ENABLED, kCtrl, VK_LEFT, OP2251},
    {kCommandMoveMenu, kCommandCursorRightEnd, "右端へ移動(&H)", "Ctrl+→", ENABLED, kCtrl, VK_RIGHT, OP2251},
    {kCommandMoveMenu, kCommandCursorTopLeft, "左上の端へ(&I)", "Home", ENABLED, kKey, VK_HOME, OP2251},
    {kCommandMoveMenu, kCommandCursorBottomRight, "右下の端へ(&J)", "End", ENABLED, kKey, VK_END, OP2251},
    {kCommandMoveMenu, kCommandMoveSeparator, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandMoveMenu, kCommandScrollUp, "上へｽｸﾛｰﾙ(&1)", "PageUp", ENABLED, kKey, VK_PRIOR, OP2262},
    {kCommandMoveMenu, kCommandScrollDown, "下へｽｸﾛｰﾙ(&2)", "PageDown", ENABLED, kKey, VK_NEXT, OP2262},
    {kCommandMoveMenu, kCommandScrollRight, "右へｽｸﾛｰﾙ(&3)", "Shift+PageDown", ENABLED, kShift, VK_NEXT, OP2262},
    {kCommandMoveMenu, kCommandScrollLeft, "左へｽｸﾛｰﾙ(&4)", "Shift+PageUp", ENABLED, kShift, VK_PRIOR, OP2262},

    {MENU_BAR, kCommandSelectMenu, "選択(&S)", "", ENABLED, 0, 0, nullptr},
    {kCommandSelectMenu, kCommandMouseMode, "ﾏｳｽ入力ﾓｰﾄﾞ(&J)", "F6", ENABLED, kKey, VK_F6, OP2301},
    {kCommandSelectMenu, kCommandSelectNone, "選択解除(&E)", "ESC", ENABLED, kKey, VK_ESCAPE, OP2301},
    {kCommandSelectMenu, kCommandSelectAll, "全て選択(&A)", "Ctrl+A", ENABLED, kCtrl, 'A', OP2301},
    {kCommandSelectMenu, kCommandSelectSameValue, "同じ値を全て選択(&V)", "Shift+Ctrl+A", ENABLED, kCtrlShift, 'A', OP2301},
    {kCommandSelectMenu, kCommandSelectSeparator1, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandSelectMenu, kCommandShapeFree, "ﾌﾘｰﾊﾝﾄﾞ(&F)", "Ctrl+F", CHECKED, kCtrl, 'F', OP2305},
    {kCommandSelectMenu, kCommandShapeLine, "直線(&L)", "Ctrl+L", ENABLED, kCtrl, 'L', OP2305},
    {kCommandSelectMenu, kCommandShapeRectangle, "四角形(&S)", "Ctrl+E", ENABLED, kCtrl, 'E', OP2305},
    {kCommandSelectMenu, kCommandShapeHexagon, "六角形(&H)", "Ctrl+H", ENABLED, kCtrl, 'H', OP2305},
    {kCommandSelectMenu, kCommandShapeFill, "塗りつぶし(&P)", "Ctrl+B", ENABLED, kCtrl, 'B', OP2305},
    {kCommandSelectMenu, kCommandSelectSeparator2, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandSelectMenu, kCommandModeCharacter, "CHARﾓｰﾄﾞ(&C)", "F2", CHECKED, kKey, VK_F2, OP2310},
    {kCommandSelectMenu, kCommandModeObject, "OBJﾓｰﾄﾞ(&O)", "F3", ENABLED, kKey, VK_F3, OP2310},
    {kCommandSelectMenu, kCommandModeHeight, "高度ﾓｰﾄﾞ(&H)", "F4", ENABLED, kKey, VK_F4, OP2310},
    {kCommandSelectMenu, kCommandModePlacement, "初期配置ﾓｰﾄﾞ(&J)", "F7", ENABLED, kKey, VK_F7, OP2310},
    {kCommandSelectMenu, kCommandModeBorder, "境界ﾓｰﾄﾞ(&B)", "F8", ENABLED, kKey, VK_F8, OP2310},
    {kCommandSelectMenu, kCommandSelectSeparator3, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandSelectMenu, kCommandNextCharacter, "次のCHAR(&1)", "U", ENABLED, kKey, 'U', OP2316},
    {kCommandSelectMenu, kCommandPreviousCharacter, "前のCHAR(&2)", "Shift+U", ENABLED, kShift, 'U', OP2316},
    {kCommandSelectMenu, kCommandNextObject, "次のOBJ(&3)", "O", ENABLED, kKey, 'O', OP2316},
    {kCommandSelectMenu, kCommandPreviousObject, "前のOBJ(&4)", "Shift+O", ENABLED, kShift, 'O', OP2316},
    {kCommandSelectMenu, kCommandHeightUp, "１つ上の高度(&5)", "H", ENABLED, kKey, 'H', OP2316},
    {kCommandSelectMenu, kCommandHeightDown, "１つ下の高度(&6)", "Shift+H", ENABLED, kShift, 'H', OP2316},
    {kCommandSelectMenu, kCommandNextGroup, "次の初期配置(&7)", "I", ENABLED, kKey, 'I', OP2316},
    {kCommandSelectMenu, kCommandPreviousGroup, "前の初期配置(&8)", "Shift+I", ENABLED, kShift, 'I', OP2316},
    {kCommandSelectMenu, kCommandSelectSeparator4, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandSelectMenu, kCommandBrushLarger, "ブラシを大きく(&9)", "B", ENABLED, kKey, 'B', OP2335},
    {kCommandSelectMenu, kCommandBrushSmaller, "ブラシを小さく(&0)", "Shift+B", ENABLED, kShift, 'B', OP2335},
    {kCommandSelectMenu, kCommandEyedropper, "ｽﾎﾟｲﾄ(&K)", "K", ENABLED, kKey, 'K', OP2620},

    {MENU_BAR, kCommandDataMenu, "ﾃﾞｰﾀ(&D)", "", ENABLED, 0, 0, nullptr},
    {kCommandDataMenu, kCommandNextMap, "次のマップ(&N)", "Ctrl+PageDown", ENABLED, kCtrl, VK_NEXT, OP2351},
    {kCommandDataMenu, kCommandPreviousMap, "前のマップ(&P)", "Ctrl+PageUp", ENABLED, kCtrl, VK_PRIOR, OP2351},
    {kCommandDataMenu, kCommandFirstMap, "最初のマップ(&T)", "Ctrl+Home", ENABLED, kCtrl, VK_HOME, OP2351},
    {kCommandDataMenu, kCommandLastMap, "最後のマップ(&E)", "Ctrl+End", ENABLED, kCtrl, VK_END, OP2351},
    {kCommandDataMenu, kCommandDataSeparator, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandDataMenu, kCommandAddMap, "マップ追加(&A)", "Shift+Ctrl+K", ENABLED, kCtrlShift, 'K', OP2356},
    {kCommandDataMenu, kCommandRemoveMap, "マップ削除(&D)", "Shift+Ctrl+D", ENABLED, kCtrlShift, 'D', OP2356},
    {kCommandDataMenu, kCommandMoveMap, "マップ移動(&M)", "Shift+Ctrl+M", ENABLED, kCtrlShift, 'M', OP2356},
    {kCommandDataMenu, kCommandCopyMap, "マップコピー(&C)", "Shift+Ctrl+C", ENABLED, kCtrlShift, 'C', OP2356},
    {kCommandDataMenu, kCommandOverwriteMap, "マップ上書き(&P)", "Shift+Ctrl+V", ENABLED, kCtrlShift, 'V', OP2356},
    {kCommandDataMenu, kCommandInsertMap, "マップ挿入(&I)", "Shift+Ctrl+I", ENABLED, kCtrlShift, 'I', OP2356},

    {MENU_BAR, kCommandOtherMenu, "その他(&O)", "", ENABLED, 0, 0, nullptr},
    {kCommandOtherMenu, kCommandEditAreaData, "AreaData編集(&E)", "", ENABLED, 0, 0, OP2401},
    {kCommandOtherMenu, kCommandEditTikeiType, "TikeiType編集(&T)", "", DISABLED, 0, 0, nullptr},
    {kCommandOtherMenu, kCommandEditMoveSkill, "MoveSkill編集(&M)", "", DISABLED, 0, 0, nullptr},
    {kCommandOtherMenu, kCommandOtherSeparator1, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandOtherMenu, kCommandDeluge, "デリュージ(&D)", "", DISABLED, 0, 0, nullptr},
    {kCommandOtherMenu, kCommandVolcano, "ヴォルケーノ(&V)", "", DISABLED, 0, 0, nullptr},
    {kCommandOtherMenu, kCommandProblems, "問題一覧(&P)", "Shift+Ctrl+P", ENABLED, kCtrlShift, 'P', OP2621},
    {kCommandOtherMenu, kCommandOtherSeparator2, "-", "", ENABLED, 0, 0, nullptr},
    {kCommandOtherMenu, kCommandVersion, "ﾊﾞｰｼﾞｮﾝ情報(&A)", "", ENABLED, 0, 0, OP2408},

    // Panel buttons without a menu item: the chooser's pages and buttons, the palette's
    // placement groups, the chooser's entries and the area panel's music line.
    {MENU_BAR, kCommandChooseArea, nullptr, "", ENABLED, 0, 0, OP2204},
    {MENU_BAR, kCommandChooseCharacter, nullptr, "", ENABLED, 0, 0, OP2204},
    {MENU_BAR, kCommandChooseObject, nullptr, "", ENABLED, 0, 0, OP2204},
    {MENU_BAR, kCommandChooseHeight, nullptr, "", ENABLED, 0, 0, OP2204},
    {MENU_BAR, kCommandChoosePlacement, nullptr, "", ENABLED, 0, 0, OP2204},
    {MENU_BAR, kCommandChooserPrevious, nullptr, "", ENABLED, 0, 0, OP2204},
    {MENU_BAR, kCommandChooserNext, nullptr, "", ENABLED, 0, 0, OP2204},
    {MENU_BAR, kCommandChooserClose, nullptr, "", ENABLED, 0, 0, OP2204},
    {MENU_BAR, kCommandChooserCycle, nullptr, "", ENABLED, 0, 0, OP2204},
    {MENU_BAR, kCommandGroup1, nullptr, "", ENABLED, 0, 0, OP2316},
    {MENU_BAR, kCommandGroup2, nullptr, "", ENABLED, 0, 0, OP2316},
    {MENU_BAR, kCommandGroup3, nullptr, "", ENABLED, 0, 0, OP2316},
    {MENU_BAR, kCommandGroup4, nullptr, "", ENABLED, 0, 0, OP2316},
    {MENU_BAR, kCommandGroup5, nullptr, "", ENABLED, 0, 0, OP2316},
    {MENU_BAR, kCommandGroup6, nullptr, "", ENABLED, 0, 0, OP2316},
    {MENU_BAR, kCommandGroup7, nullptr, "", ENABLED, 0, 0, OP2316},
    {MENU_BAR, kCommandGroup8, nullptr, "", ENABLED, 0, 0, OP2316},
    {MENU_BAR, kCommandTakeChooserEntry, nullptr, "", ENABLED, 0, 0, OP2332},
    {MENU_BAR, kCommandPlayMusic, nullptr, "", ENABLED, 0, 0, OP2005},
    // The File menu's items that come and go (BMRecentMenu).
    {MENU_BAR, BMCommandId(kCommandRecentScenario + 0), nullptr, "", ENABLED, 0, 0, OP2601},
    {MENU_BAR, BMCommandId(kCommandRecentScenario + 1), nullptr, "", ENABLED, 0, 0, OP2601},
    {MENU_BAR, BMCommandId(kCommandRecentScenario + 2), nullptr, "", ENABLED, 0, 0, OP2601},
    {MENU_BAR, BMCommandId(kCommandRecentScenario + 3), nullptr, "", ENABLED, 0, 0, OP2601},
    {MENU_BAR, BMCommandId(kCommandRecentScenario + 4), nullptr, "", ENABLED, 0, 0, OP2601},
    {MENU_BAR, BMCommandId(kCommandRecentScenario + 5), nullptr, "", ENABLED, 0, 0, OP2601},
    {MENU_BAR, BMCommandId(kCommandRecentScenario + 6), nullptr, "", ENABLED, 0, 0, OP2601},
    {MENU_BAR, BMCommandId(kCommandRecentScenario + 7), nullptr, "", ENABLED, 0, 0, OP2601},
    {MENU_BAR, kCommandChooseGame, nullptr, "", ENABLED, 0, 0, OP2610},
};

// Keys bound besides the one of an item's row: the main keyboard's + (shifted, on US and
// Japanese layouts alike) and -.
const ACCEL kExtraKeys[] = {
    {kShift, VK_OEM_PLUS, kCommandZoomIn},
    {kKey, VK_OEM_MINUS, kCommandZoomOut},
};

}  // namespace

const std::vector<BMCommandTable::Row>& BMCommandTable::rows()
{
    return kRows;
}

const BMCommandTable::Row* BMCommandTable::find(uint32_t id)
{
    for (const Row& row : kRows) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

std::vector<ACCEL> BMCommandTable::accelerators()
{
    std::vector<ACCEL> keys;
    for (const Row& row : kRows) {
        if (row.keyFlags != 0) {
            keys.push_back({row.keyFlags, row.key, row.id});
        }
    }
    keys.insert(keys.end(), std::begin(kExtraKeys), std::end(kExtraKeys));
    std::stable_sort(keys.begin(), keys.end(),
                     [](const ACCEL& a, const ACCEL& b) { return a.cmd < b.cmd; });
    return keys;
}

void BMCommandTable::addHandlers(ZCCommand* command)
{
    for (const Row& row : kRows) {
        if (row.handler != nullptr) {
            command->addHandler(row.id, row.handler);
        }
    }
}

BMCommandTable::BMCommandTable(HMenuBar* bar)
{
    for (const Row& row : kRows) {
        if (row.label == nullptr) {
            continue;
        }
        HContainer* parent = bar;
        if (row.parent != MENU_BAR) {
            parent = getItem(row.parent);
        }
        std::string label = row.label;
        if (row.keyText[0] != '\0') {
            label += std::string("\t") + row.keyText;
        }
        const bool enabled = row.state != DISABLED;
        const bool checked = row.state == CHECKED;
        m_index[row.id] = m_items.size();
        m_items.push_back({std::unique_ptr<HMenuItem>(
                               new HMenuItem(parent, row.id, label, enabled, checked)),
                           enabled, checked});
    }
}

BMCommandTable::~BMCommandTable() = default;

HMenuItem* BMCommandTable::getItem(uint32_t id) const
{
    const Item* item = entry(id);
    return item != nullptr ? item->item.get() : nullptr;
}

bool BMCommandTable::isEnabled(BMCommandId id) const
{
    const Item* item = entry(id);
    return item != nullptr && item->enabled;
}

bool BMCommandTable::isChecked(BMCommandId id) const
{
    const Item* item = entry(id);
    return item != nullptr && item->checked;
}

void BMCommandTable::setEnabled(BMCommandId id, bool enabled)
{
    Item* item = entry(id);
    if (item != nullptr) {
        item->enabled = enabled;
        item->item->setEnabled(enabled);
    }
}

void BMCommandTable::setChecked(BMCommandId id, bool checked)
{
    Item* item = entry(id);
    if (item != nullptr) {
        item->checked = checked;
        item->item->setChecked(checked);
    }
}

BMCommandTable::Item* BMCommandTable::entry(uint32_t id)
{
    auto found = m_index.find(id);
    return found != m_index.end() ? &m_items[found->second] : nullptr;
}

const BMCommandTable::Item* BMCommandTable::entry(uint32_t id) const
{
    auto found = m_index.find(id);
    return found != m_index.end() ? &m_items[found->second] : nullptr;
}
