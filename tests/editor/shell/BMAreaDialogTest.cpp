// The area data editor through the main window's AreaData command on a copy of the sample game,
// filled in as a user would (texts into its edits, entries chosen in its lists), with the
// message boxes it shows answered and kept.
#include "editor/shell/BMAreaDialog.h"

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "tests/editor/shell/EditorSession.h"
#include "tests/support/DialogAnswerer.h"

namespace {

// What one press of OK follows: texts typed into edits, then entries chosen in lists, in
// order.
struct Round {
    std::map<int, std::string> texts;
    std::vector<std::pair<int, int>> choices;
};

// What the lists showed when a round began.
struct Lists {
    int group;
    int linkEntries;
    int link;
};

// Answers the area data editor: each round fills in its fields and presses OK; a message box
// that refuses a round is kept and closed, and the next round goes on from there. With no
// round left the editor is closed with the last button.
class EditorAnswers {
public:
    EditorAnswers(std::vector<Round> rounds, int last, const std::string& counts = "")
        : m_rounds(std::move(rounds)), m_last(last), m_counts(counts),
          m_answerer([this](HWND dialog) { return answer(dialog); })
    {
    }

    std::vector<std::string> messages;
    std::map<int, std::string> shown;  // what the edits showed when the editor opened
    std::map<int, int> items;          // the entries of each list
    std::map<int, int> selected;       // the entry each list showed chosen
    bool counts = false;               // a label showed the counts given
    std::vector<Lists> lists;          // at the start of every round, and at the close

private:
    bool answer(HWND dialog)
    {
        if (GetDlgItem(dialog, BMAreaDialog::ID_NAME) == nullptr) {  // a message box over it
            messages.push_back(DialogAnswerer::textOf(GetDlgItem(dialog, 0xFFFF)));
            DialogAnswerer::press(dialog, IDOK);
            m_pressed = false;
            return false;
        }
        if (!IsWindowEnabled(dialog) || m_pressed) {
            return false;
        }
        if (shown.empty()) {
            counts = DialogAnswerer::findChild(dialog, "Static", m_counts) != nullptr;
            for (int id = BMAreaDialog::ID_NAME; id <= BMAreaDialog::ID_MUSIC; ++id) {
                HWND control = GetDlgItem(dialog, id);
                if (control == nullptr) {
                    continue;
                } else if (DialogAnswerer::classOf(control) == "Edit") {
                    shown[id] = DialogAnswerer::textOf(control);
                } else {
                    items[id] = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
                    selected[id] = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
                }
            }
        }
        auto selection = [dialog](int id) {
            return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
        };
        lists.push_back({selection(BMAreaDialog::ID_GROUP),
                         static_cast<int>(SendDlgItemMessageA(dialog, BMAreaDialog::ID_LINK, CB_GETCOUNT, 0, 0)),
                         selection(BMAreaDialog::ID_LINK)});
        if (m_next == m_rounds.size()) {
            DialogAnswerer::press(dialog, m_last);
            return true;
        }
        const Round& round = m_rounds[m_next++];
        for (const auto& text : round.texts) {
            SetWindowTextA(GetDlgItem(dialog, text.first), text.second.c_str());
        }
        for (const auto& choice : round.choices) {
            // As a click in the list: the choice, then its notification.
            HWND list = GetDlgItem(dialog, choice.first);
            SendMessageA(list, CB_SETCURSEL, choice.second, 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(choice.first, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
        }
        m_pressed = true;
        DialogAnswerer::press(dialog, IDOK);
        return false;
    }

    std::vector<Round> m_rounds;
    int m_last;
    std::string m_counts;
    size_t m_next = 0;
    bool m_pressed = false;  // OK pressed, its answer not seen yet
    DialogAnswerer m_answerer;
};

class AreaEditorTest : public DefaultScenarioTest {
protected:
    ZDEditArea& area(uint32_t number) { return *editor.data()->getArea(number - 1); }
};

const int kName = BMAreaDialog::ID_NAME;
const int kMusic = BMAreaDialog::ID_MUSIC;
const int kGroup = BMAreaDialog::ID_GROUP;
const int kLink = BMAreaDialog::ID_LINK;
int value(int index) { return BMAreaDialog::ID_VALUE + index - 1; }

TEST_F(AreaEditorTest, ShowsTheRecordAndCancelChangesNothing)
{
    editor.command(kCommandNextMap);  // area 2
    const ZDArea before = area(2);
    const std::string counts = BMAreaDialog::countsText(before);
    EXPECT_EQ(counts, "街 " + std::to_string(before.getCityCount()) + "・壁 " + std::to_string(before.getWallCount())
                          + "・道 " + std::to_string(before.getRoadCount()) + "（マップから数えます）");
    EditorAnswers answers({}, IDCANCEL, counts);
    editor.command(kCommandEditAreaData);
    EXPECT_EQ(answers.shown[kName], before.getName());
    for (int index : {1, 2, 6, 7, 8, 9}) {
        EXPECT_EQ(answers.shown[value(index)], std::to_string(before.getValue(index))) << index;
    }
    EXPECT_EQ(answers.shown.count(value(3)), 0u) << "the counts are no field to edit";
    EXPECT_TRUE(answers.counts);
    EXPECT_EQ(answers.shown[kMusic], before.getMusic());
    EXPECT_EQ(answers.items[kGroup], 8);
    EXPECT_EQ(answers.selected[kGroup], 0);
    EXPECT_EQ(answers.items[kLink], 17) << "none and the sixteen areas";
    EXPECT_EQ(answers.selected[kLink], before.getLink(0));
    // Every group's link, by number and name, four to a column.
    for (int column = 0; column < 2; ++column) {
        std::string lines;
        for (int group = 4 * column; group < 4 * column + 4; ++group) {
            int32_t to = before.getLink(group);
            lines += (lines.empty() ? "" : "\r\n") + std::to_string(group + 1) + " → " + std::to_string(to) + ": "
                     + (to == 0 ? std::string("なし") : area(static_cast<uint32_t>(to)).getName());
        }
        EXPECT_EQ(answers.shown[BMAreaDialog::ID_LINKS + column], lines);
    }
    EXPECT_TRUE(area(2).sameFields(before));
    EXPECT_FALSE(editor.data()->isModified());
}

// Input the columns cannot hold is refused with a message that names the field, and the
// editor stays open until what it holds can be written.
TEST_F(AreaEditorTest, RefusedInputNamesItsFieldAndKeepsTheEditorOpen)
{
    area(1).setLink(6, 99);  // as a file can hold it
    std::vector<Round> rounds = {
        {{{kName, "北の 砦"}}, {}},
        {{{kName, "北の砦"}, {value(2), "99999999999"}}, {}},
        {{{value(2), "5"}}, {}},
        {{{kMusic, "war music"}}, {{kLink, 2}, {kGroup, 7}, {kLink, 3}}},
        {{{kMusic, ""}}, {}},
    };
    EditorAnswers answers(rounds, IDOK);
    editor.command(kCommandEditAreaData);
    const std::vector<std::string> expected = {
        "名前に空白は使えません。AreaData では空白が欄の区切りです。",
        "値2には -2147483648 から 2147483647 までの整数を入力してください。",
        "グループ7の接続先: エリア 99 はありません。0（なし）か 1 から 16 のエリアを選んでください。",
        "曲名に空白は使えません。AreaData では空白が欄の区切りです。",
    };
    EXPECT_EQ(answers.messages, expected);
    // Refused, the link to no area shows in the list as an entry of its own, chosen.
    ASSERT_EQ(answers.lists.size(), 5u);
    EXPECT_EQ(answers.lists[3].group, 6);
    EXPECT_EQ(answers.lists[3].linkEntries, 18);
    EXPECT_EQ(answers.lists[3].link, 17);
    EXPECT_EQ(area(1).getName(), "北の砦");
    EXPECT_EQ(area(1).getValue(2), 5);
    EXPECT_EQ(area(1).getMusic(), "");
    EXPECT_EQ(area(1).getLink(6), 2);
    EXPECT_EQ(area(1).getLink(7), 3);
    EXPECT_NE(answers.shown[BMAreaDialog::ID_LINKS + 1].find("7 → 99: （エリアなし）"), std::string::npos);
}

// A field left as shown keeps the record's bytes, even those no edit can show; the line of an
// area edited so is written in the columns.
TEST_F(AreaEditorTest, WhatTheUserLeavesAsShownKeepsItsBytes)
{
    const std::string name("砦\0x", 4);
    area(1).setName(name);
    Round round;
    round.texts = {{value(6), "12"}};
    {
        EditorAnswers answers({round}, IDOK);
        editor.command(kCommandEditAreaData);
        EXPECT_EQ(answers.shown[kName], "砦");
    }
    EXPECT_EQ(area(1).getName(), name);
    EXPECT_EQ(area(1).getValue(6), 12);
}

}  // namespace
