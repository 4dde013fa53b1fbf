#include "editor/shell/BMMoveDialog.h"

#include "framework/base/HText.h"

namespace {

const char* const kCaption = "マップ移動";

// Digits only, no more than a position can have: anything else is no position.
uint32_t positionOf(const std::string& text)
{
    if (text.empty() || text.size() > 6) {
        return 0;
    }
    uint32_t position = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9') {
            return 0;
        }
        position = position * 10 + static_cast<uint32_t>(digit - '0');
    }
    return position;
}

}  // namespace

BMMoveDialog::BMMoveDialog(const std::string& area, uint32_t position, uint32_t count)
    : HDialog(kCaption, 220, 92), m_count(count), m_position(position)
{
    setClassName("BMMoveDialog");
    addLabel(HText::format("エリア %s を移動する位置 (1～%u)：", area.c_str(), count), 8, 8, 204,
             10);
    addEdit(ID_POSITION, std::to_string(position), 8, 22, 50, 13, ES_NUMBER);
    addLabel("間にあるエリアの番号が変わります。ゲームの他のファイルがエリア番号を使っていれば、"
             "合わせて直す必要があります。",
             8, 40, 204, 26);
    addButton(IDOK, "OK", 108, 72, 50, 14, true);
    addButton(IDCANCEL, "キャンセル", 162, 72, 50, 14);
}

// The position stands selected, so that typing replaces it.
void BMMoveDialog::onInit()
{
    focus(ID_POSITION);
}

bool BMMoveDialog::onOK()
{
    const uint32_t position = positionOf(getText(ID_POSITION));
    if (position < 1 || position > m_count) {
        MessageBoxA(getHandle(),
                    HText::format("1 から %u までの位置を入力してください。", m_count).c_str(),
                    kCaption, MB_OK | MB_ICONEXCLAMATION);
        focus(ID_POSITION);
        return false;
    }
    m_position = position;
    return true;
}
