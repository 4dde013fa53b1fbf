#include "framework/base/HLineReader.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

// The fuzz check holds every text to the number of lines its breaks give, the lines' bytes
// and the skipping of empty lines; this table adds what it cannot see: no text at all and
// the exact result of trimming.
TEST(HLineReader, BreaksEmptyLinesAndTrimmingFollowTheirRules)
{
    using Lines = std::vector<std::string>;
    struct Case {
        const char* text;
        bool skipEmpty;
        bool trim;
        Lines lines;
    };
    const Case cases[] = {
        {"a\r\nb", false, false, {"a", "b"}},
        {"a\n\rb", false, false, {"a", "", "b"}},
        {"a\r\r\nb", false, false, {"a", "", "b"}},
        {"a\r\n", false, false, {"a"}},  // a break at the end adds no line
        {"\n", false, false, {""}},
        {"", false, false, {}},
        {nullptr, false, false, {}},
        {"a\n\nb", true, false, {"a", "b"}},
        {"\r\n\r\nx\r\n\r\n", true, false, {"x"}},
        {"\tx\t\n y \n", false, true, {"x", "y"}},
        {"x  y", false, true, {"x  y"}},
        {"x   \nz", false, true, {"x  ", "z"}},  // only the last blank of a trailing run goes
        {"   \nz", true, true, {"   ", "z"}},     // a line of blanks stays as it is
        {"x  \n", false, false, {"x  "}},
    };
    for (const Case& c : cases) {
        Lines lines;
        HLineReader reader(c.text, c.skipEmpty, c.trim);
        while (reader.hasNext()) {
            lines.push_back(reader.next());
        }
        EXPECT_EQ(lines, c.lines) << (c.text != nullptr ? c.text : "(none)") << " skip " << c.skipEmpty
                                  << " trim " << c.trim;
    }
}
