#include "editor/shell/BMReplaceDialog.h"

#include "framework/base/HText.h"

namespace {

const char* const kCaption = "置換";

}  // namespace

BMReplaceDialog::BMReplaceDialog(const std::string& layer, uint32_t maximum, uint32_t from, uint32_t to,
                                 int scope, Preview preview)
    : HDialog(kCaption, 240, 118), m_maximum(maximum), m_from(from), m_to(to), m_scope(scope),
      m_preview(std::move(preview))
{
    setClassName("BMReplaceDialog");
    addLabel(HText::format("%s の値 A を B に置き換えます (0～%u)。", layer.c_str(), maximum), 8, 8, 224, 10);
    addLabel("置換する値 A：", 8, 24, 70, 10);
    addEdit(ID_FROM, std::to_string(from), 80, 22, 40, 13, ES_NUMBER);
    addLabel("新しい値 B：", 128, 24, 60, 10);
    addEdit(ID_TO, std::to_string(to), 190, 22, 40, 13, ES_NUMBER);
    addLabel("範囲：", 8, 42, 70, 10);
    addComboList(ID_SCOPE, {"選択範囲", "現在のマップ", "すべてのマップ"}, scope, 80, 40, 150, 60);
    addEdit(ID_PREVIEW, "", 8, 60, 224, 13, ES_READONLY);
    addLabel("まとめて 1 回の「元に戻す」で戻せます。", 8, 80, 224, 10);
    addButton(IDOK, "置換", 128, 98, 50, 14, true);
    addButton(IDCANCEL, "キャンセル", 182, 98, 50, 14);
}

void BMReplaceDialog::onInit()
{
    updatePreview();
    focus(ID_FROM);
}

int64_t BMReplaceDialog::valueOf(int id) const
{
    const std::string text = getText(id);
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    const int64_t value = std::stoll(text);
    return value <= static_cast<int64_t>(m_maximum) ? value : -1;
}

void BMReplaceDialog::updatePreview()
{
    const int64_t from = valueOf(ID_FROM);
    const int64_t to = valueOf(ID_TO);
    if (from < 0 || to < 0) {
        setText(ID_PREVIEW, HText::format("値は 0 から %u までです。", m_maximum));
        return;
    }
    if (from == to) {
        setText(ID_PREVIEW, "A と B が同じ値です。");
        return;
    }
    bool any = false;
    setText(ID_PREVIEW, m_preview(static_cast<uint32_t>(from), static_cast<uint32_t>(to), getSelection(ID_SCOPE), &any));
}

void BMReplaceDialog::onCommand(int id, int code)
{
    if (((id == ID_FROM || id == ID_TO) && code == EN_CHANGE) || (id == ID_SCOPE && code == CBN_SELCHANGE)) {
        updatePreview();
    }
}

void BMReplaceDialog::refuse(const std::string& text, int id)
{
    MessageBoxA(getHandle(), text.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
    focus(id);
}

bool BMReplaceDialog::onOK()
{
    const int64_t from = valueOf(ID_FROM);
    const int64_t to = valueOf(ID_TO);
    if (from < 0 || to < 0) {
        refuse(HText::format("0 から %u までの値を入力してください。", m_maximum), from < 0 ? ID_FROM : ID_TO);
        return false;
    }
    if (from == to) {
        refuse("A と B が同じ値です。", ID_TO);
        return false;
    }
    bool any = false;
    m_preview(static_cast<uint32_t>(from), static_cast<uint32_t>(to), getSelection(ID_SCOPE), &any);
    if (!any) {
        refuse("範囲の中に値 A のセルがありません。", ID_FROM);
        return false;
    }
    m_from = static_cast<uint32_t>(from);
    m_to = static_cast<uint32_t>(to);
    m_scope = getSelection(ID_SCOPE);
    return true;
}
