#include "tool/TCMapCheck.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/MapImage.h"
#include "tool/TCDiff.h"

namespace {

using namespace MapImage;

std::vector<TCFinding> findingsOf(const ZDBMap& map)
{
    std::vector<TCFinding> findings;
    TCMapCheck::check(map, "Data\\BMap_No7", &findings);
    return findings;
}

std::vector<TCFinding> findingsOf(const Image& image)
{
    return findingsOf(load(image));
}

struct Damage {
    const char* what;
    void (*apply)(Image& image);
    TCFinding::Kind kind;
    int32_t x;
    int32_t y;
    int32_t index;
    int64_t value;
    int64_t result;
};

const Damage kDamages[] = {
    {"character out of range", [](Image& i) { i[cell(3, 4)] = 245; },
     TCFinding::CHARACTER_RANGE, 3, 4, -1, 245, 0},
    {"object out of range", [](Image& i) { i[OBJECTS + cell(5, 1)] = 45; i[ORDERS + cell(5, 1)] = 3; },
     TCFinding::OBJECT_RANGE, 5, 1, -1, 45, 0},
    {"order without object", [](Image& i) { i[ORDERS + cell(2, 9)] = 3; },
     TCFinding::ORDER_ON_EMPTY, 2, 9, -1, 3, 0},
    {"height out of range", [](Image& i) { i[HEIGHTS + cell(31, 31)] = 20; },
     TCFinding::HEIGHT_RANGE, 31, 31, -1, 20, 15},
    {"wall that does not fit", [](Image& i) {
         i[OBJECTS + cell(10, 10)] = 17;
         i[COUNTS + 4] = 1;
     },
     TCFinding::SHAPE, 10, 10, -1, 17, 16},
    {"road that does not fit", [](Image& i) {
         i[OBJECTS + cell(10, 10)] = 30;
         i[COUNTS + 8] = 1;
     },
     TCFinding::SHAPE, 10, 10, -1, 30, 25},
    {"stale city count", [](Image& i) { i[COUNTS] = 5; }, TCFinding::CITY_COUNT, -1, -1, -1, 5, 0},
    {"stale wall count", [](Image& i) { i[COUNTS + 4] = 2; }, TCFinding::WALL_COUNT, -1, -1, -1, 2, 0},
    {"stale road count", [](Image& i) { i[COUNTS + 8] = 9; }, TCFinding::ROAD_COUNT, -1, -1, -1, 9, 0},
    {"city orders with a gap", [](Image& i) {
         i[OBJECTS + cell(1, 1)] = 3;
         i[OBJECTS + cell(2, 1)] = 3;
         i[ORDERS + cell(2, 1)] = 2;
         i[COUNTS] = 2;
     },
     TCFinding::CITY_ORDER, 2, 1, -1, 2, 1},
    {"two slots naming one cell", [](Image& i) {
         putSlot(i, 3, 0, 4, 4);
         putSlot(i, 3, 1, 4, 4);
     },
     TCFinding::CONNECT_COUNT, -1, -1, 3, 2, 1},
    {"placement orders with a gap", [](Image& i) {
         putSlot(i, 2, 0, 4, 4);
         putSlot(i, 2, 5, 6, 4);
     },
     TCFinding::CONNECT_ORDER, 6, 4, 2, 5, 1},
};

}  // namespace

TEST(MapCheck, EachKindOfDamageGivesItsOneFinding)
{
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.what);
        Image image(ZDBMap::IMAGE_SIZE, 0);
        damage.apply(image);
        std::vector<TCFinding> findings = findingsOf(image);
        ASSERT_EQ(findings.size(), 1u);
        const TCFinding& f = findings[0];
        EXPECT_EQ(f.kind, damage.kind);
        EXPECT_EQ(f.file, "Data\\BMap_No7");
        EXPECT_EQ(f.map, 7u);
        EXPECT_EQ(f.x, damage.x);
        EXPECT_EQ(f.y, damage.y);
        EXPECT_EQ(f.index, damage.index);
        EXPECT_EQ(f.value, damage.value);
        EXPECT_EQ(f.result, damage.result);
        EXPECT_TRUE(TCFinding::isRepairable(f.kind));
    }
}

// More than 256 cells of one category get orders up to 299 in memory; the file keeps only the
// low byte, so each order above 255 is a finding the repair cannot mend.
TEST(MapCheck, OrdersAboveTwoFiftyFiveAreFoundAsWhatASaveWouldWrap)
{
    ZDBMap map;
    for (uint32_t i = 0; i < 300; ++i) {
        map.setObject(i % 32, i / 32, 1);
        map.setOrder(i % 32, i / 32, static_cast<uint16_t>(i));
    }
    map.setCityCount(300);
    std::vector<TCFinding> findings = findingsOf(map);
    ASSERT_EQ(findings.size(), 44u);
    for (const TCFinding& f : findings) {
        EXPECT_EQ(f.kind, TCFinding::ORDER_WRAPS);
        EXPECT_EQ(f.index, 0);  // city
        EXPECT_EQ(f.value, f.y * 32 + f.x);
        EXPECT_EQ(f.result, f.value - 256);
        EXPECT_FALSE(TCFinding::isRepairable(f.kind));
    }
}

// A map file cannot hold such cells, but a map being edited can.
TEST(MapCheck, PlacementCellsASaveWouldDropAreFound)
{
    ZDBMap map;
    for (uint32_t i = 0; i < 21; ++i) {
        map.setConnect(i + 1, 2, 4);
        map.setConnectOrder(i + 1, 2, static_cast<uint16_t>(i));
    }
    map.setConnect(0, 0, 5);
    std::vector<TCFinding> findings;
    TCMapCheck::check(map, "f", &findings);
    std::vector<TCFinding> cuts;
    for (const TCFinding& f : findings) {
        if (f.kind == TCFinding::PLACEMENT_CUT) {
            cuts.push_back(f);
        }
    }
    ASSERT_EQ(cuts.size(), 2u);
    EXPECT_EQ(cuts[0].x, 0);  // (0, 0) first: cells come in row order
    EXPECT_EQ(cuts[0].index, 5);
    EXPECT_EQ(cuts[1].x, 21);
    EXPECT_EQ(cuts[1].y, 2);
    EXPECT_EQ(cuts[1].index, 4);
    EXPECT_EQ(cuts[1].value, 20);
}

TEST(MapCheck, FileBytesAreComparedWithWhatASaveWrites)
{
    Image image(ZDBMap::IMAGE_SIZE, 0);
    ZDBMap map = load(image);
    std::vector<uint8_t> written = TCMapCheck::image(map);
    ASSERT_EQ(written, image);

    std::vector<TCFinding> findings;
    std::string bytes(image.begin(), image.end());
    TCMapCheck::checkBytes(bytes, written, false, "f", 7, &findings);
    EXPECT_TRUE(findings.empty());

    // A slot outside the map is never read, and a save leaves it empty.
    bytes[PLACEMENT + 7] = 40;
    TCMapCheck::checkBytes(bytes, written, false, "f", 7, &findings);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, TCFinding::MAP_BYTES);
    EXPECT_EQ(findings[0].index, static_cast<int32_t>(PLACEMENT + 7));
    EXPECT_EQ(findings[0].value, 40);
    EXPECT_EQ(findings[0].result, 0);

    findings.clear();
    TCMapCheck::checkBytes(bytes, written, true, "f", 7, &findings);
    EXPECT_TRUE(findings.empty());

    TCMapCheck::checkBytes(bytes.substr(0, 1000), written, true, "f", 7, &findings);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, TCFinding::MAP_SHORT);
    EXPECT_EQ(findings[0].value, 1000);
    EXPECT_EQ(findings[0].result, 4428);
    EXPECT_FALSE(TCFinding::isRepairable(findings[0].kind));

    findings.clear();
    TCMapCheck::checkBytes(bytes + "tail", written, true, "f", 7, &findings);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, TCFinding::MAP_LONG);
    EXPECT_EQ(findings[0].value, 4432);
    EXPECT_TRUE(TCFinding::isRepairable(findings[0].kind));
}

TEST(MapCheck, EveryFindingReadsAsOneLineNamingFileMapAndCell)
{
    Image image(ZDBMap::IMAGE_SIZE, 0);
    image[OBJECTS + cell(5, 1)] = 45;
    std::vector<TCFinding> findings = findingsOf(image);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].line(),
              "Data\\BMap_No7: map 7: cell (5,1): object 45 is out of range 0..39; repair sets 0 and order 0");
    for (int kind = 0; kind < TCFinding::KINDS; ++kind) {
        TCFinding finding;
        finding.kind = static_cast<TCFinding::Kind>(kind);
        std::string text = finding.line();
        EXPECT_EQ(text.find('\n'), std::string::npos) << text;
        EXPECT_NE(text.find(' '), std::string::npos) << text;
        EXPECT_STRNE(TCFinding::name(finding.kind), "unknown");
    }
}
