#include "editor/model/BMData.h"

#include <gtest/gtest.h>

#include "tests/editor/EditorScenario.h"
#include "tests/support/LogCapture.h"

namespace {

std::vector<ZDBMap> blankMaps(size_t count)
{
    return std::vector<ZDBMap>(count);
}

}  // namespace

TEST(EditorData, AccessWithoutAMapOrOutsideTheMapReportsAndAnswersZero)
{
    EditorScenario scenario(blankMaps(2));
    BMData& data = scenario.data();
    LogCapture log({"info", "debug"});
    data.setCurrent(0);
    EXPECT_EQ(data.getByte(BMData::TYPE_CHARACTER, 0, 0, 0), 0);
    data.setCurrent(3);  // beyond the two maps: none
    EXPECT_EQ(data.getCurrent(), 0u);
    data.setCurrent(2);
    EXPECT_EQ(data.getCurrent(), 2u);
    data.setCurrent(1);
    data.setByte(BMData::TYPE_OBJECT, 7, 1, 3, 4);
    EXPECT_EQ(data.getByte(BMData::TYPE_OBJECT, 1, 32, 3), 0);  // the first column past the map
    EXPECT_EQ(data.getWord(BMData::TYPE_CONNECT_COUNT, 1, 8, 0), 0u);
    EXPECT_EQ(data.getString(BMData::TYPE_CONNECT, 1, 0, 0), "");
    data.setWord(BMData::TYPE_HEIGHT, 3, 1, 0, 0);
    EXPECT_EQ(data.getByte(BMData::TYPE_HEIGHT, 1, 0, 0), 0);
    EXPECT_EQ(data.getByte(BMData::TYPE_OBJECT, 3, 3, 4), 0);  // map 3 does not exist
    EXPECT_EQ(data.getByte(BMData::TYPE_OBJECT, 0, 3, 4), 7);
    const std::string text = log.text();
    EXPECT_NE(text.find("getByte:error out of index"), std::string::npos);
    EXPECT_NE(text.find("getByte:index=0 type=3"), std::string::npos);
    EXPECT_NE(text.find("getByte:error out of point"), std::string::npos);
    EXPECT_NE(text.find("getByte:x=32 y=3 type=4"), std::string::npos);
    EXPECT_NE(text.find("getString:error unknown type"), std::string::npos);
    EXPECT_NE(text.find("setWord:type=6"), std::string::npos);
    EXPECT_NE(text.find("getByte:index=3 type=4"), std::string::npos);
}

TEST(EditorData, StatusTextsCarryTheMapNumberCountsAndMusic)
{
    std::vector<ZDBMap> maps = blankMaps(12);
    for (uint32_t i = 0; i < 5; ++i) {
        maps[2].setObject(i, 0, 1);  // cities
    }
    for (uint32_t i = 0; i < 12; ++i) {
        maps[2].setObject(i, 2, 16);  // walls
    }
    for (uint32_t i = 0; i < 130; ++i) {
        maps[2].setObject(i % 32, 4 + i / 32, 25);  // roads
    }
    EditorScenario scenario(maps);
    BMData& data = scenario.data();
    data.setCurrent(3);
    EXPECT_EQ(data.getString(BMData::TYPE_STATUS_PAGE, 0, 0, 0),
              "[edit]         [prev]  03 / 12  [next]");
    EXPECT_EQ(data.getString(BMData::TYPE_STATUS_AREA, 0, 0, 0), " 03:area3");
    EXPECT_EQ(data.getString(BMData::TYPE_STATUS_COUNTS, 0, 0, 0), " 街:005 壁:012 道:130");
    EXPECT_EQ(data.getString(BMData::TYPE_STATUS_MUSIC, 0, 0, 0), " ♪:");
    EXPECT_EQ(data.getString(BMData::TYPE_CHARACTER, 0, 0, 0), "000");
    EXPECT_EQ(data.getString(BMData::TYPE_OBJECT, 0, 0, 0), "01");
    EXPECT_EQ(data.getString(BMData::TYPE_ORDER, 0, 3, 0), "  3");
    EXPECT_EQ(data.getString(BMData::TYPE_HEIGHT, 0, 3, 0), " 0");
}

TEST(EditorData, RestoringTheWholeMapBringsBackCellsAndCategoryCountsButNotGroupCounts)
{
    std::vector<ZDBMap> maps = blankMaps(1);
    maps[0].setObject(1, 1, 3);
    maps[0].setHeight(1, 1, 6);
    maps[0].setCharacter(2, 2, 44);
    EditorScenario scenario(maps);
    BMData& data = scenario.data();
    data.setByte(BMData::TYPE_OBJECT, 0, 0, 1, 1);
    data.setByte(BMData::TYPE_CHARACTER, 9, 0, 2, 2);
    data.setByte(BMData::TYPE_CONNECT, 2, 0, 5, 5);
    data.correct(0);
    EXPECT_EQ(data.getWord(BMData::TYPE_CITY_COUNT, 0, 0, 0), 0u);
    EXPECT_EQ(data.getArea(0)->getCityCount(), 0);
    data.restore(BMData::TYPE_MAP, 0, 0, 0);
    EXPECT_EQ(data.getByte(BMData::TYPE_OBJECT, 0, 1, 1), 3);
    EXPECT_EQ(data.getByte(BMData::TYPE_CHARACTER, 0, 2, 2), 44);
    EXPECT_EQ(data.getByte(BMData::TYPE_CONNECT, 0, 5, 5), 0);
    EXPECT_EQ(data.getWord(BMData::TYPE_CITY_COUNT, 0, 0, 0), 1u);
    EXPECT_EQ(data.getWord(BMData::TYPE_CONNECT_COUNT, 0, 1, 0), 1u);  // group 2 still counted

    data.setByte(BMData::TYPE_HEIGHT, 9, 0, 7, 7);
    data.restore(BMData::TYPE_HEIGHT, 0, 7, 7);
    EXPECT_EQ(data.getByte(BMData::TYPE_HEIGHT, 0, 7, 7), 0);
    data.setWord(BMData::TYPE_ORDER, 9, 0, 1, 1);
    data.restore(BMData::TYPE_ORDER, 0, 1, 1);
    EXPECT_EQ(data.getWord(BMData::TYPE_ORDER, 0, 1, 1), 0u);  // not the cell's height
    EXPECT_EQ(data.getByte(BMData::TYPE_LINK, 0, 0, 0), 1);  // the fixture links group 1
}
