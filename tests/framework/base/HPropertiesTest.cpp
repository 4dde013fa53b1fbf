#include "framework/base/HProperties.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

// Loads text as a properties file in the current folder.
bool loadText(HProperties& properties, const std::string& text)
{
    TestFolder::write("border.ini", text);
    return properties.load(HFile("border.ini"));
}

}  // namespace

// The fuzz check holds every text to the items' count, trimming and numbers; this table pins
// the items' texts.
TEST(HPropertiesSyntax, ItemsAreTrimmedSplitAtCommasAndContinuedByLinesWithoutEquals)
{
    TestFolder folder;
    HProperties p;
    ASSERT_TRUE(loadText(p, "[section]\n; comment\na = 1 , 2\r\nb=x,,y\r\nc=\r\nk=v=w\r\n"
                            "names=a,\nb,\nc\nz=9\n\nKey=1\nkey=2\n表=ソ,能\nx=1\n2"));
    struct Case {
        const char* key;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"a", {"1", "2"}},   {"b", {"x", "", "y"}}, {"c", {""}},         {"k", {"v=w"}},
        {"names", {"a", "b", "c"}},  // continued with CR LF, which trims away
        {"z", {"9"}},  // so does the empty line's
        {"Key", {"1"}},      {"key", {"2"}},        {"表", {"ソ", "能"}},
        {"x", {"1\r\n2"}},  // a line break inside an item stays
        {"[section]", {}},   {"; comment", {}},  // lines before the first key are dropped
    };
    for (const Case& c : cases) {
        ASSERT_EQ(p.getCount(c.key), c.items.size()) << c.key;
        for (size_t i = 0; i < c.items.size(); ++i) {
            EXPECT_EQ(p.getString(c.key, i), c.items[i]) << c.key << " " << i;
        }
    }
    // A second load adds to what is there; a zero byte ends the text.
    ASSERT_TRUE(loadText(p, std::string("a=3\0b=2\n", 8)));
    EXPECT_EQ(p.getString("a", 2), "3");
    EXPECT_EQ(p.getCount("b"), 3u);
    p.clear();
    EXPECT_EQ(p.getCount("a"), 0u);
}

TEST(HPropertiesLookup, AbsentKeysAreSilentOutOfRangeIndicesAndEmptyKeysAreLogged)
{
    TestFolder folder;
    LogCapture log({"info"});
    HProperties p;
    ASSERT_TRUE(loadText(p, "a=1,2\n"));
    EXPECT_EQ(p.getString("absent", 0), "");
    EXPECT_EQ(p.getInt("absent", 0), 0);
    EXPECT_FALSE(log.contains("getString:out of index"));
    HDebug::start();
    EXPECT_EQ(p.getString("a", 5), "");
    EXPECT_EQ(p.getInt("a", 2), 0);
    EXPECT_EQ(p.append("", "1"), 0u);
    EXPECT_EQ(p.getCount(""), 0u);
    EXPECT_EQ(p.append("k", " 1 ,\t2\r\n"), 2u);
    EXPECT_EQ(p.getString("k", 1), "2");
    EXPECT_EQ(log.missing({"情報：getString:out of index", "情報：append:empty key"}), "");
}

TEST(HPropertiesFile, MissingOrUnreadableFilesFailAndKeepEntries)
{
    TestFolder folder;
    LogCapture log({"info"});
    HProperties p;
    p.append("kept", "1");
    EXPECT_FALSE(p.load(HFile("missing.ini")));
    TestFolder::makeFolder("folder.ini");
    EXPECT_FALSE(p.load(HFile("folder.ini")));
    EXPECT_EQ(p.getInt("kept", 0), 1);
    std::string text = log.text();
    EXPECT_NE(text.find("情報：file is not exists:" + HFile("missing.ini").getFullPath()),
              std::string::npos);
    EXPECT_NE(text.find("情報：file read error:" + HFile("folder.ini").getFullPath()),
              std::string::npos);
}

TEST(HPropertiesFile, DumpsItsEntriesToTheDebugChannel)
{
    TestFolder folder;
    LogCapture log({"debug"});
    HProperties p;
    ASSERT_TRUE(loadText(p, "b=1,2\na=x\n"));
    std::string name = p.toString();
    EXPECT_EQ(name.compare(0, 12, "HProperties@"), 0);
    std::string text = log.text();
    size_t a = text.find(name + ":a={x}");
    size_t b = text.find(name + ":b={1,2}");
    EXPECT_NE(text.find(name + ":<prpt>"), std::string::npos);
    EXPECT_NE(a, std::string::npos);
    EXPECT_NE(b, std::string::npos);
    EXPECT_LT(a, b);
    EXPECT_NE(text.find(name + ":</prpt>"), std::string::npos);
}
