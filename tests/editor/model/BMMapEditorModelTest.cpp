// The commands on the list of areas against a plain model: a list of areas (name, values,
// music, links that name an area by who it is rather than by number, and the map's cells) and
// the current map, one such list per undo position. Seeded random sequences of insert, append,
// remove, move, copy, overwrite, cell edits and map changes, interleaved with undo and redo,
// are checked after every step: numbering, map files (and the one each map was read from),
// links, counts, cells, the current map, the links that lead to it and whether the scenario
// counts as changed. Some sequences first remove all areas but one, so that the list also
// runs empty. At the end undoing everything must give back the loaded scenario and redoing
// everything the last state; a sample of the sequences also saves once everything is undone
// and compares the files byte for byte.

#include <algorithm>
#include <cstdio>
#include <functional>
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

// Every layer of every cell and the counts of a map, hashed: equal maps, equal text.
std::string cells(const ZDBMap& map)
{
    return std::to_string(std::hash<std::string>()(EditorScenario::mapState(map)));
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

    int32_t number(const Link& link) const
    {
        for (size_t i = 0; link.names && i < areas.size(); ++i) {
            if (areas[i].id == link.value) {
                return static_cast<int32_t>(i + 1);
            }
        }
        return link.names ? -1000 : link.value;  // -1000: the model lost the area
    }

    // Bare numbers that name an area now take it (a link past the end names an area appended);
    // links to a removed area become 0.
    void settle(int removed)
    {
        for (Area& area : areas) {
            for (Link& link : area.links) {
                if (link.names && link.value == removed) {
                    link = {false, 0};
                } else if (!link.names && link.value >= 1
                           && link.value <= static_cast<int>(areas.size())) {
                    link = {true, areas[static_cast<size_t>(link.value - 1)].id};
                }
            }
        }
    }

    // The list as the data must show it: one line per area with its numbers, file, fields,
    // link numbers, the map file it was read from and cells, then the current map and the links that lead to it.
    std::string text() const
    {
        std::string text;
        int links = 0;
        for (size_t i = 0; i < areas.size(); ++i) {
            const Area& area = areas[i];
            const std::string place = std::to_string(i + 1);
            text += place + " " + place + " BMap_No" + place + " " + area.name + " " + area.music;
            for (int32_t value : area.values) {
                text += " " + std::to_string(value);
            }
            for (const Link& link : area.links) {
                text += " " + std::to_string(number(link));
                links += i + 1 != current && current > 0
                    && number(link) == static_cast<int32_t>(current);
            }
            // The file each map was read from, which a save compares with: none for a new one.
            text += " from " + std::to_string(area.id <= static_cast<int>(kAreas) ? area.id : 0);
            text += " " + area.map + "\n";
        }
        return text + "current " + std::to_string(current) + " led to by " + std::to_string(links);
    }
};

// The same text of the editor data (numbers, files and links as the data holds them).
std::string textOf(BMData& data, BMEditor& editor)
{
    std::string text;
    for (uint32_t i = 0; i < data.getAreaCount(); ++i) {
        const ZDEditArea& area = *data.getArea(i);
        const ZDEditBMap& map = *data.getBMap(i);
        const bool folder = map.getFile().getDirectory() == data.getAreaDataFile().getDirectory();
        text += std::to_string(area.getNumber()) + " " + std::to_string(map.getNumber()) + " "
            + (folder ? map.getFile().getName() : map.getFile().getPath()) + " " + area.getName()
            + " " + area.getMusic();
        for (int value = 1; value <= ZDArea::VALUES; ++value) {
            text += " " + std::to_string(area.getValue(value));
        }
        for (int group = 0; group < ZDArea::LINKS; ++group) {
            text += " " + std::to_string(area.getLink(group));
        }
        text += " from " + std::to_string(map.getLoaded().getNumber());
        text += " " + cells(map) + "\n";
    }
    return text + "current " + std::to_string(data.getCurrent()) + " led to by "
        + std::to_string(editor.getMapEditor().countLinksToCurrent());
}

// The scenario "S": kAreas random maps, area lines whose counts match their maps, links to
// areas, to none and to numbers that name no area, some music, one-pixel chip pictures of its
// own (so that the load never looks into the install directory, which other tests change).
class Scenario {
public:
    Scenario()
    {
        TestFolder::makeFolder("S\\Data");
        TestFolder::makeFolder("S\\Picture");
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
            list += area.formatLine() + "\r\n";
            m_files.emplace_back("S\\Data\\BMap_No" + std::to_string(i + 1), EditorScenario::image(map));
        }
        m_files.emplace_back("S\\Data\\AreaData", list + "End");
        BitmapFile picture;
        picture.width = 1;
        picture.picture = {0x808080};
        m_files.emplace_back("S\\Picture\\BMAPCHAR.BMP", picture.build());
        m_files.emplace_back("S\\Picture\\BMAPOBJ.BMP", picture.build());
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
        return ::testing::AssertionSuccess();
    }

private:
    TestFolder m_folder;
    std::vector<std::pair<std::string, std::string>> m_files;
};

class Model {
public:
    enum Action { APPEND, INSERT, REMOVE, MOVE, COPY, OVERWRITE, EDIT, CHANGE, ACTIONS };

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
        state.settle(0);
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

    void redoAll()
    {
        while (m_position + 1 < m_history.size()) {
            redo();
        }
    }

    void redo()
    {
        m_editor.redo();
        m_position += m_position + 1 < m_history.size() ? 1 : 0;
    }

    ::testing::AssertionResult matches()
    {
        const State& state = expected();
        if (m_editor.getUndoList().getPosition() != m_position) {
            return ::testing::AssertionFailure()
                << "undo position " << m_editor.getUndoList().getPosition() << ", model "
                << m_position;
        }
        const std::string data = textOf(m_data, m_editor);
        if (data != state.text()) {
            return ::testing::AssertionFailure() << "data:\n"
                                                 << data << "\nmodel:\n"
                                                 << state.text();
        }
        // The editor's own notion of a change: whatever differs from the loaded list (the last
        // line, the current map, aside).
        const std::string list = state.text();
        const std::string loaded = m_history[0].text();
        if (m_data.isModified()
            != (list.substr(0, list.rfind('\n') + 1) != loaded.substr(0, loaded.rfind('\n') + 1))) {
            return ::testing::AssertionFailure() << "modified: " << m_data.isModified();
        }
        return ::testing::AssertionSuccess();
    }

    // One command or edit (a random one by default); its name for a failure message.
    const char* act(Action action = ACTIONS)
    {
        static const char* const kNames[] = {"append", "insert",    "remove",    "move",
                                             "copy",   "overwrite", "cell edit", "map change"};
        BMMapEditor& maps = m_editor.getMapEditor();
        State next = expected();
        const uint32_t count = static_cast<uint32_t>(next.areas.size());
        const uint32_t current = next.current;
        action = action == ACTIONS ? static_cast<Action>(m_random() % ACTIONS) : action;
        const uint32_t to = 1 + m_random() % (count + 1);  // count + 1 is refused
        switch (action) {
        case APPEND:
            maps.appendMap();
            insert(next, count, false);
            break;
        case INSERT:
            maps.insertMap();
            insert(next, current > 0 ? current - 1 : 0, true);
            break;
        case REMOVE:
            maps.removeMap();
            if (current > 0) {
                const int id = next.areas[current - 1].id;
                next.areas.erase(next.areas.begin() + (current - 1));
                next.current = std::min(current, static_cast<uint32_t>(next.areas.size()));
                added(next, id);
            }
            break;
        case MOVE:
            maps.moveMap(to);
            if (current > 0 && to <= count && to != current) {
                const Area moved = next.areas[current - 1];
                next.areas.erase(next.areas.begin() + (current - 1));
                next.areas.insert(next.areas.begin() + (to - 1), moved);
                next.current = to;
                added(next);
            }
            break;
        case COPY:
            copy();
            break;
        case OVERWRITE:
            maps.overwriteMap();
            if (current > 0 && m_copied) {
                withCopy(&next.areas[current - 1]);
                added(next);
            }
            break;
        case EDIT:
            edit(next);
            break;
        default:
            if (to <= count && to != current) {
                m_data.setCurrent(to);
                m_editor.changeAreaSelection(current, to);
                next.current = to;
                added(next);
            }
            break;
        }
        return kNames[action];
    }

private:
    // The command made one undo item: next is the model after it.
    void added(State next, int removed = 0)
    {
        next.settle(removed);
        m_history.resize(m_position + 1);
        m_history.push_back(next);
        ++m_position;
    }

    // The buffer's map and counts.
    void withCopy(Area* area) const
    {
        area->map = m_copy.map;
        for (int value = 2; value <= 4; ++value) {
            area->values[value] = m_copy.values[value];
        }
    }

    // A new area at index: values 0, no links, no music; an insert's map is the buffer's, an
    // append's empty.
    void insert(State next, uint32_t index, bool copied)
    {
        Area area{m_nextId++, BMMapEditor::proposedName(index + 1), "", {}, {}, cells(ZDBMap())};
        if (copied && m_copied) {
            withCopy(&area);
        }
        next.areas.insert(next.areas.begin() + index, area);
        next.current = index + 1;
        added(next);
    }

    // The buffer takes the current map, another map's clipboard text, or refuses a text that
    // is not a whole map.
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
            text.erase(text.rfind("\r\n"));
            break;  // 1023 cells
        default:
            text.replace(0, text.find(','), "1");
            break;  // (1, 0) twice, (0, 0) never
        }
        EXPECT_FALSE(maps.takeMapText(text));
    }

    void take(const Area& area)
    {
        m_copy = area;
        m_copied = true;
    }

    // An edit of a row and the cursor through the editing engine: the model takes the map and
    // its counts from the data, since editing is checked elsewhere.
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
        if (next.current > 0) {
            const uint32_t index = next.current - 1;
            Area& area = next.areas[index];
            area.map = cells(*m_data.getBMap(index));
            for (int value = 2; value <= 4; ++value) {
                area.values[value] = m_data.getArea(index)->getValue(value + 1);
            }
            added(next);
        }
    }

    BMData& m_data;
    BMEditor& m_editor;
    std::mt19937 m_random;
    std::vector<State> m_history;  // the model after each undo item; [0] as loaded
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
        data.setCurrent(1 + static_cast<uint32_t>(sequence) % kAreas);
        BMEditor editor;
        editor.setData(&data);
        Model model(data, editor, static_cast<uint32_t>(sequence));
        ASSERT_TRUE(model.matches()) << "sequence " << sequence << " loaded";
        std::mt19937 random(static_cast<uint32_t>(sequence) * 2654435761u);
        for (uint32_t removed = 1; sequence % 4 == 0 && removed < kAreas; ++removed) {
            model.act(Model::REMOVE);
        }
        const int length = 1 + static_cast<int>(random() % 24);
        for (int step = 0; step < length; ++step, ++steps) {
            const uint32_t choice = random() % 5;
            const char* what = choice == 0 ? "undo" : (choice == 1 ? "redo" : nullptr);
            if (choice == 0) {
                model.undo();
            } else if (choice == 1) {
                model.redo();
            } else {
                what = model.act();
            }
            ASSERT_TRUE(model.matches())
                << "sequence " << sequence << " step " << step << " (" << what << ")";
        }
        model.redoAll();
        ASSERT_TRUE(model.matches()) << "sequence " << sequence << " redone";
        const std::string last = model.expected().text();
        while (model.position() > 0) {
            model.undo();
            ASSERT_TRUE(model.matches())
                << "sequence " << sequence << " undoing, at " << model.position();
        }
        EXPECT_FALSE(data.isModified()) << "sequence " << sequence;
        // Saving makes every file durable, which takes its time: a sample of the sequences.
        if (sequence % kSavedEvery == 0) {
            ASSERT_TRUE(data.save() && data.saveAll());
            ASSERT_TRUE(scenario.filesUnchanged()) << "sequence " << sequence;
        }
        model.redoAll();
        ASSERT_TRUE(model.matches()) << "sequence " << sequence << " redone again";
        ASSERT_EQ(model.expected().text(), last);
    }
    std::printf("%d sequences, %ld steps\n", kSequences, steps);
}
