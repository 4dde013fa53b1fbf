#include "editor/shell/BMAreaDialog.h"

#include <vector>

#include "editor/model/BMAreaInput.h"
#include "framework/base/HText.h"
#include "scenario/ZDAreaMapData.h"

namespace {

const char* const kCaption = "AreaData編集";
const int kWidth = 262;
const int kHeight = 220;
const int kNoteHeight = 20;  // the note on a line kept as read
const size_t kNameInList = 24;  // bytes of an area name in the link lists

// The value fields beside their labels, two to a row: value index and position. Values 3 to 5
// are the counts, shown on one line of their own.
struct ValueField {
    int index;
    int x;
    int y;
};
const ValueField kValues[] = {{1, 7, 38}, {2, 132, 38}, {6, 7, 70}, {7, 132, 70}, {8, 7, 86}, {9, 132, 86}};

bool isCount(int index)
{
    return index >= 3 && index <= 5;
}

// Text an edit control shows: up to a NUL, which it cannot hold.
std::string shown(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

}  // namespace

std::string BMAreaDialog::countsText(const ZDArea& record)
{
    return HText::format("街 %d・壁 %d・道 %d（マップから数えます）", record.getCityCount(),
                         record.getWallCount(), record.getRoadCount());
}

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
        addLabel(BMAreaInput::valueLabel(field.index), field.x, field.y + 2, 38, 10);
        addEdit(ID_VALUE + field.index - 1, m_shownValues[field.index - 1], field.x + 43, field.y, 70, 12);
    }
    // Read-only: the counts come from the map (every edit of its objects counts them again).
    addLabel(countsText(m_record), 7, 56, 248, 10);
    addLinks(data);
    m_shownMusic = shown(m_record.getMusic());
    addLabel("曲名", 7, 182, 38, 10);
    addEdit(ID_MUSIC, m_shownMusic, 50, 180, 205, 12);
    int buttons = kHeight - 20;
    if (m_record.keepsRawLine()) {
        addLabel("この行は書式に収まらないため読んだとおりに保存しています。"
                 "値を変えて OK を押すと書式どおりに書き直します。",
                 7, 198, 248, 18);
        buttons += kNoteHeight;
    }
    addButton(IDOK, "OK", 146, buttons, 52, 14, true);
    addButton(IDCANCEL, "キャンセル", 203, buttons, 52, 14);
}

// Each group chooses among 0 (none) and the areas by number and name, one group at a time
// through one list (a list box of its own per group is slow to make), with the links of all
// eight shown beside it. A link read from the file to an area that does not exist shows as
// one more entry, so that nothing is changed behind the user's back.
void BMAreaDialog::addLinks(const ZDAreaMapData& data)
{
    m_areaNames = {"0: なし"};
    for (uint32_t index = 0; index < m_areas; ++index) {
        const ZDEditArea& area = *data.getArea(index);
        m_areaNames.push_back(
            HText::format("%u: %s", index + 1, HText::cut(shown(area.getName()), kNameInList).c_str()));
    }
    for (int group = 0; group < ZDArea::LINKS; ++group) {
        m_links[group] = m_record.getLink(group);
    }
    addLabel("グループの接続先", 7, 100, 120, 10);
    addLabel("グループ", 7, 114, 38, 10);
    addComboList(ID_GROUP, {"1", "2", "3", "4", "5", "6", "7", "8"}, 0, 50, 112, 34, 120);
    addLabel("の接続先", 89, 114, 36, 10);
    int selected = 0;
    std::vector<std::string> choices = linkChoices(0, &selected);
    addComboList(ID_LINK, choices, selected, 127, 112, 128, 120);
    addEdit(ID_LINKS, linkLines(0), 7, 130, 122, 42, ES_READONLY | ES_MULTILINE);
    addEdit(ID_LINKS + 1, linkLines(4), 133, 130, 122, 42, ES_READONLY | ES_MULTILINE);
}

std::vector<std::string> BMAreaDialog::linkChoices(int group, int* selected) const
{
    std::vector<std::string> choices = m_areaNames;
    int32_t link = m_links[group];
    *selected = link;
    if (link < 0 || static_cast<uint32_t>(link) > m_areas) {
        choices.push_back(HText::format("%d: （エリアなし）", link));
        *selected = static_cast<int>(m_areas) + 1;
    }
    return choices;
}

std::string BMAreaDialog::linkLines(int first) const
{
    std::string lines;
    for (int group = first; group < first + 4; ++group) {
        int selected = 0;
        std::vector<std::string> choices = linkChoices(group, &selected);
        lines += HText::format("%s%d → %s", group == first ? "" : "\r\n", group + 1,
                               choices[static_cast<size_t>(selected)].c_str());
    }
    return lines;
}

void BMAreaDialog::showGroup(int group)
{
    m_group = group;
    setSelection(ID_GROUP, group);
    HWND list = GetDlgItem(getHandle(), ID_LINK);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    int selected = 0;
    for (const std::string& choice : linkChoices(group, &selected)) {
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    }
    setSelection(ID_LINK, selected);
}

void BMAreaDialog::onCommand(int id, int code)
{
    if (code != CBN_SELCHANGE) {
        return;
    }
    if (id == ID_GROUP && getSelection(ID_GROUP) >= 0) {
        showGroup(getSelection(ID_GROUP));
    } else if (id == ID_LINK) {
        // The entry of a link to no area keeps the link as it was read.
        int selected = getSelection(ID_LINK);
        if (selected >= 0 && static_cast<uint32_t>(selected) <= m_areas) {
            m_links[m_group] = selected;
        }
        setText(ID_LINKS, linkLines(0));
        setText(ID_LINKS + 1, linkLines(4));
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
        if (isCount(index)) {
            continue;
        }
        std::string text = getText(ID_VALUE + index - 1);
        if (text == m_shownValues[index - 1]) {
            continue;
        }
        int32_t value = 0;
        message = BMAreaInput::readNumber(BMAreaInput::valueLabel(index), text, &value);
        if (!message.empty()) {
            return refuse(ID_VALUE + index - 1, message);
        }
        record.setValue(index, value);
    }
    for (int group = 0; group < ZDArea::LINKS; ++group) {
        message = BMAreaInput::checkLink(group, m_links[group], m_areas);
        if (!message.empty()) {
            showGroup(group);
            return refuse(ID_LINK, message);
        }
        record.setLink(group, m_links[group]);
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
