#include "editor/shell/BMAreaDialog.h"

#include <vector>

#include "editor/model/BMAreaInput.h"
#include "framework/base/HText.h"
#include "scenario/ZDAreaMapData.h"

namespace {

const char* const kCaption = "AreaData編集";
const int kWidth = 262;
const int kHeight = 236;
const int kNoteHeight = 20;  // the note on a line kept as read
const int kRow = 16;
const size_t kNameInList = 24;  // bytes of an area name in the link lists

// The value fields beside their labels, two to a row: value index (1..9) and position.
struct ValueField {
    int index;
    int x;
    int y;
};
const ValueField kValues[] = {{1, 7, 38},   {2, 132, 38}, {3, 7, 54},  {4, 92, 54}, {5, 177, 54},
                              {6, 7, 70},   {7, 132, 70}, {8, 7, 86},  {9, 132, 86}};

bool isCount(int index)
{
    return index >= 3 && index <= 5;
}

std::string valueText(int index)
{
    static const char* const kCounts[] = {"街", "壁", "道"};
    return isCount(index) ? kCounts[index - 3] : BMAreaInput::valueLabel(index);
}

// Text an edit control shows: up to a NUL, which it cannot hold.
std::string shown(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

}  // namespace

BMAreaDialog::BMAreaDialog(const ZDAreaMapData& data, uint32_t number)
    : HDialog(kCaption, kWidth, kHeight + (data.getArea(number - 1)->keepsRawLine() ? kNoteHeight : 0)),
      m_record(*data.getArea(number - 1)), m_areas(data.getAreaCount())
{
    setClassName("BMAreaDialog");
    addLabel(HText::format("エリア %02u / %02u", number, m_areas), 7, 7, 120, 10);
    m_shownName = shown(m_record.getName());
    addLabel("名前", 7, 24, 38, 10);
    addEdit(ID_NAME, m_shownName, 50, 22, 205, 12);
    for (const ValueField& field : kValues) {
        m_shownValues[field.index - 1] = std::to_string(m_record.getValue(field.index));
        int labelWidth = isCount(field.index) ? 14 : 38;
        int editWidth = isCount(field.index) ? 40 : 70;
        addLabel(valueText(field.index), field.x, field.y + 2, labelWidth, 10);
        addEdit(ID_VALUE + field.index - 1, m_shownValues[field.index - 1], field.x + labelWidth + 5,
                field.y, editWidth, 12, isCount(field.index) ? ES_READONLY : 0);
    }
    addLabel("街・壁・道の数はマップから数えます。", 7, 102, 248, 10);
    addLinks(data);
    m_shownMusic = shown(m_record.getMusic());
    addLabel("曲名", 7, 198, 38, 10);
    addEdit(ID_MUSIC, m_shownMusic, 50, 196, 205, 12);
    int buttons = kHeight - 20;
    if (m_record.keepsRawLine()) {
        addLabel("この行は書式に収まらないため読んだとおりに保存しています。"
                 "値を変えて OK を押すと書式どおりに書き直します。",
                 7, 214, 248, 18);
        buttons += kNoteHeight;
    }
    addButton(IDOK, "OK", 146, buttons, 52, 14, true);
    addButton(IDCANCEL, "キャンセル", 203, buttons, 52, 14);
}

// Each group chooses among 0 (none) and the areas by number and name; a link read from the
// file to an area that does not exist shows as one more entry, so that nothing is changed
// behind the user's back.
void BMAreaDialog::addLinks(const ZDAreaMapData& data)
{
    std::vector<std::string> items = {"0: なし"};
    for (uint32_t index = 0; index < m_areas; ++index) {
        const ZDEditArea& area = *data.getArea(index);
        items.push_back(HText::format("%u: %s", index + 1, HText::cut(shown(area.getName()), kNameInList).c_str()));
    }
    addLabel("グループの接続先", 7, 116, 120, 10);
    for (int group = 0; group < ZDArea::LINKS; ++group) {
        int32_t link = m_record.getLink(group);
        std::vector<std::string> choices = items;
        int selected = link;
        if (link < 0 || static_cast<uint32_t>(link) > m_areas) {
            choices.push_back(HText::format("%d: （エリアなし）", link));
            selected = static_cast<int>(m_areas) + 1;
        }
        int x = group < 4 ? 7 : 132;
        int y = 128 + (group % 4) * kRow;
        addLabel(std::to_string(group + 1), x, y + 2, 8, 10);
        addComboList(ID_LINK + group, choices, selected, x + 12, y, 110, 120);
    }
}

bool BMAreaDialog::refuse(int id, const std::string& message)
{
    MessageBoxA(getHandle(), message.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
    focus(id);
    return false;
}

// Every field is checked as shown; a field left as shown keeps the record's own value.
bool BMAreaDialog::onOK()
{
    ZDArea record = m_record;
    std::string name = getText(ID_NAME);
    std::string message = BMAreaInput::checkName(name);
    if (!message.empty()) {
        return refuse(ID_NAME, message);
    }
    if (name != m_shownName) {
        record.setName(name);
    }
    for (int index = 1; index <= ZDArea::VALUES; ++index) {
        std::string text = getText(ID_VALUE + index - 1);
        if (isCount(index) || text == m_shownValues[index - 1]) {
            continue;
        }
        int32_t value = 0;
        message = BMAreaInput::readNumber(valueText(index), text, &value);
        if (!message.empty()) {
            return refuse(ID_VALUE + index - 1, message);
        }
        record.setValue(index, value);
    }
    for (int group = 0; group < ZDArea::LINKS; ++group) {
        int selected = getSelection(ID_LINK + group);
        int32_t link = selected >= 0 && static_cast<uint32_t>(selected) <= m_areas ? selected
                                                                                 : m_record.getLink(group);
        message = BMAreaInput::checkLink(group, link, m_areas);
        if (!message.empty()) {
            return refuse(ID_LINK + group, message);
        }
        record.setLink(group, link);
    }
    std::string music = getText(ID_MUSIC);
    message = BMAreaInput::checkMusic(music);
    if (!message.empty()) {
        return refuse(ID_MUSIC, message);
    }
    if (music != m_shownMusic) {
        record.setMusic(music);
    }
    m_record = record;
    return true;
}
