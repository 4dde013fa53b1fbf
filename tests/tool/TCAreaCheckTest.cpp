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

// The findings of kind the shared checks make of the record, with an empty map.
std::vector<TCFinding> findingsOf(const ZDArea& area, TCFinding::Kind kind, uint32_t areas = 16)
{
    std::vector<TCFinding> all;
    TCAreaCheck::checkArea(4, area, ZDBMap(), areas, ZDScenarioCheck::Options(), "Data\\AreaData",
                           "Data\\BMap_No4", false, &all);
    std::vector<TCFinding> findings;
    for (const TCFinding& finding : all) {
        if (finding.kind == kind) {
            findings.push_back(finding);
        }
    }
    return findings;
}

const char* const kLine =
    "Harbor             03 01  05  02  00   0   1     7   -2  00 02 00 00 00 00 00 16 BGM03";

}  // namespace

// A line the columns carry is no finding, however long; one they cannot carry is one finding
// that names every reason.
TEST(AreaCheck, ALineTheColumnsCannotCarryIsOneFindingWithEveryReason)
{
    EXPECT_TRUE(findingsOf(parse(std::string(kLine) + std::string(1100, 'm')), TCFinding::LINE).empty());

    const std::string odd = "Harbor 03 1a2 05 02 00 0 1 7 -2 00 02 00 00 00 00 00 +16 "
                            + std::string("BGM\0", 4) + " extra";
    std::vector<TCFinding> findings = findingsOf(parse(odd), TCFinding::LINE);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, TCFinding::LINE);
    EXPECT_FALSE(TCFinding::isRepairable(findings[0].kind));
    EXPECT_EQ(findings[0].line(),
              "Data\\AreaData: area 4: the columns cannot carry this line (a NUL byte; 20 fields where "
              "19 are read; value 2 \"1a2\" is not a plain number (reads as 12); link of group 8 "
              "\"+16\" is not a plain number (reads as 16)); a save writes it as read until the area "
              "is edited");

    findings = findingsOf(parse("Harbor\t"), TCFinding::LINE);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].text, "name \"Harbor\\x09\" would read back as \"Harbor\" from the columns");
}

// The list as a whole: control bytes before the terminator line (not after it), no area, and
// notes after the terminator line, each counted.
TEST(AreaCheck, TheListAsAWholeIsFoundByItsBytes)
{
    const struct {
        std::string bytes;
        uint32_t areas;
        std::string end;
        std::vector<std::string> lines;
    } kCases[] = {
        {"A 1\r\nEND", 1, "END", {}},
        {"A 1\r\nEND\r\n", 1, "END\r\n", {}},
        {"A\x01 1\r\nB\x7F\r\nEnd\r\nx\x01", 2, "End\r\nx\x01",
         {"L: 2 of the 10 bytes before the terminator line are control bytes that no text holds (the "
          "first at byte 1)",
          "L: 2 bytes follow the terminator line \"End\"; a save keeps them as they are"}},
        {std::string("\0\r\n", 3), 1, "", {}},
        {"\r\n", 0, "", {"L: the area list holds no area"}},
        {"END\rnotes", 0, "END\rnotes",
         {"L: the area list holds no area",
          "L: 5 bytes follow the terminator line \"END\"; a save keeps them as they are"}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.bytes);
        std::vector<TCFinding> findings;
        TCAreaCheck::checkList(c.bytes, c.areas, c.end, "L", &findings);
        std::vector<std::string> lines;
        for (const TCFinding& finding : findings) {
            EXPECT_FALSE(TCFinding::isRepairable(finding.kind));
            lines.push_back(finding.line());
        }
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(AreaCheck, LinksOutsideTheAreaListAreFound)
{
    ZDArea area = parse(kLine);
    area.setLink(0, 17);
    area.setLink(4, -3);
    area.setLink(7, 16);
    const std::vector<TCFinding> findings = findingsOf(area, TCFinding::LINK);
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
