#include "tool/TCAreaCheck.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenario/ZDArea.h"
#include "scenario/ZDBMap.h"
#include "tool/TCDiff.h"

namespace {

ZDArea parse(const std::string& line, int number = 4)
{
    ZDArea area;
    EXPECT_TRUE(area.parseLine(line, HFile("Data\\AreaData"), number));
    return area;
}

const char* const kLine =
    "Harbor             03 01  05  02  00   0   1     7   -2  00 02 00 00 00 00 00 16 BGM03";

}  // namespace

// The editor writes a line into 1024 bytes; a longer music name comes back cut.
TEST(AreaCheck, AFieldThatDoesNotReadBackIsFoundWithBothValues)
{
    std::string music(1100, 'm');
    std::vector<TCFinding> findings;
    TCAreaCheck::checkLine(parse(std::string(kLine) + music), "Data\\AreaData", &findings);
    ASSERT_EQ(findings.size(), 1u);
    const TCFinding& f = findings[0];
    EXPECT_EQ(f.kind, TCFinding::LINE);
    EXPECT_EQ(f.map, 4u);
    EXPECT_EQ(f.index, 19);
    EXPECT_EQ(TCFinding::fieldName(f.index), "music");
    EXPECT_EQ(f.text, "BGM03" + music);
    EXPECT_LT(f.text2.size(), f.text.size());
    EXPECT_EQ(f.text.compare(0, f.text2.size(), f.text2), 0);
    EXPECT_FALSE(TCFinding::isRepairable(f.kind));
}

TEST(AreaCheck, LinksOutsideTheAreaListAreFound)
{
    ZDArea area = parse(kLine);
    area.setLink(0, 17);
    area.setLink(4, -3);
    area.setLink(7, 16);
    std::vector<TCFinding> findings;
    TCAreaCheck::checkLinks(area, 16, "Data\\AreaData", &findings);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].index, 1);
    EXPECT_EQ(findings[0].value, 17);
    EXPECT_EQ(findings[0].result, 16);
    EXPECT_EQ(findings[1].index, 5);
    EXPECT_EQ(findings[1].value, -3);
    EXPECT_EQ(findings[0].line(),
              "Data\\AreaData: area 4: placement group 1 leads to area 17, which does not exist (16 areas)");
}

TEST(Diff, CellsComeRowByRowAndLayerByLayer)
{
    ZDBMap before;
    ZDBMap after;
    after.setHeight(3, 1, 7);
    after.setCharacter(3, 1, 200);
    after.setConnectOrder(31, 0, 4);
    after.setOrder(0, 2, 300);
    std::vector<TCDiff::Cell> cells = TCDiff::cells(before, after);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0].layer, TCDiff::CONNECT_ORDER);
    EXPECT_EQ(cells[0].x, 31u);
    EXPECT_EQ(cells[1].layer, TCDiff::CHARACTER);
    EXPECT_EQ(cells[1].after, 200u);
    EXPECT_EQ(cells[2].layer, TCDiff::HEIGHT);
    EXPECT_EQ(cells[3].layer, TCDiff::ORDER);
    EXPECT_EQ(cells[3].after, 300u);
    EXPECT_STREQ(TCDiff::layerName(cells[0].layer), "group-order");
    EXPECT_TRUE(TCDiff::cells(after, after).empty());
}
