#include "editor/model/BMClipboardText.h"

#include <gtest/gtest.h>

namespace {

bool accepts(const std::string& text, std::vector<BMCellRecord>* records = nullptr)
{
    std::vector<BMCellRecord> read;
    std::string error;
    const bool ok = BMClipboardText::read(text, records != nullptr ? records : &read, &error);
    EXPECT_EQ(ok, error.empty()) << text;
    return ok;
}

}  // namespace

TEST(ClipboardText, ReadsWhatItWritesWhateverTheLineBreaks)
{
    BMCellRecord first;
    first.x = -31;
    first.y = 31;
    first.character = 239;
    first.object = 39;
    first.order = 1023;
    first.height = 15;
    first.group = 8;
    first.placementOrder = 1023;
    first.originRow = 31;
    BMCellRecord second;
    second.x = 1;
    const std::string text = BMClipboardText::write({first, second});
    EXPECT_EQ(text, "-31,31,239,39,1023,15,8,1023,31,0\r\n1,0,0,0,0,0,0,0,0,0");
    std::vector<BMCellRecord> records;
    ASSERT_TRUE(accepts(text, &records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].toText(), first.toText());
    EXPECT_EQ(records[1].toText(), second.toText());
    ASSERT_TRUE(accepts("\n0,0,1,0,0,0,0,0,0,0\n\r\n1,0,2,0,0,0,0,0,0,0\r2,0,3,0,0,0,0,0,0,0\r\n", &records));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].character, 3);
    EXPECT_TRUE(accepts(""));
}

TEST(ClipboardText, RefusesTheWholeTextForOneLineOutOfRange)
{
    const char* const lines[] = {
        "-32,0,0,0,0,0,0,0,0,0", "32,0,0,0,0,0,0,0,0,0",   "0,-32,0,0,0,0,0,0,0,0",
        "0,32,0,0,0,0,0,0,0,0",  "0,0,240,0,0,0,0,0,0,0",  "0,0,-1,0,0,0,0,0,0,0",
        "0,0,0,40,0,0,0,0,0,0",  "0,0,0,0,1024,0,0,0,0,0", "0,0,0,0,0,16,0,0,0,0",
        "0,0,0,0,0,0,9,0,0,0",   "0,0,0,0,0,0,0,1024,0,0", "0,0,0,0,0,0,0,0,32,0",
        "0,0,0,0,0,0,0,0,-1,0",  "0,0,0,0,0,0,0,0,0,16",   "0,0,0,0,0,0,0,0,0,4294967297",
        "0,0,250,0,0,0,0,0,0,99999999999",
    };
    for (const char* line : lines) {
        std::vector<BMCellRecord> records;
        std::string error;
        EXPECT_FALSE(BMClipboardText::read(std::string("0,0,1,0,0,0,0,0,0,0\r\n") + line, &records,
                                           &error))
            << line;
        EXPECT_TRUE(records.empty());
        EXPECT_NE(error.find(" 2 "), std::string::npos) << line;  // names the line
    }
}

TEST(ClipboardText, RefusesLinesThatAreNoRecords)
{
    const char* const texts[] = {
        "hello",
        "0,0,1,0,0,0,0,0,0",
        "0,0,1,0,0,0,0,0,0,0,0",
        "0,0,1,,0,0,0,0,0,0",
        "0,0,1,0,0,0,0,0,0,0,",
        "0,0, 1,0,0,0,0,0,0,0",
        "0,0,+1,0,0,0,0,0,0,0",
        "0,0,-,0,0,0,0,0,0,0",
        "0,0,1x,0,0,0,0,0,0,0",
    };
    for (const char* text : texts) {
        EXPECT_FALSE(accepts(text)) << text;
    }
    std::string many;
    for (int i = 0; i < 1025; ++i) {
        many += "0,0,1,0,0,0,0,0,0,0\n";
    }
    EXPECT_FALSE(accepts(many));
    EXPECT_TRUE(accepts(many.substr(many.find('\n') + 1)));
}
