// The editing engine against a plain model of its history: a stack of whole-map snapshots.
// Seeded random sequences of every kind of action, interleaved with undo and redo, are checked
// after every step: the maps (every layer and count) equal the snapshot the model says, and at
// the end of a sequence undoing everything gives the starting maps back byte for byte and
// redoing everything gives the final maps.
//
// Every check also makes sure that the state the editor reached is one the map file holds:
// written to its bytes as a save writes it and read back as an open reads it, the map is the
// one shown, every layer and count; and that an edit that left cells out left the group or
// category full. The sequences run on random maps and on maps of the sample game.

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"
#include "editor/model/BMMapEditor.h"
#include "sample/SGScenario.h"
#include "tests/editor/EditorScenario.h"
#include "tests/support/TestFolder.h"

namespace {

const int kSequences = 6000;
const int kSampleSequences = 2000;
const uint32_t kMaps = 3;

// The map as a save writes it (into zeros) and the next open reads and repairs it.
ZDBMap reopened(const ZDBMap& map)
{
    std::vector<uint8_t> bytes(ZDBMap::IMAGE_SIZE, 0);
    map.writeToBytes(bytes.data());
    ZDBMap read;
    read.createFromBytes(bytes.data(), bytes.size(), map.getFile(), map.getNumber());
    read.correct();
    return read;
}

// Where two map states first differ, as the failure message names it.
std::string firstDifference(const std::string& shown, const std::string& reopened)
{
    static const char* const layers[] = {"character", "object", "order", "order", "height",
                                         "group", "placement order", "placement order"};
    const size_t cells = ZDBMap::CELLS * 8;
    for (size_t i = 0; i < shown.size() && i < reopened.size(); ++i) {
        if (shown[i] == reopened[i]) {
            continue;
        }
        if (i >= cells) {
            return "counts " + shown.substr(cells) + " come back as " + reopened.substr(cells);
        }
        const size_t cell = i / 8;
        return std::string(layers[i % 8]) + " of cell (" + std::to_string(cell / ZDBMap::SIZE) + ","
               + std::to_string(cell % ZDBMap::SIZE) + ") " + std::to_string(static_cast<uint8_t>(shown[i]))
               + " comes back as " + std::to_string(static_cast<uint8_t>(reopened[i]));
    }
    return "lengths differ";
}

// What the model remembers after an undo item: the current map and its state.
struct Snapshot {
    uint32_t current;
    std::string map;
};

class Model {
public:
    Model(BMData& data, BMEditor& editor, uint32_t seed)
        : m_data(data), m_editor(editor), m_random(seed), m_seen(snapshot())
    {
        m_history.push_back(m_seen);
    }

    Snapshot snapshot() const
    {
        return {m_data.getCurrent(), EditorScenario::mapState(*m_data.getBMap(m_data.getCurrent() - 1))};
    }

    // The action added this many undo items; only the last changed the maps.
    void added(int items, const Snapshot& before)
    {
        if (items == 0) {
            return;  // the redo branch stays
        }
        m_history.resize(m_position + 1);
        m_seen = snapshot();
        m_fresh = true;
        for (int i = 0; i < items; ++i) {
            m_history.push_back(i + 1 < items ? before : m_seen);
        }
        m_position += static_cast<size_t>(items);
        while (m_history.size() > BMUndoList::MAX_ITEMS + 1) {
            m_history.erase(m_history.begin());
            --m_position;
        }
    }

    void undo()
    {
        m_cut = BMLimitCut();
        m_editor.undo();
        if (m_position > 0) {
            --m_position;
        }
    }

    void redo()
    {
        m_cut = BMLimitCut();
        m_editor.redo();
        if (m_position + 1 < m_history.size()) {
            ++m_position;
        }
    }

    // False with a message when the engine left the model.
    ::testing::AssertionResult matches()
    {
        if (!m_fresh) {
            m_seen = snapshot();
        }
        m_fresh = false;
        const Snapshot& expected = m_history[m_position];
        if (m_editor.getUndoList().getPosition() != m_position) {
            return ::testing::AssertionFailure() << "undo position " << m_editor.getUndoList().getPosition()
                                                 << ", model " << m_position;
        }
        if (m_data.getCurrent() != expected.current) {
            return ::testing::AssertionFailure() << "current map " << m_data.getCurrent() << ", model "
                                                 << expected.current;
        }
        if (m_seen.map != expected.map) {
            return ::testing::AssertionFailure() << "map " << expected.current << " differs";
        }
        const ZDBMap& map = *m_data.getBMap(m_data.getCurrent() - 1);
        const std::string saved = EditorScenario::mapState(reopened(map));
        if (saved != m_seen.map) {
            return ::testing::AssertionFailure() << "map " << expected.current << " saved and opened: "
                                                 << firstDifference(m_seen.map, saved);
        }
        return placedWhatFits(map);
    }

    size_t position() const { return m_position; }

    // An edit leaves cells of a group or category out only once it is full.
    ::testing::AssertionResult placedWhatFits(const ZDBMap& map) const
    {
        for (uint32_t group = 0; group < ZDBMap::GROUPS; ++group) {
            if (m_cut.groups[group] > 0 && map.getConnectCount(group) != BMMapLimits::GROUP_CELLS) {
                return ::testing::AssertionFailure() << m_cut.groups[group] << " cells of group " << group + 1
                                                     << " left out while it holds " << map.getConnectCount(group);
            }
        }
        const uint32_t counts[] = {map.getCityCount(), map.getWallCount(), map.getRoadCount()};
        for (int category = 0; category < 3; ++category) {
            if (m_cut.categories[category] > 0 && counts[category] != BMMapLimits::CATEGORY_CELLS) {
                return ::testing::AssertionFailure() << m_cut.categories[category] << " cells of category "
                                                     << category << " left out while it holds " << counts[category];
            }
        }
        return ::testing::AssertionSuccess();
    }

    // One random action; returns a name for the failure message.
    const char* act()
    {
        m_cut = BMLimitCut();
        const Snapshot before = m_seen;  // nothing changed since the last check
        randomValues();
        switch (m_random() % 11) {
        case 0: {
            static const int modes[] = {0, 0x100, 1, 2, 4, 8, 0x10, 0x101, 0x102, 0x104, 0x108, 0x10F, 0x110};
            m_cut = m_editor.execSet(modes[m_random() % (sizeof modes / sizeof modes[0])]).cut;
            added(1, before);
            return "execSet";
        }
        case 1:
            m_editor.setEditMode(MODE_BORDER);
            m_editor.setCharacter(22 + static_cast<int>(m_random() % 218));
            m_editor.execSet(0);
            added(1, before);
            return "border";
        case 2:
            m_editor.execReset();
            added(1, before);
            return "execReset";
        case 3: {
            // A fill press is always one step; in direct mode any other press off the cursor
            // selects and sets in one step; in select mode it drops a selection if there is one.
            const BMPoint cell = randomCell(0, 31);
            const bool cursor = BMGeometry::index(cell.x, cell.y) == m_editor.getCursorIndex();
            const bool fill = m_editor.getShape() == SHAPE_FILL;
            const int items = fill ? 1 : (cursor ? 0 : (direct() || anySelected() ? 1 : 0));
            m_cut = m_editor.pressCell(cell.x, cell.y, reach()).cut;
            added(items, before);
            return "press";
        }
        case 4: {
            const BMPoint cell = randomCell(0, 31);
            m_editor.pressRightCell(cell.x, cell.y);
            return "right press";
        }
        case 5:
            drag(before);
            return "drag";
        case 6:
            switch (m_random() % 3) {
            case 0: m_editor.selectAll(); break;
            case 1: m_editor.selectNone(); break;
            default: m_editor.selectSameValue(); break;
            }
            added(1, before);
            return "select all, none or the same value";
        case 7:
            paste(before);
            return "paste";
        case 10:
            mapText(before);
            return "map overwrite or insert from another editor's clipboard";
        case 8: {
            const uint32_t old = m_data.getCurrent();
            const uint32_t next = 1 + m_random() % kMaps;
            if (next != old) {
                m_data.setCurrent(next);
                m_editor.changeAreaSelection(old, next);
                added(1, before);
            }
            return "map change";
        }
        default: {
            const BMPoint cell = randomCell(0, 31);
            m_editor.setCursor(cell.x, cell.y);
            m_editor.setCellMark(m_random() % 2 == 0 ? cell.x : -1, cell.y, CELL_SELECTED, m_random() % 3 != 0);
            return "cursor and marks";
        }
        }
    }

private:
    BMPoint randomCell(int lowest, int highest)
    {
        const uint32_t span = static_cast<uint32_t>(highest - lowest + 1);
        return {lowest + static_cast<int>(m_random() % span), lowest + static_cast<int>(m_random() % span)};
    }

    bool direct() const { return m_editor.getMouseMode() == MOUSE_DIRECT; }

    BMFloodFill::Reach reach() { return m_random() % 3 == 0 ? BMFloodFill::MAP_WIDE : BMFloodFill::CONNECTED; }

    bool anySelected() const
    {
        for (int index = 0; index < MAP_CELLS; ++index) {
            if ((m_editor.getCellMark(index) & CELL_SELECTED) != 0) {
                return true;
            }
        }
        return false;
    }

    void randomValues()
    {
        static const int modes[] = {MODE_CHAR, MODE_OBJ, MODE_HEIGHT, MODE_PLACEMENT, MODE_BORDER};
        m_editor.setEditMode(modes[m_random() % 5]);
        m_editor.setShape(static_cast<int>(m_random() % 5));
        m_editor.setBrushRadius(static_cast<int>(m_random() % 4));
        m_editor.setMouseMode(m_random() % 4 == 0 ? MOUSE_DIRECT : MOUSE_SELECT);
        m_editor.setCharacter(static_cast<int>(m_random() % 240));
        m_editor.setObject(static_cast<int>(m_random() % 40));
        m_editor.setHeight(static_cast<int>(m_random() % 16));
        m_editor.setGroupIndex(static_cast<int>(m_random() % 8));
        m_editor.setScroll(static_cast<int>(m_random() % 600), static_cast<int>(m_random() % 600));
    }

    void drag(const Snapshot& before)
    {
        const BMPoint anchor = randomCell(0, 31);
        m_editor.startDrag(anchor.x, anchor.y, reach());
        for (uint32_t moves = m_random() % 4; moves > 0; --moves) {
            const BMPoint cell = randomCell(-3, 34);
            m_editor.moveDrag(anchor.x, anchor.y, cell.x, cell.y, reach());
        }
        const BMPoint end = randomCell(0, 31);
        m_cut = m_editor.endDrag(end.x, end.y).cut;
        added(1, before);
    }

    void paste(const Snapshot& before)
    {
        std::string text;
        bool valid = true;
        switch (m_random() % 5) {
        case 0:
        case 1:
            text = m_editor.copySelection();
            break;
        case 2:
            for (uint32_t lines = 1 + m_random() % 5; lines > 0; --lines) {
                text += std::to_string(static_cast<int>(m_random() % 9) - 4) + "," + std::to_string(m_random() % 5)
                        + "," + std::to_string(m_random() % 240) + "," + std::to_string(m_random() % 40) + ","
                        + std::to_string(m_random() % 50) + "," + std::to_string(m_random() % 16) + ","
                        + std::to_string(m_random() % 9) + "," + std::to_string(m_random() % 30) + ","
                        + std::to_string(m_random() % 32) + ",0\r\n";
            }
            break;
        case 3:
            text = "0,0,1,2,3,4,5,6,7,0\r\n1,1,1,2,3,99,5,6,7,0";
            valid = false;
            break;
        default: {
            // Two rows of 20 cells, all of one object and one placement group.
            const std::string values = "," + std::to_string(m_random() % 240) + ","
                                       + std::to_string(1 + m_random() % 39) + ",0,3,"
                                       + std::to_string(1 + m_random() % 8) + ",";
            for (int i = 0; i < 40; ++i) {
                text += std::to_string(i % 20) + "," + std::to_string(i / 20) + values + std::to_string(i)
                        + "," + std::to_string(m_random() % 32) + ",0\r\n";
            }
            break;
        }
        }
        const BMPoint cell = randomCell(0, 31);
        m_editor.setCursor(cell.x, cell.y);
        BMChange change;
        EXPECT_EQ(m_editor.pasteSelection(text, &change), valid) << text;
        m_cut = change.cut;
        added(valid ? 1 : 0, before);
    }

    // Another editor's whole map on the clipboard, written over the current map or inserted
    // before it: some with more than the file holds (a group of 30 cells, a placement on
    // (0, 0), over 256 roads, placement orders on cells without a group).
    void mapText(const Snapshot& before)
    {
        ZDBMap map = EditorScenario::randomMap(m_random, static_cast<int>(m_random() % 90));
        const uint8_t group = static_cast<uint8_t>(1 + m_random() % 8);
        const uint32_t cells = m_random() % 2 == 0 ? 30 : 0;
        for (uint32_t i = 0; i < cells; ++i) {
            map.setConnect(i, 7, group);
        }
        if (m_random() % 3 == 0) {
            map.setConnect(0, 0, group);
        }
        for (int i = 0; i < 3; ++i) {  // placement orders without a group, as a hand-made text may hold
            const uint32_t x = m_random() % 32;
            const uint32_t y = m_random() % 32;
            if (map.getConnect(x, y) == 0) {
                map.setConnectOrder(x, y, static_cast<uint16_t>(1 + m_random() % 30));
            }
        }
        BMMapEditor& maps = m_editor.getMapEditor();
        EXPECT_TRUE(maps.takeMapText(BMMapEditor::writeMapText(map)));
        const BMChange change = m_random() % 2 == 0 ? maps.overwriteMap() : maps.insertMap();
        EXPECT_NE(change.data, 0u);
        m_cut = change.cut;
        added(1, before);
    }

    BMData& m_data;
    BMEditor& m_editor;
    std::mt19937 m_random;
    BMLimitCut m_cut;  // what the last action left out
    Snapshot m_seen;  // the state at the last check
    bool m_fresh = false;  // m_seen was taken after the action's last item
    std::vector<Snapshot> m_history;  // the state after each undo item; [0] before the first
    size_t m_position = 0;
};

std::vector<ZDBMap> randomMaps()
{
    std::mt19937 random(7);
    return {EditorScenario::randomMap(random, 30), EditorScenario::randomMap(random, 5), ZDBMap()};
}

// The three maps of the sample game's "Default" with the most placement cells.
std::vector<ZDBMap> sampleMaps()
{
    TestFolder folder;
    EXPECT_TRUE(SGScenario::write(SGScenario::sampleGame()[0], folder.path(), "", ""));
    std::vector<std::pair<int, ZDBMap>> maps;
    for (int number = 1; TestFolder::exists("Default\\Data\\BMap_No" + std::to_string(number)); ++number) {
        const std::string bytes = TestFolder::read("Default\\Data\\BMap_No" + std::to_string(number));
        ZDBMap map;
        map.createFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), HFile(), 0);
        map.correct();
        int placed = 0;
        for (uint32_t group = 0; group < ZDBMap::GROUPS; ++group) {
            placed += map.getConnectCount(group);
        }
        maps.push_back({placed, map});
    }
    std::stable_sort(maps.begin(), maps.end(),
                     [](const std::pair<int, ZDBMap>& a, const std::pair<int, ZDBMap>& b) { return a.first > b.first; });
    EXPECT_GE(maps.size(), kMaps);
    std::vector<ZDBMap> chosen;
    for (size_t i = 0; i < kMaps && i < maps.size(); ++i) {
        chosen.push_back(maps[i].second);
    }
    return chosen;
}

class EditorModel : public ::testing::Test {
protected:
    explicit EditorModel(std::vector<ZDBMap> maps = randomMaps()) : scenario(std::move(maps)), data(scenario.data())
    {
        editor.setData(&data);
        editor.loadBorderTable();
        for (uint32_t i = 0; i < kMaps; ++i) {
            start.push_back(*data.getBMap(i));
        }
        startState = currentStates();
    }

    // Seeded random sequences from the starting maps, each checked after every step and
    // undone and redone whole at its end.
    void runSequences(int sequences)
    {
        long steps = 0;
        for (int sequence = 0; sequence < sequences; ++sequence) {
            restart();
            Model model(data, editor, static_cast<uint32_t>(sequence));
            std::mt19937 random(static_cast<uint32_t>(sequence) ^ 0x9E3779B9u);
            const int length = 1 + static_cast<int>(random() % 16);
            for (int step = 0; step < length; ++step, ++steps) {
                const char* what;
                switch (random() % 6) {
                case 0: model.undo(); what = "undo"; break;
                case 1: model.redo(); what = "redo"; break;
                default: what = model.act(); break;
                }
                ASSERT_TRUE(model.matches()) << "sequence " << sequence << " step " << step << " (" << what << ")";
            }
            redoAll(model);
            const std::vector<std::string> last = currentStates();
            const uint32_t lastCurrent = data.getCurrent();
            while (model.position() > 0) {
                model.undo();
                ASSERT_TRUE(model.matches()) << "sequence " << sequence << " undoing";
            }
            ASSERT_TRUE(currentStates() == startState) << "sequence " << sequence << " undone";
            ASSERT_EQ(data.getCurrent(), 1u);
            redoAll(model);
            ASSERT_TRUE(currentStates() == last) << "sequence " << sequence << " redone";
            ASSERT_EQ(data.getCurrent(), lastCurrent);
        }
        std::printf("%d sequences, %ld steps\n", sequences, steps);
    }

    // Every map as the sequence began, the first current, no history, no marks.
    void restart()
    {
        for (uint32_t i = 0; i < kMaps; ++i) {
            static_cast<ZDBMap&>(*data.getBMap(i)) = start[i];
        }
        data.setCurrent(1);
        editor.resetState();
        editor.getUndoList().clear();
    }

    void redoAll(Model& model)
    {
        while (editor.getUndoList().getPosition() < editor.getUndoList().getCount()) {
            model.redo();
        }
    }

    // Each map's file image followed by every layer and count.
    std::vector<std::string> currentStates() const
    {
        std::vector<std::string> states;
        for (uint32_t i = 0; i < kMaps; ++i) {
            states.push_back(EditorScenario::image(*data.getBMap(i)) + EditorScenario::mapState(*data.getBMap(i)));
        }
        return states;
    }

    EditorScenario scenario;
    BMData& data;
    BMEditor editor;
    std::vector<ZDBMap> start;
    std::vector<std::string> startState;
};

}  // namespace

TEST_F(EditorModel, RandomSequencesWithUndoAndRedoFollowTheSnapshotsAndSaveAsShown)
{
    runSequences(kSequences);
}

class SampleEditorModel : public EditorModel {
protected:
    SampleEditorModel() : EditorModel(sampleMaps()) {}
};

TEST_F(SampleEditorModel, RandomSequencesWithUndoAndRedoFollowTheSnapshotsAndSaveAsShown)
{
    runSequences(kSampleSequences);
}

TEST_F(EditorModel, After300ActionsExactlyTheLast256Undo)
{
    restart();
    std::vector<std::string> states;
    for (int action = 0; action < 300; ++action) {
        editor.setCursor(action % 32, action / 32);
        editor.setHeight(action % 16);
        editor.setEditMode(MODE_HEIGHT);
        editor.execSet(0);
        ASSERT_LE(editor.getUndoList().getCount(), BMUndoList::MAX_ITEMS);
        states.push_back(EditorScenario::mapState(*data.getBMap(0)));
    }
    int undone = 0;
    while (editor.undo().data != 0) {
        ++undone;
    }
    EXPECT_EQ(undone, 256);
    EXPECT_EQ(EditorScenario::mapState(*data.getBMap(0)), states[300 - 256 - 1]);
}
