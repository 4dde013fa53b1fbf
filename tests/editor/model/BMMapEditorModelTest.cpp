// The commands on the list of areas against a plain model: a list of areas (each with a name,
// values, music, links that name an area by who it is rather than by number, and its map's
// cells) and the current map, one such list per undo position. Seeded random sequences of
// insert, append, remove, move, copy, overwrite, cell edits and map changes, interleaved with
// undo and redo, are checked after every step: numbering, map files, links, counts, cells and
// the current map. At the end of a sequence undoing everything must give back the loaded
// scenario, unmodified, and redoing everything the last state; a sample of the sequences also
// saves once everything is undone and compares the files with the loaded ones byte for byte.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMMapEditor.h"
#include "tests/editor/EditorScenario.h"
#include "tests/support/BitmapFile.h"
#include "tests/support/TestFolder.h"

namespace {

const int kSequences = 400;
const int kSavedEvery = 20;
const uint32_t kAreas = 5;
const char* const kDataFolder = "S\\Data";

// Every layer of every cell and the counts of a map.
std::string cells(const ZDBMap& map)
{
    std::string state;
    state.reserve(ZDBMap::CELLS * 6 + 64);
    for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
        for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
            const uint16_t values[]
                = {map.getCharacter(x, y), map.getObject(x, y),  map.getOrder(x, y),
                   map.getHeight(x, y),    map.getConnect(x, y), map.getConnectOrder(x, y)};
            for (uint16_t value : values) {
                state += static_cast<char>(value & 0xFF);
                state += static_cast<char>(value >> 8);
            }
        }
    }
    state += std::to_string(map.getCityCount()) + "," + std::to_string(map.getWallCount()) + ","
        + std::to_string(map.getRoadCount());
    for (uint32_t group = 0; group < ZDBMap::GROUPS; ++group) {
        state += "," + std::to_string(map.getConnectCount(group));
    }
    return state;
}

// A link names an area by who it is while it names one; otherwise it is a bare number.
struct Link {
    bool names;
    int32_t value;  // the area's id, or the number
};

struct Area {
    int id;
    std::string name;
    std::string music;
    int32_t values[ZDArea::VALUES];
    Link links[ZDArea::LINKS];
    std::string map;
};

struct State {
    std::vector<Area> areas;
    uint32_t current;

    // The number a link stands for now.
    int32_t number(const Link& link) const
    {
        if (!link.names) {
            return link.value;
        }
        for (size_t i = 0; i < areas.size(); ++i) {
            if (areas[i].id == link.value) {
                return static_cast<int32_t>(i + 1);
            }
        }
        return -1000;  // never a value of the data: the model lost the area
    }

    // Bare numbers that name an area now take it (a link past the end names an area appended).
    void settle()
    {
        for (Area& area : areas) {
            for (Link& link : area.links) {
                if (!link.names && link.value >= 1
                    && static_cast<size_t>(link.value) <= areas.size()) {
                    link = {true, areas[static_cast<size_t>(link.value - 1)].id};
                }
            }
        }
    }

    // Links to the area of id become 0.
    void unlink(int id)
    {
        for (Area& area : areas) {
            for (Link& link : area.links) {
                if (link.names && link.value == id) {
                    link = {false, 0};
                }
            }
        }
    }
};

// The scenario: kAreas random maps, area lines whose counts match their maps, links to areas,
// to none (0) and to numbers that name no area, some music.
class Scenario {
public:
    Scenario()
    {
        TestFolder::makeFolder(kDataFolder);
        std::mt19937 random(11);
        // Nothing leads to the last area, so that removing it changes no other area; 6 names
        // the first area appended.
        const int32_t links[] = {0, 1, 2, 3, 4, 6, 99, -1};
        std::string list;
        for (uint32_t i = 0; i < kAreas; ++i) {
            ZDBMap map = EditorScenario::randomMap(random, static_cast<int>(i * 10));
            map.correct();
            ZDArea area;
            area.setName("area" + std::to_string(i + 1));
            for (int value = 1; value <= ZDArea::VALUES; ++value) {
                area.setValue(value, static_cast<int32_t>(random() % 50));
            }
            area.setCityCount(static_cast<int32_t>(map.getCityCount()));
            area.setWallCount(static_cast<int32_t>(map.getWallCount()));
            area.setRoadCount(static_cast<int32_t>(map.getRoadCount()));
            for (int group = 0; group < ZDArea::LINKS; ++group) {
                area.setLink(group, links[random() % (sizeof links / sizeof links[0])]);
            }
            area.setMusic(i % 2 == 0 ? "song" + std::to_string(i) : "");
            char line[1024] = {};
            area.formatLine(line, sizeof line);
            list += std::string(line) + "\r\n";
            std::string image(ZDBMap::IMAGE_SIZE, '\0');
            map.writeToBytes(reinterpret_cast<uint8_t*>(&image[0]));
            m_files.emplace_back(mapFile(i + 1), image);
        }
        m_files.emplace_back(std::string(kDataFolder) + "\\AreaData", list + "End");
        write();
        // Chip pictures of its own, so that the load never looks for them in the install
        // directory, which other tests change.
        TestFolder::makeFolder("S\\Picture");
        BitmapFile picture;
        picture.width = 1;
        picture.picture = {0x808080};
        TestFolder::write("S\\Picture\\BMAPCHAR.BMP", picture.build());
        TestFolder::write("S\\Picture\\BMAPOBJ.BMP", picture.build());
    }

    static std::string mapFile(uint32_t number)
    {
        return std::string(kDataFolder) + "\\BMap_No" + std::to_string(number);
    }

    void write() const
    {
        for (const auto& file : m_files) {
            TestFolder::write(file.first, file.second);
        }
    }

    ::testing::AssertionResult filesUnchanged() const
    {
        for (const auto& file : m_files) {
            if (TestFolder::read(file.first) != file.second) {
                return ::testing::AssertionFailure() << file.first << " differs";
            }
        }
        if (TestFolder::exists(mapFile(kAreas + 1))) {
            return ::testing::AssertionFailure() << "a map file too many";
        }
        return ::testing::AssertionSuccess();
    }

private:
    TestFolder m_folder;
    std::vector<std::pair<std::string, std::string>> m_files;
};

class Model {
public:
    Model(BMData& data, BMEditor& editor, uint32_t seed)
        : m_data(data), m_editor(editor), m_random(seed)
    {
        State state{{}, data.getCurrent()};
        for (uint32_t i = 0; i < data.getAreaCount(); ++i) {
            const ZDEditArea& record = *data.getArea(i);
            Area area{static_cast<int>(i + 1), record.getName(), record.getMusic(), {}, {},
                      cells(*data.getBMap(i))};
            for (int value = 0; value < ZDArea::VALUES; ++value) {
                area.values[value] = record.getValue(value + 1);
            }
            for (int group = 0; group < ZDArea::LINKS; ++group) {
                area.links[group] = {false, record.getLink(group)};
            }
            state.areas.push_back(area);
        }
        state.settle();
        m_nextId = static_cast<int>(state.areas.size()) + 1;
        m_history.push_back(state);
    }

    const State& expected() const { return m_history[m_position]; }
    size_t position() const { return m_position; }

    void undo()
    {
        m_editor.undo();
        m_position -= m_position > 0 ? 1 : 0;
    }

    void redo()
    {
        m_editor.redo();
        m_position += m_position + 1 < m_history.size() ? 1 : 0;
    }

    // One random command or edit; its name for a failure message.
    const char* act()
    {
        BMMapEditor& maps = m_editor.getMapEditor();
        State next = expected();
        const uint32_t count = static_cast<uint32_t>(next.areas.size());
        const uint32_t current = next.current;
        switch (m_random() % 9) {
        case 0:
            maps.appendMap();
            insert(next, count, false);
            return "append";
        case 1:
            maps.insertMap();
            insert(next, current > 0 ? current - 1 : 0, true);
            return "insert";
        case 2:
            maps.removeMap();
            if (current > 0) {
                const int id = next.areas[current - 1].id;
                next.areas.erase(next.areas.begin() + (current - 1));
                next.unlink(id);
                next.current = current <= next.areas.size()
                    ? current
                    : static_cast<uint32_t>(next.areas.size());
                added(next);
            }
            return "remove";
        case 3: {
            const uint32_t to = 1 + m_random() % (count + 1);  // count + 1 is refused
            maps.moveMap(to);
            if (current > 0 && to <= count && to != current) {
                const Area moved = next.areas[current - 1];
                next.areas.erase(next.areas.begin() + (current - 1));
                next.areas.insert(next.areas.begin() + (to - 1), moved);
                next.current = to;
                added(next);
            }
            return "move";
        }
        case 4:
            copy();
            return "copy";
        case 5:
            maps.overwriteMap();
            if (current > 0 && m_copied) {
                Area& area = next.areas[current - 1];
                area.map = m_copy.map;
                area.values[2] = m_copy.values[2];
                area.values[3] = m_copy.values[3];
                area.values[4] = m_copy.values[4];
                added(next);
            }
            return "overwrite";
        case 6:
            edit(next);
            return "cell edit";
        default: {
            const uint32_t to = count > 0 ? 1 + m_random() % count : 0;
            if (to != current) {
                m_data.setCurrent(to);
                m_editor.changeAreaSelection(current, to);
                next.current = to;
                added(next);
            }
            return "map change";
        }
        }
    }

    // False with a message where the data left the model.
    ::testing::AssertionResult matches() const
    {
        const State& state = expected();
        if (m_editor.getUndoList().getPosition() != m_position) {
            return ::testing::AssertionFailure()
                << "undo position " << m_editor.getUndoList().getPosition() << ", model "
                << m_position;
        }
        if (m_data.getAreaCount() != state.areas.size() || m_data.getCurrent() != state.current) {
            return ::testing::AssertionFailure()
                << m_data.getAreaCount() << " areas, map " << m_data.getCurrent() << "; model "
                << state.areas.size() << ", " << state.current;
        }
        const std::string folder = m_data.getAreaDataFile().getDirectory();
        uint32_t linksToCurrent = 0;
        for (uint32_t i = 0; i < m_data.getAreaCount(); ++i) {
            const ZDEditArea& area = *m_data.getArea(i);
            const ZDEditBMap& map = *m_data.getBMap(i);
            const Area& model = state.areas[i];
            const int32_t number = static_cast<int32_t>(i + 1);
            if (area.getNumber() != number || map.getNumber() != i + 1
                || map.getFile().getName() != "BMap_No" + std::to_string(i + 1)
                || map.getFile().getDirectory() != folder) {
                return ::testing::AssertionFailure()
                    << "area " << i + 1 << " numbered " << area.getNumber() << ", its map "
                    << map.getNumber() << " in " << map.getFile().getPath();
            }
            if (area.getName() != model.name || area.getMusic() != model.music) {
                return ::testing::AssertionFailure()
                    << "area " << number << " is " << area.getName() << ", model " << model.name;
            }
            for (int value = 0; value < ZDArea::VALUES; ++value) {
                if (area.getValue(value + 1) != model.values[value]) {
                    return ::testing::AssertionFailure()
                        << "area " << number << " value " << value + 1;
                }
            }
            for (int group = 0; group < ZDArea::LINKS; ++group) {
                if (area.getLink(group) != state.number(model.links[group])) {
                    return ::testing::AssertionFailure()
                        << "area " << number << " link " << group + 1 << " is "
                        << area.getLink(group) << ", model " << state.number(model.links[group]);
                }
                linksToCurrent += i + 1 != state.current
                    && area.getLink(group) == static_cast<int32_t>(state.current);
            }
            if (cells(map) != model.map) {
                return ::testing::AssertionFailure() << "map " << number << " differs";
            }
        }
        if (m_data.isModified() != differs(state, m_history[0])) {
            return ::testing::AssertionFailure() << "modified: " << m_data.isModified();
        }
        if (m_editor.getMapEditor().countLinksToCurrent()
            != (state.current > 0 ? linksToCurrent : 0)) {
            return ::testing::AssertionFailure()
                << "links to the current area: " << m_editor.getMapEditor().countLinksToCurrent()
                << ", counted " << linksToCurrent;
        }
        return ::testing::AssertionSuccess();
    }

private:
    // Whether the list differs from the loaded one: another count, another area at a place,
    // or an area whose fields, link numbers or cells changed.
    static bool differs(const State& state, const State& loaded)
    {
        if (state.areas.size() != loaded.areas.size()) {
            return true;
        }
        for (size_t i = 0; i < state.areas.size(); ++i) {
            const Area& area = state.areas[i];
            const Area& before = loaded.areas[i];
            if (area.id != before.id || area.name != before.name || area.music != before.music
                || area.map != before.map
                || !std::equal(area.values, area.values + ZDArea::VALUES, before.values)) {
                return true;
            }
            for (int group = 0; group < ZDArea::LINKS; ++group) {
                if (state.number(area.links[group]) != loaded.number(before.links[group])) {
                    return true;
                }
            }
        }
        return false;
    }

    // The command made one undo item: next is the model after it.
    void added(State next)
    {
        next.settle();
        m_history.resize(m_position + 1);
        m_history.push_back(next);
        ++m_position;
    }

    // A new area at index; an insert's map is the buffer's, an append's empty.
    void insert(State next, uint32_t index, bool copied)
    {
        Area area;
        area.id = m_nextId++;
        area.name = BMMapEditor::proposedName(index + 1);
        area.music.clear();
        for (int32_t& value : area.values) {
            value = 0;
        }
        for (Link& link : area.links) {
            link = {false, 0};
        }
        area.map = copied && m_copied ? m_copy.map : cells(ZDBMap());
        if (copied && m_copied) {
            area.values[2] = m_copy.values[2];
            area.values[3] = m_copy.values[3];
            area.values[4] = m_copy.values[4];
        }
        next.areas.insert(next.areas.begin() + index, area);
        next.current = index + 1;
        added(next);
    }

    // The map buffer takes the current map, another map's clipboard text, or refuses a text
    // that is not a whole map.
    void copy()
    {
        BMMapEditor& maps = m_editor.getMapEditor();
        const State& state = expected();
        const uint32_t count = static_cast<uint32_t>(state.areas.size());
        if (m_random() % 2 == 0 || count == 0) {
            const std::string text = maps.copyMap();
            EXPECT_EQ(text.empty(), state.current == 0);
            if (state.current > 0) {
                take(state.areas[state.current - 1]);
                ZDBMap read;
                EXPECT_TRUE(BMMapEditor::readMapText(text, &read));
                EXPECT_EQ(cells(read), m_copy.map);
            }
            return;
        }
        const uint32_t source = m_random() % count;
        std::string text = BMMapEditor::writeMapText(*m_data.getBMap(source));
        switch (m_random() % 3) {
        case 0:
            EXPECT_TRUE(maps.takeMapText(text));
            take(state.areas[source]);
            return;
        case 1:
            text.erase(text.rfind("\r\n"));  // 1023 cells
            break;
        default:
            text.replace(0, text.find(','), "1");  // cell (1, 0) twice, (0, 0) never
            break;
        }
        EXPECT_FALSE(maps.takeMapText(text));
    }

    void take(const Area& area)
    {
        m_copy = area;
        m_copied = true;
    }

    // An edit of the selection through the editing engine: the model takes the map and its
    // counts from the data, since editing is checked elsewhere.
    void edit(State next)
    {
        static const int modes[] = {MODE_CHAR,
                                    MODE_OBJ,
                                    MODE_HEIGHT,
                                    MODE_PLACEMENT,
                                    MODE_CLEAR | MODE_OBJ,
                                    MODE_CLEAR | MODE_PLACEMENT};
        m_editor.setCursor(static_cast<int>(m_random() % 32), static_cast<int>(m_random() % 32));
        m_editor.setCellMark(-1, static_cast<int>(m_random() % 32), CELL_SELECTED, true);
        m_editor.setObject(static_cast<int>(m_random() % 40));
        m_editor.setGroupIndex(static_cast<int>(m_random() % 8));
        m_editor.execSet(modes[m_random() % (sizeof modes / sizeof modes[0])]);
        m_editor.setCellMark(-1, -1, 0, false);
        if (next.current == 0) {
            return;
        }
        const uint32_t index = next.current - 1;
        Area& area = next.areas[index];
        area.map = cells(*m_data.getBMap(index));
        area.values[2] = m_data.getArea(index)->getCityCount();
        area.values[3] = m_data.getArea(index)->getWallCount();
        area.values[4] = m_data.getArea(index)->getRoadCount();
        added(next);
    }

    BMData& m_data;
    BMEditor& m_editor;
    std::mt19937 m_random;
    std::vector<State> m_history;  // the model after each undo item; [0] before the first
    size_t m_position = 0;
    int m_nextId = 1;
    Area m_copy = {};
    bool m_copied = false;
};

}  // namespace

TEST(MapListModel, RandomCommandsWithUndoAndRedoFollowThePlainList)
{
    Scenario scenario;
    long steps = 0;
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        BMData data;
        ASSERT_TRUE(data.load(HFile("S"), HFile())) << "sequence " << sequence;
        ASSERT_EQ(data.getAreaCount(), kAreas);
        data.setCurrent(1 + static_cast<uint32_t>(sequence) % kAreas);
        BMEditor editor;
        editor.setData(&data);
        Model model(data, editor, static_cast<uint32_t>(sequence));
        const State loaded = model.expected();
        std::mt19937 random(static_cast<uint32_t>(sequence) * 2654435761u);
        const int length = 1 + static_cast<int>(random() % 24);
        for (int step = 0; step < length; ++step, ++steps) {
            const char* what;
            switch (random() % 5) {
            case 0:
                model.undo();
                what = "undo";
                break;
            case 1:
                model.redo();
                what = "redo";
                break;
            default:
                what = model.act();
                break;
            }
            ASSERT_TRUE(model.matches())
                << "sequence " << sequence << " step " << step << " (" << what << ")";
        }
        while (editor.getUndoList().getPosition() < editor.getUndoList().getCount()) {
            model.redo();
        }
        ASSERT_TRUE(model.matches()) << "sequence " << sequence << " redone";
        const State last = model.expected();
        while (model.position() > 0) {
            model.undo();
            ASSERT_TRUE(model.matches())
                << "sequence " << sequence << " undoing, at " << model.position();
        }
        ASSERT_EQ(data.getCurrent(), loaded.current);
        EXPECT_FALSE(data.isModified()) << "sequence " << sequence;
        // Saving makes every file durable, which takes its time: a sample of the sequences.
        if (sequence % kSavedEvery == 0) {
            ASSERT_TRUE(data.save() && data.saveAll());
            ASSERT_TRUE(scenario.filesUnchanged()) << "sequence " << sequence;
        }
        while (editor.getUndoList().getPosition() < editor.getUndoList().getCount()) {
            model.redo();
        }
        ASSERT_TRUE(model.matches()) << "sequence " << sequence << " redone again";
        ASSERT_EQ(data.getAreaCount(), last.areas.size());
    }
    std::printf("%d sequences, %ld steps\n", kSequences, steps);
}

// Removing every area leaves no current map; undo and redo still walk the whole history, an
// append into the empty list included.
TEST(MapListModel, EveryAreaRemovedComesBackByUndo)
{
    Scenario scenario;
    BMData data;
    ASSERT_TRUE(data.load(HFile("S"), HFile()));
    data.setCurrent(2);
    BMEditor editor;
    editor.setData(&data);
    BMMapEditor& maps = editor.getMapEditor();
    const uint32_t expectedCurrent[] = {2, 2, 2, 1, 0};  // the next area moves up into the place
    for (uint32_t removed = 0; removed < kAreas; ++removed) {
        EXPECT_TRUE(maps.removeMap().areas);
        EXPECT_EQ(data.getAreaCount(), kAreas - removed - 1);
        EXPECT_EQ(data.getCurrent(), expectedCurrent[removed]);
    }
    EXPECT_TRUE(data.isModified());
    EXPECT_FALSE(maps.removeMap().areas);
    EXPECT_TRUE(maps.copyMap().empty());
    EXPECT_FALSE(maps.overwriteMap().areas);
    EXPECT_TRUE(maps.appendMap().areas);
    ASSERT_EQ(data.getAreaCount(), 1u);
    EXPECT_EQ(data.getArea(0)->getName(), BMMapEditor::proposedName(1));
    EXPECT_EQ(data.getCurrent(), 1u);
    EXPECT_EQ(editor.getUndoList().getPosition(), kAreas + 1);
    for (uint32_t undone = 0; undone <= kAreas; ++undone) {
        EXPECT_TRUE(editor.undo().areas) << undone;
    }
    EXPECT_EQ(data.getAreaCount(), kAreas);
    EXPECT_EQ(data.getCurrent(), 2u);
    EXPECT_FALSE(data.isModified());
    for (uint32_t redone = 0; redone <= kAreas; ++redone) {
        EXPECT_TRUE(editor.redo().areas) << redone;
    }
    EXPECT_EQ(data.getAreaCount(), 1u);
    EXPECT_EQ(data.getCurrent(), 1u);
    EXPECT_FALSE(editor.redo().areas);
}
