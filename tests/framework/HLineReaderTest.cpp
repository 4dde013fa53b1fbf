#include "framework/HLineReader.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> readAll(const char* text, bool skipEmpty, bool trim)
{
    std::vector<std::string> lines;
    HLineReader reader(text, skipEmpty, trim);
    while (reader.hasNext()) {
        lines.push_back(reader.next());
    }
    EXPECT_FALSE(reader.hasNext());
    return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(HLineReaderBreaks, CrLfLfAndCrAreEachOneBreakAndOneAtTheEndAddsNoLine)
{
    EXPECT_EQ(readAll("a\r\nb", false, false), (Lines{"a", "b"}));
    EXPECT_EQ(readAll("a\nb\rc", false, false), (Lines{"a", "b", "c"}));
    EXPECT_EQ(readAll("a\n\rb", false, false), (Lines{"a", "", "b"}));
    EXPECT_EQ(readAll("a\r\r\nb", false, false), (Lines{"a", "", "b"}));

    EXPECT_EQ(readAll("a\n", false, false), (Lines{"a"}));
    EXPECT_EQ(readAll("a\r\n", false, false), (Lines{"a"}));
    EXPECT_EQ(readAll("a", false, false), (Lines{"a"}));
    EXPECT_EQ(readAll("", false, false), (Lines{}));
    EXPECT_EQ(readAll(nullptr, false, false), (Lines{}));
    EXPECT_EQ(readAll("\n", false, false), (Lines{""}));
}

TEST(HLineReaderBreaks, EmptyLinesAreKeptOrSkipped)
{
    EXPECT_EQ(readAll("a\n\nb", false, false), (Lines{"a", "", "b"}));
    EXPECT_EQ(readAll("a\n\nb", true, false), (Lines{"a", "b"}));
    EXPECT_EQ(readAll("\n\n\n", true, false), (Lines{}));
    EXPECT_EQ(readAll("\r\n\r\nx\r\n\r\n", true, false), (Lines{"x"}));
}

TEST(HLineReaderTrim, CutsLeadingBlanksAndTheLastTrailingBlank)
{
    EXPECT_EQ(readAll("  x", false, true), (Lines{"x"}));
    EXPECT_EQ(readAll("x ", false, true), (Lines{"x"}));
    EXPECT_EQ(readAll("\tx\t\n y \n", false, true), (Lines{"x", "y"}));
    EXPECT_EQ(readAll("x  y", false, true), (Lines{"x  y"}));
    EXPECT_EQ(readAll("1,2, 3\r\n", false, true), (Lines{"1,2, 3"}));
    // Only the last blank of a trailing run goes.
    EXPECT_EQ(readAll("x   \nz", false, true), (Lines{"x  ", "z"}));
    // A line of blanks only comes back unchanged and is not empty.
    EXPECT_EQ(readAll("   \nz", true, true), (Lines{"   ", "z"}));
    EXPECT_EQ(readAll("  ", false, true), (Lines{"  "}));
    EXPECT_EQ(readAll("x  \n", false, false), (Lines{"x  "}));
}
