// The border file the sample game ships, read as the editor reads it: its scenario takes the
// built-in table's chips of the four groups it names and no others; other scenarios keep the
// built-in table.

#include <gtest/gtest.h>

#include "editor/model/BMBorderTable.h"
#include "framework/base/HFile.h"
#include "framework/base/HProperties.h"
#include "sample/SGBorderFile.h"
#include "tests/support/TestFolder.h"

TEST(SampleBorderFile, NamesOneScenarioWithFourGroupsOfTheBuiltInTable)
{
    TestFolder folder;
    TestFolder::write("border.ini", SGBorderFile::sample());
    HProperties properties;
    ASSERT_TRUE(properties.load(HFile("border.ini")));
    BMBorderTable builtIn;
    builtIn.loadDefault();
    BMBorderTable table;
    EXPECT_FALSE(table.loadFor(properties, "Default"));
    ASSERT_TRUE(table.loadFor(properties, "Northland"));
    int chips = 0;
    for (int chip = 0; chip < BMBorderTable::CHIPS; ++chip) {
        const int group = builtIn.getGroup(chip);
        const bool kept = group == 1 || group == 4 || group == 9 || group == 10;
        EXPECT_EQ(table.getGroup(chip), kept ? group : 0) << chip;
        EXPECT_EQ(table.getMask(chip), kept ? builtIn.getMask(chip) : 0u) << chip;
        chips += table.getGroup(chip) != 0 ? 1 : 0;
    }
    EXPECT_EQ(chips, 4 * 18);
}
