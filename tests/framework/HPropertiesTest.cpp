#include "framework/HProperties.h"


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

TEST(HPropertiesSyntax, SplitsValuesIntoTrimmedItems)
{
    TestFolder folder;
    HProperties p;
    ASSERT_TRUE(loadText(p, "a = 1 , 2\r\nb=x,,y\r\nc=\r\nk=v=w\r\n"));
    EXPECT_EQ(p.getCount("a"), 2u);
    EXPECT_EQ(p.getInt("a", 0), 1);
    EXPECT_EQ(p.getInt("a", 1), 2);
    EXPECT_EQ(p.getCount("b"), 3u);
    EXPECT_EQ(p.getString("b", 1), "");
    EXPECT_EQ(p.getString("b", 2), "y");
    EXPECT_EQ(p.getCount("c"), 1u);
    EXPECT_EQ(p.getString("c", 0), "");
    EXPECT_EQ(p.getString("k", 0), "v=w");
}

TEST(HPropertiesSyntax, LinesWithoutEqualsContinueTheValue)
{
    TestFolder folder;
    HProperties p;
    ASSERT_TRUE(loadText(p, "[section]\n; comment\nnames=a,\nb,\nc\na=1\n\nz=9\nx=1\n2"));
    EXPECT_EQ(p.getCount("names"), 3u);
    EXPECT_EQ(p.getString("names", 0), "a");
    EXPECT_EQ(p.getString("names", 1), "b");
    EXPECT_EQ(p.getString("names", 2), "c");
    // The empty line continues a's value with CR LF, which trims away.
    EXPECT_EQ(p.getCount("a"), 1u);
    EXPECT_EQ(p.getString("a", 0), "1");
    EXPECT_EQ(p.getInt("z", 0), 9);
    EXPECT_EQ(p.getString("x", 0), "1\r\n2");  // a line break inside an item stays
    // Lines before the first key are dropped.
    EXPECT_EQ(p.getCount("[section]"), 0u);
    EXPECT_EQ(p.getCount("; comment"), 0u);
}

TEST(HPropertiesSyntax, AKeyGivenTwiceCollectsBothAndLoadsAdd)
{
    TestFolder folder;
    HProperties p;
    ASSERT_TRUE(loadText(p, "a=1\na=2\n"));
    EXPECT_EQ(p.getCount("a"), 2u);
    EXPECT_EQ(p.getInt("a", 1), 2);
    ASSERT_TRUE(loadText(p, "a=3\n"));
    EXPECT_EQ(p.getCount("a"), 3u);
    p.clear();
    EXPECT_EQ(p.getCount("a"), 0u);
}

TEST(HPropertiesSyntax, KeysAreCaseSensitiveShiftJisIsKeptAndAZeroByteEndsTheText)
{
    TestFolder folder;
    HProperties p;
    ASSERT_TRUE(loadText(p, "Key=1\nkey=2\n表=ソ,能\n"));
    EXPECT_EQ(p.getInt("Key", 0), 1);
    EXPECT_EQ(p.getInt("key", 0), 2);
    EXPECT_EQ(p.getString("表", 1), "能");
    ASSERT_TRUE(loadText(p, std::string("a=1\0b=2\n", 8)));
    EXPECT_EQ(p.getCount("a"), 1u);
    EXPECT_EQ(p.getCount("b"), 0u);
}

TEST(HPropertiesLookup, AbsentKeysAreSilentOutOfRangeIndicesAreLogged)
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
    EXPECT_TRUE(log.contains("情報：getString:out of index"));
}

TEST(HPropertiesLookup, AppendRefusesAnEmptyKey)
{
    TestFolder folder;
    LogCapture log({"info"});
    HProperties p;
    EXPECT_EQ(p.append("", "1"), 0u);
    EXPECT_EQ(p.getCount(""), 0u);
    EXPECT_EQ(p.append("k", " 1 ,\t2\r\n"), 2u);
    EXPECT_EQ(p.getString("k", 1), "2");
    EXPECT_TRUE(log.contains("情報：append:empty key"));
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
