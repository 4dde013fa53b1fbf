// The area data editor through the main window's command 2401 on a copy of the sample game,
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

// What one press of OK follows: texts typed into edits, entries chosen in lists.
struct Round {
    std::map<int, std::string> texts;
    std::map<int, int> choices;
};

// Answers the area data editor: each round fills in its fields and presses OK; a message box
// that refuses a round is kept and closed, and the next round goes on from there. With no
// round left the editor is closed with the last button.
class EditorAnswers {
public:
    EditorAnswers(std::vector<Round> rounds, int last)
        : m_rounds(std::move(rounds)), m_last(last),
          m_answerer([this](HWND dialog) { return answer(dialog); })
    {
    }

    std::vector<std::string> messages;
    std::map<int, std::string> shown;  // what the edits showed when the editor opened
    std::map<int, int> items;          // the entries of each list
    std::map<int, int> selected;       // the entry each list showed chosen

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
            for (int id = BMAreaDialog::ID_NAME; id <= BMAreaDialog::ID_MUSIC; ++id) {
                HWND control = GetDlgItem(dialog, id);
                if (DialogAnswerer::classOf(control) == "Edit") {
                    shown[id] = DialogAnswerer::textOf(control);
                } else {
                    items[id] = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
                    selected[id] = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
                }
            }
        }
        if (m_next == m_rounds.size()) {
            DialogAnswerer::press(dialog, m_last);
            return true;
        }
        const Round& round = m_rounds[m_next++];
        for (const auto& text : round.texts) {
            SetWindowTextA(GetDlgItem(dialog, text.first), text.second.c_str());
        }
        for (const auto& choice : round.choices) {
            SendMessageA(GetDlgItem(dialog, choice.first), CB_SETCURSEL, choice.second, 0);
        }
        m_pressed = true;
        DialogAnswerer::press(dialog, IDOK);
        return false;
    }

    std::vector<Round> m_rounds;
    int m_last;
    size_t m_next = 0;
    bool m_pressed = false;  // OK pressed, its answer not seen yet
    DialogAnswerer m_answerer;
};

class AreaEditorTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(editor.open("Default")); }
    ZDEditArea& area(uint32_t number) { return *editor.data()->getArea(number - 1); }

    EditorSession editor;
};

const int kName = BMAreaDialog::ID_NAME;
const int kMusic = BMAreaDialog::ID_MUSIC;
int value(int index) { return BMAreaDialog::ID_VALUE + index - 1; }
int link(int group) { return BMAreaDialog::ID_LINK + group; }

TEST_F(AreaEditorTest, ShowsTheRecordAndCancelChangesNothing)
{
    editor.command(2351);  // area 2
    const ZDArea before = area(2);
    EditorAnswers answers({}, IDCANCEL);
    editor.command(2401);
    EXPECT_EQ(answers.shown[kName], before.getName());
    for (int index = 1; index <= 9; ++index) {
        EXPECT_EQ(answers.shown[value(index)], std::to_string(before.getValue(index))) << index;
    }
    EXPECT_EQ(answers.shown[kMusic], before.getMusic());
    for (int group = 0; group < 8; ++group) {
        EXPECT_EQ(answers.items[link(group)], 17) << "none and the sixteen areas";
        EXPECT_EQ(answers.selected[link(group)], before.getLink(group)) << group;
    }
    EXPECT_TRUE(area(2).sameFields(before));
    EXPECT_FALSE(editor.data()->isModified());
}

// OK applies every changed field as one undo step; the counts come from the map and stay.
TEST_F(AreaEditorTest, OkAppliesTheRecordAsOneUndoStepAndASaveWritesIt)
{
    const ZDArea before = area(1);
    Round round;
    round.texts = {{kName, "砦"}, {value(1), "-7"}, {value(3), "77"}, {value(9), "2147483647"},
                   {kMusic, "war.mid"}};
    round.choices = {{link(0), 3}, {link(7), 0}};
    {
        EditorAnswers answers({round}, IDOK);
        editor.command(2401);
        EXPECT_TRUE(answers.messages.empty());
    }
    ZDArea expected = before;
    expected.setName("砦");
    expected.setValue(1, -7);
    expected.setValue(9, 2147483647);
    expected.setLink(0, 3);
    expected.setLink(7, 0);
    expected.setMusic("war.mid");
    EXPECT_TRUE(area(1).sameFields(expected));
    EXPECT_TRUE(editor.data()->isModified());

    editor.command(2151);  // undo
    EXPECT_TRUE(area(1).sameFields(before));
    EXPECT_FALSE(editor.data()->isModified());
    editor.command(2152);  // redo
    EXPECT_TRUE(area(1).sameFields(expected));

    editor.command(2103);
    std::string list = TestFolder::read("game\\Default\\Data\\AreaData");
    ZDArea saved;
    ASSERT_TRUE(saved.parseLine(list.substr(0, list.find("\r\n")), HFile(), 1));
    EXPECT_TRUE(saved.sameFields(expected));
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
        {{{kMusic, "war music"}}, {{link(6), 2}}},
        {{{kMusic, ""}}, {}},
    };
    EditorAnswers answers(rounds, IDOK);
    editor.command(2401);
    const std::vector<std::string> expected = {
        "名前に空白は使えません。AreaData では空白が欄の区切りです。",
        "値2には -2147483648 から 2147483647 までの整数を入力してください。",
        "グループ7の接続先: エリア 99 はありません。0（なし）か 1 から 16 のエリアを選んでください。",
        "曲名に空白は使えません。AreaData では空白が欄の区切りです。",
    };
    EXPECT_EQ(answers.messages, expected);
    EXPECT_EQ(answers.items[link(6)], 18) << "the link to no area is an entry of its own";
    EXPECT_EQ(answers.selected[link(6)], 17);
    EXPECT_EQ(area(1).getName(), "北の砦");
    EXPECT_EQ(area(1).getValue(2), 5);
    EXPECT_EQ(area(1).getMusic(), "");
    EXPECT_EQ(area(1).getLink(6), 2);
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
        editor.command(2401);
        EXPECT_EQ(answers.shown[kName], "砦");
    }
    EXPECT_EQ(area(1).getName(), name);
    EXPECT_EQ(area(1).getValue(6), 12);
}

}  // namespace
