#include "scenario/ZDBMap.h"

#include <gtest/gtest.h>

#include "scenario/ZDEditBMap.h"
#include "tests/support/LogCapture.h"
#include "tests/support/MapImage.h"
#include "tests/support/TestFolder.h"

namespace {

using namespace MapImage;

Image emptyImage()
{
    return Image(ZDBMap::IMAGE_SIZE, 0);
}

void putCount(Image& image, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        image[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

}  // namespace

TEST(BattleMapImage, ShortImageReadsLaterSectionsFromEarlierBytesAndIsReported)
{
    TestFolder folder;
    LogCapture log({"info", "debug"});
    Image image(10000);
    for (size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<uint8_t>(i * 13 + 1);
    }
    // Slot 0 of a placement table taken from offset 0, 3072 or 4096 names a cell of its own.
    const size_t tableOffsets[] = {0, 3072, 4096};
    for (size_t i = 0; i < 3; ++i) {
        image[tableOffsets[i]] = static_cast<uint8_t>(5 + 2 * i);
        image[tableOffsets[i] + 1] = static_cast<uint8_t>(6 + 2 * i);
    }
    struct Case {
        size_t length;
        bool ok;
        int layers;          // the four 1024-byte layers are read in order while one byte follows
        int placementAt;     // -1: no table read
        int cityAt;          // -1: count not read
        int wallAt;
        int roadAt;
    };
    const Case cases[] = {
        {0, false, 0, -1, -1, -1, -1},
        {3, false, 0, -1, -1, -1, -1},
        {4, true, 0, -1, -1, -1, 0},
        {8, true, 0, -1, 0, -1, 4},
        {9, false, 0, -1, 0, 4, -1},
        {12, true, 0, -1, 0, 4, 8},
        {320, true, 0, -1, 0, 4, 8},
        {321, false, 0, 0, -1, -1, -1},
        {324, true, 0, 0, -1, -1, 320},
        {1024, true, 0, 0, 320, 324, 328},
        {1025, false, 1, -1, -1, -1, -1},
        {4096, true, 3, 3072, 3392, 3396, 3400},
        {4427, false, 4, 4096, 4416, 4420, -1},
        {4428, true, 4, 4096, 4416, 4420, 4424},
        {4429, true, 4, 4096, 4416, 4420, 4424},
        {10000, true, 4, 4096, 4416, 4420, 4424},
    };
    auto countAt = [&image](int offset) -> uint32_t {
        if (offset < 0) {
            return 0;
        }
        return image[offset] | image[offset + 1] << 8 | image[offset + 2] << 16
            | static_cast<uint32_t>(image[offset + 3]) << 24;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        bool ok = false;
        ZDBMap map = load(image, c.length, &ok);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(map.getCharacter(1, 0), c.layers >= 1 ? image[32] : 0);
        EXPECT_EQ(map.getObject(1, 0), c.layers >= 2 ? image[OBJECTS + 32] : 0);
        EXPECT_EQ(map.getOrder(1, 0), c.layers >= 3 ? image[ORDERS + 32] : 0);
        EXPECT_EQ(map.getHeight(1, 0), c.layers >= 4 ? image[HEIGHTS + 32] : 0);
        int placed = 0;
        for (uint32_t g = 0; g < 8; ++g) {
            placed += map.getConnectCount(g);
        }
        if (c.placementAt < 0) {
            EXPECT_EQ(placed, 0);
        } else {
            uint8_t x = image[c.placementAt];
            uint8_t y = image[c.placementAt + 1];
            EXPECT_EQ(map.getConnect(x, y), 1);
            EXPECT_EQ(map.getConnectOrder(x, y), 0);
        }
        EXPECT_EQ(map.getCityCount(), countAt(c.cityAt));
        EXPECT_EQ(map.getWallCount(), countAt(c.wallAt));
        EXPECT_EQ(map.getRoadCount(), countAt(c.roadAt));
    }
    ZDBMap map;
    EXPECT_FALSE(map.createFromBytes(nullptr, 100, HFile(), 0));
    EXPECT_EQ(log.missing({"情報：createFromBytes:length error", " DBG len=4427 index=4424"}), "");
}

TEST(BattleMapPlacement, SavingKeepsEachGroupsTwentyLowestCellsAndDropsTheOrigin)
{
    ZDBMap map;
    map.setConnect(0, 0, 2);  // written into a slot as (0, 0), which reads as an empty slot
    map.setConnect(1, 0, 2);
    map.setConnectOrder(1, 0, 1);
    // 21 cells in group 5, orders given in reverse so that (order, y, x) decides.
    for (uint32_t i = 0; i < 21; ++i) {
        uint32_t x = 1 + i % 7;
        uint32_t y = 1 + i / 7;
        map.setConnect(x, y, 5);
        map.setConnectOrder(x, y, static_cast<uint16_t>(i == 20 ? 0 : 30 - i));
    }
    ZDBMap again = load(save(map));
    EXPECT_EQ(again.getConnect(0, 0), 0);
    EXPECT_EQ(again.getConnectOrder(1, 0), 1);
    again.correct();
    EXPECT_EQ(again.getConnectOrder(1, 0), 0);
    EXPECT_EQ(again.getConnectCount(1), 1);
    EXPECT_EQ(again.getConnectCount(4), 20);
    // The cell given order 0 is first; the cell with the highest order (30, i = 0) is lost.
    EXPECT_EQ(again.getConnect(7, 3), 5);
    EXPECT_EQ(again.getConnectOrder(7, 3), 0);
    EXPECT_EQ(again.getConnect(1, 1), 0);
    EXPECT_EQ(again.getConnectOrder(6, 3), 1);  // i = 19, order 11
}

TEST(BattleMapCells, OutOfRangeReadsAnswerZeroAndWritesStoreNothing)
{
    TestFolder folder;
    LogCapture log({"info", "debug"});
    ZDBMap map;
    map.setCharacter(32, 0, 1);
    map.setObject(0, 32, 1);
    map.setOrder(40, 40, 1);
    map.setHeight(UINT32_MAX, 0, 1);
    map.setConnect(0, 1024, 1);
    map.setConnectOrder(32, 31, 1);
    EXPECT_TRUE(sameCells(map, ZDBMap()));
    EXPECT_EQ(map.getCharacter(0, 32), 0);
    EXPECT_EQ(map.getConnectCount(8), 0);
    map.setHeight(31, 31, 200);  // values are stored unchecked
    EXPECT_EQ(map.getHeight(31, 31), 200);
    EXPECT_EQ(map.getHeight(32, 31), 0);
    EXPECT_EQ(log.missing({"情報：setCharacter:out of index", "情報：setObject:out of index",
                           "情報：setOrder:out of index", "情報：setHeight:out of index",
                           "情報：setConnect:out of index", "情報：setConnectOrder:out of index",
                           " DBG x=32, y=0", " DBG x=4294967295, y=0"}),
              "");
}

TEST(BattleMapCorrect, RepairsValuesOutOfRangeAndFitsTheWallsOfALoadedMap)
{
    TestFolder folder;
    LogCapture log({"info", "debug"});
    Image image = emptyImage();
    image[cell(1, 2)] = 240;
    image[cell(2, 2)] = 239;
    image[OBJECTS + cell(3, 2)] = 45;
    image[ORDERS + cell(3, 2)] = 3;
    image[ORDERS + cell(4, 2)] = 3;   // an order on an empty object
    image[HEIGHTS + cell(5, 2)] = 16;
    image[HEIGHTS + cell(6, 2)] = 15;
    for (uint32_t x = 2; x <= 6; ++x) {
        image[OBJECTS + cell(x, 4)] = 19;  // a wall line along row 4 stored with wrong chips
    }
    ZDBMap map = load(image);
    map.correct();
    EXPECT_EQ(map.getCharacter(1, 2), 0);
    EXPECT_EQ(map.getCharacter(2, 2), 239);
    EXPECT_EQ(map.getObject(3, 2), 0);
    EXPECT_EQ(map.getOrder(3, 2), 0);
    EXPECT_EQ(map.getOrder(4, 2), 0);
    EXPECT_EQ(map.getHeight(5, 2), 15);
    EXPECT_EQ(map.getHeight(6, 2), 15);
    for (uint32_t x = 2; x <= 6; ++x) {
        EXPECT_EQ(map.getObject(x, 4), 16) << x;
    }
    EXPECT_EQ(map.getWallCount(), 5u);
    EXPECT_EQ(log.missing({"情報：warn:character range orver", " DBG char(1.2)=240", "情報：warn:object range orver",
                           " DBG char(3.2)=45", "情報：warn:order number exists on empty object",
                           " DBG char(4.2)=3", "情報：warn:height range orver", " DBG char(5.2)=16"}),
              "");
}

TEST(BattleMapCorrect, RenumbersEachCategoryAndPlacementGroupByOrderThenYThenX)
{
    TestFolder folder;
    LogCapture log({"debug"});
    struct Cell {
        uint32_t x, y;
        uint8_t value;     // the object, or the placement group
        uint16_t order;
        uint16_t renumbered;
    };
    // Three cities (ties in the order broken by y, then x); a lone wall and a lone road, each
    // numbered on its own from 0; a placement group; a group number beyond 8, left alone.
    const Cell objects[] = {{0, 0, 1, 9, 2}, {3, 1, 15, 5, 1}, {2, 1, 7, 5, 0}, {10, 10, 16, 4, 0},
                            {20, 20, 25, 0, 0}};
    const Cell placements[] = {{5, 1, 3, 7, 2}, {4, 1, 3, 7, 1}, {9, 9, 3, 2, 0}, {8, 8, 9, 4, 4}};
    ZDBMap map;
    for (const Cell& c : objects) {
        map.setObject(c.x, c.y, c.value);
        map.setOrder(c.x, c.y, c.order);
    }
    for (const Cell& c : placements) {
        map.setConnect(c.x, c.y, c.value);
        map.setConnectOrder(c.x, c.y, c.order);
    }
    map.correct();
    for (const Cell& c : objects) {
        EXPECT_EQ(map.getOrder(c.x, c.y), c.renumbered) << c.x << "," << c.y;
    }
    for (const Cell& c : placements) {
        EXPECT_EQ(map.getConnect(c.x, c.y), c.value);
        EXPECT_EQ(map.getConnectOrder(c.x, c.y), c.renumbered) << c.x << "," << c.y;
    }
    EXPECT_EQ(map.getCityCount(), 3u);
    EXPECT_EQ(map.getWallCount(), 1u);
    EXPECT_EQ(map.getRoadCount(), 1u);
    EXPECT_EQ(map.getConnectCount(2), 3);
    EXPECT_FALSE(log.contains("rododr"));
    EXPECT_EQ(log.missing({" DBG correct cityCount=3", " DBG correct wallCount=1", " DBG correct roadCount=1",
                           " DBG ctyodr( 2, 1)=  5   0", " DBG ctyodr( 0, 0)=  9   2", " DBG wllodr(10,10)=  4   0",
                           " DBG correct connCount[2]=3", " DBG con[2]( 9, 9)=  2   0", " DBG con[2]( 5, 1)=  7   2"}),
              "");
}

namespace {

enum Bit { UL = 1, L = 2, DL = 4, DR = 8, R = 16, UR = 32 };

// Neighbours of (10, 10) on an even row and of (10, 11) on an odd row, written out by hand:
// odd rows are shifted half a cell towards larger x.
struct Neighbours {
    uint32_t y;
    uint32_t cells[6][2];  // UL, L, DL, DR, R, UR
};
const Neighbours kEven = {10, {{9, 9}, {9, 10}, {9, 11}, {10, 11}, {11, 10}, {10, 9}}};
const Neighbours kOdd = {11, {{10, 10}, {9, 11}, {10, 12}, {11, 12}, {11, 11}, {11, 10}}};

// Sets the centre cell and the neighbours named by mask to the chip, fits the centre only.
uint8_t fit(uint8_t chip, uint32_t mask, const Neighbours& n, uint8_t others = 0)
{
    ZDBMap map;
    map.setObject(10, n.y, chip);
    for (int bit = 0; bit < 6; ++bit) {
        uint8_t value = (mask & (1u << bit)) != 0 ? chip : others;
        map.setObject(n.cells[bit][0], n.cells[bit][1], value);
    }
    map.autoShape(10, n.y);
    return map.getObject(10, n.y);
}

struct Fitting {
    uint32_t mask;
    uint8_t wall;
    uint8_t road;
};

// Every chip's own fitting mask (a wall takes the first two-way chip that fits a road's
// three-way mask), then masks no chip fits exactly.
const Fitting kFittings[] = {
    {L | R, 16, 25},         {UL | DR, 17, 26},       {DL | UR, 18, 27},
    {UL | R, 19, 28},        {UL | DL, 20, 29},       {L | UR, 21, 30},
    {DR | UR, 22, 31},       {L | DR, 23, 32},        {DL | R, 24, 33},
    {L | DR | UR, 21, 34},   {UL | DL | R, 19, 35},   {UL | DL | UR, 18, 36},
    {UL | DR | UR, 17, 37},  {DL | DR | UR, 18, 38},  {UL | DL | DR, 17, 39},
    {0, 16, 25},             {UL, 17, 26},            {L, 16, 25},
    {DL, 18, 27},            {DR, 17, 26},            {R, 16, 25},
    {UR, 18, 27},            {UL | L | DL | DR | R | UR, 17, 39},
    {L | R | DR, 23, 32},    {UL | UR, 17, 26},
};

}  // namespace

TEST(BattleMapAutoShape, EveryFittingMaskGivesItsChipOnEvenAndOddRows)
{
    for (const Neighbours* n : {&kEven, &kOdd}) {
        for (const Fitting& f : kFittings) {
            SCOPED_TRACE(testing::Message() << "row " << n->y << " mask " << f.mask);
            EXPECT_EQ(fit(24, f.mask, *n), f.wall);
            EXPECT_EQ(fit(16, f.mask, *n), f.wall);
            EXPECT_EQ(fit(39, f.mask, *n), f.road);
            EXPECT_EQ(fit(25, f.mask, *n), f.road);
        }
    }
}

TEST(BattleMapAutoShape, OnlyNeighboursOfTheSameCategoryInsideTheMapCount)
{
    // Roads around a wall and walls around a road are nobody's neighbours.
    EXPECT_EQ(fit(16, 0, kEven, 30), 16);
    EXPECT_EQ(fit(25, 0, kOdd, 20), 25);
    EXPECT_EQ(fit(20, L | R, kEven, 5), 16);
    // Cities and empty cells keep their value.
    ZDBMap map;
    map.setObject(3, 3, 5);
    map.setObject(4, 3, 5);
    map.autoShape(3, 3);
    map.autoShape(0, 0);
    map.autoShape(32, 0);
    EXPECT_EQ(map.getObject(3, 3), 5);
    EXPECT_EQ(map.getObject(0, 0), 0);
    // Top-left corner: only right and the cells below exist.
    map.setObject(0, 0, 25);
    map.setObject(1, 0, 25);
    map.setObject(0, 1, 25);   // down-right of (0, 0) on an even row
    map.autoShape(0, 0);
    EXPECT_EQ(map.getObject(0, 0), 26);  // right and down-right: no chip has that shape
    // Bottom-right corner on an odd row: left and up-left (31, 30) exist.
    map.setObject(31, 31, 16);
    map.setObject(30, 31, 16);
    map.setObject(31, 30, 16);
    map.autoShape(31, 31);
    EXPECT_EQ(map.getObject(31, 31), 17);  // up-left sets the default; no full mask fits
}

TEST(EditableBattleMap, ComparesCellsWithTheLoadedCopyOnly)
{
    ZDBMap base;
    base.setCharacter(4, 4, 9);
    base.setCityCount(3);
    ZDEditBMap map(base);
    EXPECT_FALSE(map.isModified());
    map.setCityCount(9);
    EXPECT_FALSE(map.isModified());
    map.setNumber(77);
    EXPECT_FALSE(map.isModified());
    using Setter = void (ZDBMap::*)(uint32_t, uint32_t, uint8_t);
    for (Setter set : {&ZDBMap::setCharacter, &ZDBMap::setObject, &ZDBMap::setHeight,
                       &ZDBMap::setConnect}) {
        ZDEditBMap edited(base);
        (edited.*set)(31, 31, 1);
        EXPECT_TRUE(edited.isModified());
    }
    ZDEditBMap ordered(base);
    ordered.setOrder(0, 31, 1);
    EXPECT_TRUE(ordered.isModified());
    ZDEditBMap connected(base);
    connected.setConnectOrder(31, 0, 1);
    EXPECT_TRUE(connected.isModified());
    EXPECT_EQ(connected.getLoaded().getConnectOrder(31, 0), 0);
}

TEST(EditableBattleMap, RevertRestoresCellsAndCountsButNotPlacementCounts)
{
    Image image = emptyImage();
    putSlot(image, 1, 0, 3, 3);
    putCount(image, COUNTS, 2);
    putCount(image, COUNTS + 8, 4);
    ZDEditBMap map(load(image));
    map.setCharacter(1, 1, 50);
    map.setConnect(3, 3, 0);
    map.setConnect(5, 5, 2);
    map.setCityCount(10);
    map.setRoadCount(10);
    map.correct();
    EXPECT_EQ(map.getConnectCount(0), 0);
    map.revert();
    EXPECT_FALSE(map.isModified());
    EXPECT_EQ(map.getCharacter(1, 1), 0);
    EXPECT_EQ(map.getConnect(3, 3), 1);
    EXPECT_EQ(map.getCityCount(), 2u);
    EXPECT_EQ(map.getRoadCount(), 4u);
    EXPECT_EQ(map.getConnectCount(0), 0);  // connCount stays as it was before the revert
    EXPECT_EQ(map.getConnectCount(1), 1);
}
