// Replace across maps against the maps as they were: random maps, layers, values and scopes.
// Exactly the cells of the replaced value in the scope change (walls and roads may take
// another chip of their kind, orders are renumbered), what did not fit the map file is
// counted, the groups and categories stay within it, and one undo gives back every byte of
// every map, redo the replaced ones.

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMMapLimits.h"
#include "editor/model/BMReplace.h"
#include "tests/editor/EditorScenario.h"

namespace {

const uint32_t kMaps = 4;

std::vector<std::string> images(const BMData& data)
{
    std::vector<std::string> all;
    for (uint32_t i = 0; i < data.getAreaCount(); ++i) {
        all.push_back(EditorScenario::image(*data.getBMap(i)));
    }
    return all;
}

// The value of the layer a replace writes, as the cell's kind: walls and roads are fitted to
// their neighbours, so a wall stays a wall but may change its chip.
uint32_t kindOf(int mode, uint32_t value)
{
    if (mode == MODE_OBJ && BMMapLimits::categoryOf(static_cast<uint8_t>(value)) >= BMMapLimits::WALL) {
        return 100 + BMMapLimits::categoryOf(static_cast<uint8_t>(value));
    }
    return value;
}

// The layers other than the replaced one, which a replace never touches.
std::vector<uint32_t> otherLayers(const ZDBMap& map, int mode, uint32_t x, uint32_t y)
{
    std::vector<uint32_t> values;
    values.push_back(mode == MODE_CHAR ? 0 : map.getCharacter(x, y));
    values.push_back(mode == MODE_HEIGHT ? 0 : map.getHeight(x, y));
    values.push_back(mode == MODE_OBJ ? 0 : map.getObject(x, y));
    values.push_back(mode == MODE_PLACEMENT ? 0 : map.getConnect(x, y));
    return values;
}

TEST(Replace, RandomReplacesChangeExactlyTheCellsOfTheValueAndUndoAsOneStep)
{
    std::mt19937 random(33);
    const int modes[] = {MODE_CHAR, MODE_OBJ, MODE_HEIGHT, MODE_PLACEMENT};
    for (int scenarioRun = 0; scenarioRun < 5; ++scenarioRun) {
        std::vector<ZDBMap> maps;
        for (uint32_t i = 0; i < kMaps; ++i) {
            maps.push_back(EditorScenario::randomMap(random, 10 + scenarioRun * 15));
        }
        EditorScenario scenario(maps);
        BMData& data = scenario.data();
        BMEditor editor;
        editor.setData(&data);
        for (int run = 0; run < 30; ++run) {
            SCOPED_TRACE("scenario " + std::to_string(scenarioRun) + " run " + std::to_string(run));
            data.setCurrent(1 + random() % kMaps);
            editor.setCellMark(-1, -1, 0, false);
            for (int i = 0; i < 300; ++i) {
                editor.setCellMark(random() % 32, random() % 32, CELL_SELECTED, true);
            }
            editor.setCursor(random() % 32, random() % 32);
            const int mode = modes[random() % 4];
            const uint32_t top = BMReplace::maximum(mode) + 1;
            // Mostly a value some map holds, so that there is something to replace.
            const uint32_t from = random() % 4 == 0
                                      ? random() % top
                                      : BMReplace::valueOf(data, mode, 1 + random() % kMaps, random() % 1024);
            uint32_t to = random() % top;
            to = to == from ? (to + 1) % top : to;
            const BMReplace::Request request{mode, from, to, static_cast<BMReplace::Scope>(random() % 3)};

            const std::vector<std::string> before = images(data);
            std::vector<ZDBMap> old;
            for (uint32_t i = 0; i < kMaps; ++i) {
                old.push_back(*data.getBMap(i));
            }
            const uint32_t current = data.getCurrent();
            const BMReplace::Count preview = BMReplace::count(editor, request);
            const size_t items = editor.getUndoList().getPosition();
            BMReplace::Count done;
            const BMChange change = BMReplace::run(editor, request, &done);

            BMReplace::Count matched;
            uint32_t leftOut = 0;
            for (uint32_t number = 1; number <= kMaps; ++number) {
                const ZDBMap& map = *data.getBMap(number - 1);
                bool any = false;
                for (uint32_t y = 0; y < 32; ++y) {
                    for (uint32_t x = 0; x < 32; ++x) {
                        const int index = static_cast<int>(y * 32 + x);
                        const bool inScope = request.scope == BMReplace::EVERY_MAP
                                             || (number == current
                                                 && (request.scope == BMReplace::CURRENT_MAP || editor.inSelection(index)));
                        const uint32_t was = BMReplace::valueOf(data, mode, number, index) ;
                        const uint32_t oldValue = mode == MODE_CHAR ? old[number - 1].getCharacter(x, y)
                                                  : mode == MODE_OBJ ? old[number - 1].getObject(x, y)
                                                  : mode == MODE_HEIGHT ? old[number - 1].getHeight(x, y)
                                                                        : old[number - 1].getConnect(x, y);
                        ASSERT_EQ(otherLayers(map, mode, x, y), otherLayers(old[number - 1], mode, x, y));
                        if (inScope && oldValue == from) {
                            any = true;
                            ++matched.cells;
                            if (kindOf(mode, was) != kindOf(mode, to)) {
                                ASSERT_EQ(kindOf(mode, was), kindOf(mode, oldValue)) << x << "," << y;
                                ++leftOut;
                            }
                        } else {
                            ASSERT_EQ(kindOf(mode, was), kindOf(mode, oldValue)) << number << ":" << x << "," << y;
                        }
                    }
                }
                matched.maps += any ? 1 : 0;
                for (uint32_t group = 0; group < 8; ++group) {
                    ASSERT_LE(map.getConnectCount(group), BMMapLimits::GROUP_CELLS);
                }
                ASSERT_EQ(map.getConnect(0, 0), 0);
            }
            EXPECT_EQ(preview.cells, matched.cells);
            EXPECT_EQ(preview.maps, matched.maps);
            EXPECT_EQ(done.cells + leftOut, matched.cells);
            EXPECT_EQ(done.leftOut, leftOut);
            uint32_t cut = change.cut.origin ? 1 : 0;
            for (uint32_t count : change.cut.groups) {
                cut += count;
            }
            for (uint32_t count : change.cut.categories) {
                cut += count;
            }
            EXPECT_LE(cut, leftOut);
            EXPECT_GE(cut + kMaps, leftOut);  // the origin is one flag for every map

            const std::vector<std::string> after = images(data);
            EXPECT_EQ(editor.getUndoList().getPosition(), items + (after != before ? 1 : 0));
            if (after != before) {
                editor.undo();
                ASSERT_EQ(images(data), before);
                editor.redo();
                ASSERT_EQ(images(data), after);
                editor.undo();
            }
        }
    }
}

}  // namespace
