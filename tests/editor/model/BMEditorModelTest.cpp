// The editing engine against a plain model of its history: a stack of whole-map snapshots.
// Seeded random sequences of every kind of action, interleaved with undo and redo, are checked
// after every step: the maps (every layer and count) equal the snapshot the model says, and at
// the end of a sequence undoing everything gives the starting maps back byte for byte and
// redoing everything gives the final maps.

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"
#include "tests/editor/EditorScenario.h"

namespace {

const int kSequences = 10000;
const uint32_t kMaps = 3;

// Every layer of every cell and every count of a map.
std::string mapState(const ZDBMap& map)
{
    const size_t kCellBytes = 8;
    std::string state(ZDBMap::CELLS * kCellBytes, '\0');
    char* cell = &state[0];
    for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
        for (uint32_t y = 0; y < ZDBMap::SIZE; ++y, cell += kCellBytes) {
            const uint16_t order = map.getOrder(x, y);
            const uint16_t placementOrder = map.getConnectOrder(x, y);
            cell[0] = static_cast<char>(map.getCharacter(x, y));
            cell[1] = static_cast<char>(map.getObject(x, y));
            cell[2] = static_cast<char>(order & 0xFF);
            cell[3] = static_cast<char>(order >> 8);
            cell[4] = static_cast<char>(map.getHeight(x, y));
            cell[5] = static_cast<char>(map.getConnect(x, y));
            cell[6] = static_cast<char>(placementOrder & 0xFF);
            cell[7] = static_cast<char>(placementOrder >> 8);
        }
    }
    state += std::to_string(map.getCityCount()) + "," + std::to_string(map.getWallCount()) + ","
             + std::to_string(map.getRoadCount());
    for (uint32_t group = 0; group < ZDBMap::GROUPS; ++group) {
        state += "," + std::to_string(map.getConnectCount(group));
    }
    return state;
}

std::string image(const ZDBMap& map)
{
    std::string bytes(ZDBMap::IMAGE_SIZE, '\0');
    map.writeToBytes(reinterpret_cast<uint8_t*>(&bytes[0]));
    return bytes;
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
        return {m_data.getCurrent(), mapState(*m_data.getBMap(m_data.getCurrent() - 1))};
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
        m_editor.undo();
        if (m_position > 0) {
            --m_position;
        }
    }

    void redo()
    {
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
        return ::testing::AssertionSuccess();
    }

    size_t position() const { return m_position; }

    // One random action; returns a name for the failure message.
    const char* act()
    {
        const Snapshot before = m_seen;  // nothing changed since the last check
        randomValues();
        switch (m_random() % 10) {
        case 0: {
            static const int modes[] = {0, 0x100, 1, 2, 4, 8, 0x10, 0x101, 0x102, 0x104, 0x108, 0x10F, 0x110};
            m_editor.execSet(modes[m_random() % (sizeof modes / sizeof modes[0])]);
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
            m_editor.pressCell(cell.x, cell.y, reach());
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
        m_editor.endDrag(end.x, end.y);
        added(1, before);
    }

    void paste(const Snapshot& before)
    {
        std::string text;
        bool valid = true;
        switch (m_random() % 4) {
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
        default:
            text = "0,0,1,2,3,4,5,6,7,0\r\n1,1,1,2,3,99,5,6,7,0";
            valid = false;
            break;
        }
        const BMPoint cell = randomCell(0, 31);
        m_editor.setCursor(cell.x, cell.y);
        BMChange change;
        EXPECT_EQ(m_editor.pasteSelection(text, &change), valid) << text;
        added(valid ? 1 : 0, before);
    }

    BMData& m_data;
    BMEditor& m_editor;
    std::mt19937 m_random;
    Snapshot m_seen;  // the state at the last check
    bool m_fresh = false;  // m_seen was taken after the action's last item
    std::vector<Snapshot> m_history;  // the state after each undo item; [0] before the first
    size_t m_position = 0;
};

class EditorModel : public ::testing::Test {
protected:
    EditorModel() : scenario(startMaps()), data(scenario.data())
    {
        editor.setData(&data);
        editor.loadBorderTable();
        for (uint32_t i = 0; i < kMaps; ++i) {
            start.push_back(*data.getBMap(i));
        }
        startState = currentStates();
    }

    static std::vector<ZDBMap> startMaps()
    {
        std::mt19937 random(7);
        return {EditorScenario::randomMap(random, 30), EditorScenario::randomMap(random, 5), ZDBMap()};
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
            states.push_back(image(*data.getBMap(i)) + mapState(*data.getBMap(i)));
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

TEST_F(EditorModel, RandomSequencesWithUndoAndRedoFollowTheSnapshots)
{
    long steps = 0;
    for (int sequence = 0; sequence < kSequences; ++sequence) {
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
        }
        ASSERT_TRUE(currentStates() == startState) << "sequence " << sequence << " undone";
        ASSERT_EQ(data.getCurrent(), 1u);
        redoAll(model);
        ASSERT_TRUE(currentStates() == last) << "sequence " << sequence << " redone";
        ASSERT_EQ(data.getCurrent(), lastCurrent);
    }
    std::printf("%d sequences, %ld steps\n", kSequences, steps);
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
        states.push_back(mapState(*data.getBMap(0)));
    }
    int undone = 0;
    while (editor.undo().redraw != 0) {
        ++undone;
    }
    EXPECT_EQ(undone, 256);
    EXPECT_EQ(mapState(*data.getBMap(0)), states[300 - 256 - 1]);
}
