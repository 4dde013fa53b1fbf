#include "fuzz/FuzzClipboardText.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "editor/model/BMClipboardText.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "framework/base/HFileReader.h"
#include "scenario/ZDArea.h"

const char* const FuzzClipboardText::FILE_NAME = "clipboard.txt";

namespace {

// One blank map in editor data, loaded once from a scenario folder made for the process.
class BlankMap {
public:
    BlankMap()
    {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_folder = std::filesystem::temp_directory_path()
                   / ("tessel-fuzz-clipboard-" + std::to_string(stamp));
        std::filesystem::create_directories(m_folder / "Data");
        ZDArea area;
        area.setName("blank");
        std::ofstream((m_folder / "Data" / "AreaData").string(), std::ios::binary)
            << area.formatLine() << "\r\nEnd";
        std::string path = m_folder.string();
        for (char& c : path) {
            c = c == '/' ? '\\' : c;  // the system's separators
        }
        m_data.load(HFile(path), HFile());  // no map file: the map is blank
        m_data.setCurrent(1);
        m_editor.setData(&m_data);
    }

    ~BlankMap()
    {
        std::error_code error;
        std::filesystem::remove_all(m_folder, error);
    }

    BMData& data() { return m_data; }
    BMEditor& editor() { return m_editor; }

private:
    std::filesystem::path m_folder;
    BMData m_data;
    BMEditor m_editor;
};

bool inRange(const BMCellRecord& record)
{
    const int offset = BMClipboardText::MAX_OFFSET;
    return record.x >= -offset && record.x <= offset && record.y >= -offset && record.y <= offset
           && record.character < 240 && record.object < 40 && record.order < 1024 && record.height < 16
           && record.group <= 8 && record.placementOrder < 1024 && record.originRow >= 0
           && record.originRow < 32 && record.mark < 16;
}

// The counts of the map: what a paste may change besides the cells.
std::string counts(BMData& data)
{
    std::string text;
    for (int type : {BMData::TYPE_CITY_COUNT, BMData::TYPE_WALL_COUNT, BMData::TYPE_ROAD_COUNT}) {
        text += std::to_string(data.getWord(type, 0, 0, 0)) + ",";
    }
    for (uint32_t group = 0; group < 8; ++group) {
        text += std::to_string(data.getWord(BMData::TYPE_CONNECT_COUNT, 0, group, 0)) + ",";
    }
    return text;
}

// The blank map as it was: no cell marked, the counts zero, and every cell the paste said it
// changed back to zero. (Comparing every cell of the map would take most of the run.)
bool isBlank(BMData& data, const BMEditor& editor, const std::string& blankCounts,
             const std::vector<uint16_t>& cells)
{
    for (int index = 0; index < MAP_CELLS; ++index) {
        if (editor.getCellMark(index) != 0) {
            return false;
        }
    }
    const ZDBMap& map = *data.getBMap(0);
    for (uint16_t index : cells) {
        const uint32_t x = index % 32u;
        const uint32_t y = index / 32u;
        if (map.getCharacter(x, y) != 0 || map.getObject(x, y) != 0 || map.getOrder(x, y) != 0
            || map.getHeight(x, y) != 0 || map.getConnect(x, y) != 0 || map.getConnectOrder(x, y) != 0) {
            return false;
        }
    }
    return counts(data) == blankCounts;
}

int firstSelected(const BMEditor& editor)
{
    for (int index = 0; index < MAP_CELLS; ++index) {
        if (editor.inSelection(index)) {
            return index;
        }
    }
    return 0;
}

}  // namespace

std::string FuzzClipboardText::check()
{
    HFileReader reader{HFile(FILE_NAME)};
    if (!reader.read()) {
        return "the text could not be read";
    }
    const std::string text(reader.getData(), static_cast<size_t>(reader.getSize()));
    std::vector<BMCellRecord> records;
    std::string error;
    const bool taken = BMClipboardText::read(text, &records, &error);
    if (taken != error.empty() || (!taken && !records.empty())) {
        return "a refusal came without its message, or with records";
    }
    for (const BMCellRecord& record : records) {
        if (!inRange(record)) {
            return "a taken record holds a value out of range";
        }
    }
    std::vector<BMCellRecord> again;
    if (!BMClipboardText::read(BMClipboardText::write(records), &again, &error)
        || BMClipboardText::write(again) != BMClipboardText::write(records)) {
        return "the taken records do not read back from their text";
    }

    static BlankMap blank;
    BMData& data = blank.data();
    BMEditor& editor = blank.editor();
    static const int kModes[] = {MODE_CHAR, MODE_OBJ, MODE_HEIGHT, MODE_PLACEMENT, MODE_BORDER};
    uint32_t hash = 2166136261u;
    for (char c : text) {
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    editor.setEditMode(kModes[hash % 5]);
    editor.setCursor(static_cast<int>(hash / 5 % 32), static_cast<int>(hash / 160 % 32));
    const std::string blankCounts = counts(data);
    const size_t items = editor.getUndoList().getCount();

    BMChange change;
    if (editor.pasteSelection(text, &change) != taken) {
        return "the paste and the reader disagree";
    }
    if (!taken || records.empty()) {
        if (editor.getUndoList().getCount() != items || change.data != 0 || !change.cells.empty()
            || !isBlank(data, editor, blankCounts, change.cells)) {
            return "a paste that took nothing changed something";
        }
        return std::string();
    }
    const std::string copied = editor.copySelection();
    const std::string pastedCounts = counts(data);
    const int first = firstSelected(editor);
    const std::vector<uint16_t> changed = change.cells;
    editor.undo();
    if (!isBlank(data, editor, blankCounts, changed)) {
        return "undoing the paste left the map changed";
    }

    editor.setCursor(first % 32, first / 32);
    if (!editor.pasteSelection(copied, &change)) {
        return "the copy of a pasted region was refused";
    }
    if (editor.copySelection() != copied || counts(data) != pastedCounts) {
        return "pasting the copy where it began did not give the same region";
    }
    editor.undo();
    if (!isBlank(data, editor, blankCounts, change.cells)) {
        return "undoing the second paste left the map changed";
    }
    return std::string();
}

#ifdef TESSEL_LIBFUZZER
#include "fuzz/FuzzMemoryFile.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    return FuzzMemoryFile::initialize(argc, argv, FuzzClipboardText::MAX_LENGTH);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzMemoryFile::test(FuzzClipboardText::FILE_NAME, data, size, FuzzClipboardText::check);
}
#endif
