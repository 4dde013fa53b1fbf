// The problems list's checks on the editor's data: each kind of damage as a table against a
// clean scenario, and, on random maps edited at random, the list kept up by following each
// change equal to the list checked afresh.

#include "editor/model/BMProblems.h"

#include <functional>

#include <gtest/gtest.h>

#include "editor/model/BMChange.h"
#include "editor/model/BMData.h"
#include "tests/editor/EditorScenario.h"

namespace {

// Group 1 (which every area links to area 1) whole: 20 cells along row 1.
ZDBMap cleanMap()
{
    ZDBMap map;
    for (uint32_t x = 1; x <= 20; ++x) {
        map.setConnect(x, 1, 1);
    }
    map.setCharacter(5, 5, 150);
    return map;
}

std::vector<ZDProblem> problemsOf(BMData& data, const ZDScenarioCheck::Options& sheets,
                                  const std::vector<std::string>& files = {})
{
    BMProblems problems;
    problems.setOptions(sheets);
    problems.checkAll(data, files, HFile());
    EXPECT_EQ(problems.count(), problems.list().size());
    return problems.list();
}

ZDProblem problem(ZDProblem::Kind kind, uint32_t area, int x, int y, int index, int value,
                  int result, const std::string& text = "")
{
    ZDProblem made;
    made.kind = kind;
    made.area = area;
    made.x = x;
    made.y = y;
    made.index = index;
    made.value = value;
    made.result = result;
    made.text = text;
    return made;
}

TEST(Problems, EachKindOfDamageIsOneProblemWhereItIs)
{
    using Damage = std::function<void(BMData&)>;
    const struct {
        const char* name;
        Damage damage;
        int characters;  // chips the character bitmap holds
        std::vector<std::string> files;
        std::vector<ZDProblem> expected;
    } cases[] = {
        {"clean", [](BMData&) {}, 240, {"AreaData", "BMap_No3", "bmap_no2"}, {}},
        {"link to no area", [](BMData& d) { d.getArea(1)->setLink(0, 9); }, 240, {},
         {problem(ZDProblem::LINK, 2, -1, -1, 1, 9, 3)}},
        {"linked group short (to the last area)", [](BMData& d) { d.getArea(2)->setLink(3, 3); }, 240, {},
         {problem(ZDProblem::LINK_SHORT, 3, -1, -1, 4, 3, 0)}},
        {"placement on (0,0)", [](BMData& d) { d.getBMap(0)->setConnect(0, 0, 6); }, 240, {},
         {problem(ZDProblem::ORIGIN, 1, 0, 0, 6, 0, 0)}},
        {"chip beyond the bitmap", [](BMData&) {}, 140, {},
         {problem(ZDProblem::CHIP_OUTSIDE, 1, 5, 5, 0, 150, 1),
          problem(ZDProblem::CHIP_OUTSIDE, 2, 5, 5, 0, 150, 1),
          problem(ZDProblem::CHIP_OUTSIDE, 3, 5, 5, 0, 150, 1)}},
        {"count", [](BMData& d) { d.getArea(0)->setRoadCount(4); }, 240, {},
         {problem(ZDProblem::COUNT, 1, -1, -1, 2, 4, 0)}},
        {"map files", [](BMData&) {}, 240, {"BMap_No4", "BMAP_NO03", "BMap_No0", "BMap_No2x"},
         {problem(ZDProblem::MAP_UNUSED, 0, -1, -1, -1, 4, 3, "BMap_No4"),
          problem(ZDProblem::MAP_UNUSED, 0, -1, -1, -1, 3, 3, "BMAP_NO03"),
          problem(ZDProblem::MAP_UNUSED, 0, -1, -1, -1, 0, 3, "BMap_No0")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditorScenario scenario({cleanMap(), cleanMap(), cleanMap()});
        c.damage(scenario.data());
        ZDScenarioCheck::Options sheets;
        sheets.characters = c.characters;
        const std::vector<ZDProblem> found = problemsOf(scenario.data(), sheets, c.files);
        ASSERT_EQ(found.size(), c.expected.size());
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_TRUE(found[i] == c.expected[i]) << i << ": " << found[i].sentence();
            EXPECT_FALSE(found[i].sentence().empty());
        }
    }
}

// Edits of the current map, as the editor makes them, each followed by its change; now and
// then another map becomes current or a record's link changes.
TEST(Problems, FollowingEachChangeGivesTheListCheckedAfresh)
{
    std::mt19937 random(21);
    std::vector<ZDBMap> maps;
    for (int i = 0; i < 4; ++i) {
        maps.push_back(EditorScenario::randomMap(random, 20));
    }
    EditorScenario scenario(maps);
    BMData& data = scenario.data();
    ZDScenarioCheck::Options sheets;
    sheets.characters = 200;
    BMProblems kept;
    kept.setOptions(sheets);
    kept.checkAll(data, {"BMap_No9"}, HFile());
    int changes = 0;
    for (int step = 0; step < 300; ++step) {
        BMChange change;
        const uint32_t x = random() % 32;
        const uint32_t y = random() % 32;
        switch (random() % 4) {
        case 0:
            data.setByte(BMData::TYPE_CHARACTER, static_cast<uint8_t>(random() % 240), 0, x, y);
            change.data = DATA_CHARACTER;
            break;
        case 1:
            data.setByte(BMData::TYPE_CONNECT, static_cast<uint8_t>(random() % 9), 0, x % 2, y % 2);
            change.data = DATA_PLACEMENT;
            break;
        case 2:
            data.getArea(data.getCurrent() - 1)->setLink(static_cast<int>(random() % 8), static_cast<int32_t>(random() % 6));
            change.data = DATA_AREA_RECORD;
            break;
        default: data.setCurrent(1 + random() % 4); break;
        }
        changes += kept.follow(data, change) ? 1 : 0;
        const std::vector<ZDProblem> fresh = problemsOf(data, sheets, {"BMap_No9"});
        ASSERT_TRUE(kept.list() == fresh) << "step " << step;
    }
    EXPECT_GT(changes, 50);
}

}  // namespace
