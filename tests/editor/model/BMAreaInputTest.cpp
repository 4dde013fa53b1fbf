#include "editor/model/BMAreaInput.h"

#include <gtest/gtest.h>

// What the area data editor takes and what it refuses, with the message that names the field.
TEST(AreaInput, TakesOnlyWhatTheColumnsCarryAndNamesTheFieldOfWhatItRefuses)
{
    const struct {
        std::string name;
        std::string message;
    } kNames[] = {
        {"王都", ""},
        {"北の　砦", ""},  // a full-width blank separates nothing
        {"ソ表", ""},        // trail bytes 0x5C are no backslash and no blank
        {"", "名前を入力してください。"},
        {"a b", "名前に空白は使えません。AreaData では空白が欄の区切りです。"},
        {"a\tb", "名前に空白は使えません。AreaData では空白が欄の区切りです。"},
        {"a\r", "名前に制御文字は使えません。"},
    };
    for (const auto& c : kNames) {
        EXPECT_EQ(BMAreaInput::checkName(c.name), c.message) << c.name;
    }
    EXPECT_EQ(BMAreaInput::checkMusic(""), "");
    EXPECT_EQ(BMAreaInput::checkMusic("bgm 1"), "曲名に空白は使えません。AreaData では空白が欄の区切りです。");

    const std::string range = "値3には -2147483648 から 2147483647 までの整数を入力してください。";
    const struct {
        const char* text;
        bool taken;
        int32_t value;
    } kNumbers[] = {
        {"0", true, 0},           {"-2147483648", true, INT32_MIN}, {"2147483647", true, INT32_MAX},
        {"007", true, 7},         {"2147483648", false, 0},         {"-2147483649", false, 0},
        {"", false, 0},           {"1a", false, 0},                 {"+1", false, 0},
        {"-", false, 0},          {"1 ", false, 0},                 {"１", false, 0},
    };
    for (const auto& c : kNumbers) {
        int32_t value = -99;
        EXPECT_EQ(BMAreaInput::readNumber(BMAreaInput::valueLabel(3), c.text, &value),
                  c.taken ? "" : range) << c.text;
        EXPECT_EQ(value, c.taken ? c.value : -99) << c.text;
    }

    EXPECT_EQ(BMAreaInput::checkLink(0, 0, 16), "");
    EXPECT_EQ(BMAreaInput::checkLink(0, 16, 16), "");
    EXPECT_EQ(BMAreaInput::checkLink(2, 17, 16),
              "グループ3の接続先: エリア 17 はありません。0（なし）か 1 から 16 のエリアを選んでください。");
    EXPECT_NE(BMAreaInput::checkLink(7, -1, 16), "");
}
