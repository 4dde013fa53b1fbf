#include "editor/model/BMMapEditor.h"

#include <vector>

#include "editor/model/BMAreaListUndo.h"
#include "editor/model/BMClipboardText.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"
#include "editor/model/BMMapEdit.h"
#include "scenario/ZDEditArea.h"
#include "scenario/ZDEditBMap.h"

namespace {

// A map of the list's own: it was read from no file, so its loaded copy has number 0, which
// no position has; the list gives the working part its number and file.
std::unique_ptr<ZDEditBMap> newMap(const ZDBMap& cells)
{
    ZDBMap map = cells;
    map.setNumber(0);
    map.setFile(HFile());
    return std::unique_ptr<ZDEditBMap>(new ZDEditBMap(map));
}

// Values 0 apart from the counts of its map, no links, no music; number 0 as for the map.
std::unique_ptr<ZDEditArea> newArea(uint32_t number, const ZDBMap& map)
{
    ZDArea area;
    area.setName(BMMapEditor::proposedName(number));
    area.setCityCount(static_cast<int32_t>(map.getCityCount()));
    area.setWallCount(static_cast<int32_t>(map.getWallCount()));
    area.setRoadCount(static_cast<int32_t>(map.getRoadCount()));
    return std::unique_ptr<ZDEditArea>(new ZDEditArea(area));
}

uint32_t ux(int value)
{
    return static_cast<uint32_t>(value);
}

}  // namespace

BMMapEditor::BMMapEditor(BMEditor& editor) : m_editor(editor)
{
    setClassName("BMMapEditor");
}

BMMapEditor::~BMMapEditor() = default;

std::string BMMapEditor::proposedName(uint32_t number)
{
    return "新規エリア" + std::to_string(number);
}

BMChange BMMapEditor::listChange()
{
    BMChange change;
    change.data = DATA_MAP;
    change.areas = true;
    change.cursor = true;
    return change;
}

BMChange BMMapEditor::record(std::unique_ptr<BMMapEdit> edit)
{
    BMData* data = m_editor.getData();
    if (data == nullptr || !edit->apply(*data, true)) {
        return BMChange();
    }
    const BMPoint scroll = m_editor.getScroll();
    m_editor.getUndoList().add(std::unique_ptr<BMUndoItem>(new BMAreaListUndo(std::move(edit))),
                               scroll.x, scroll.y, m_editor.getCursorIndex());
    return listChange();
}

BMChange BMMapEditor::insertAt(uint32_t index, const ZDBMap& cells)
{
    BMData* data = m_editor.getData();
    if (data == nullptr) {
        return BMChange();
    }
    HLOG_START("insertAt");
    std::unique_ptr<BMMapEdit> edit(
        new BMMapEdit(BMMapEdit::INSERT, index, index, data->getCurrent()));
    edit->hold(newArea(index + 1, cells), newMap(cells));
    BMChange change = record(std::move(edit));
    HLOG_END("insertAt");
    return change;
}

BMChange BMMapEditor::appendMap()
{
    BMData* data = m_editor.getData();
    return data != nullptr ? insertAt(data->getAreaCount(), ZDBMap()) : BMChange();
}

BMChange BMMapEditor::insertMap()
{
    BMData* data = m_editor.getData();
    if (data == nullptr) {
        return BMChange();
    }
    const uint32_t current = data->getCurrent();
    BMChange change = insertAt(current > 0 ? current - 1 : 0, m_hasCopy ? m_copy : ZDBMap());
    if (m_hasCopy && change.data != 0) {
        change.cut = m_copyCut;
    }
    return change;
}

BMChange BMMapEditor::removeMap()
{
    if (!m_editor.hasMap()) {
        return BMChange();
    }
    const uint32_t current = m_editor.getData()->getCurrent();
    return record(std::unique_ptr<BMMapEdit>(
        new BMMapEdit(BMMapEdit::REMOVE, current - 1, current - 1, current)));
}

BMChange BMMapEditor::moveMap(uint32_t to)
{
    if (!m_editor.hasMap()) {
        return BMChange();
    }
    const BMData* data = m_editor.getData();
    const uint32_t current = data->getCurrent();
    if (to < 1 || to > data->getAreaCount() || to == current) {
        return BMChange();
    }
    return record(
        std::unique_ptr<BMMapEdit>(new BMMapEdit(BMMapEdit::MOVE, current - 1, to - 1, current)));
}

std::string BMMapEditor::copyMap()
{
    if (!m_editor.hasMap()) {
        return std::string();
    }
    const BMData* data = m_editor.getData();
    m_copy = *data->getBMap(data->getCurrent() - 1);
    m_hasCopy = true;
    m_copyCut = BMLimitCut();
    return writeMapText(m_copy);
}

bool BMMapEditor::takeMapText(const std::string& text)
{
    ZDBMap map;
    BMLimitCut cut;
    if (!readMapText(text, &map, &cut)) {
        return false;
    }
    m_copy = map;
    m_hasCopy = true;
    m_copyCut = cut;
    return true;
}

// Every cell is recorded, like an edit of the whole map: undo and redo then need nothing new.
BMChange BMMapEditor::overwriteMap()
{
    if (!m_editor.hasMap() || !m_hasCopy) {
        return BMChange();
    }
    HLOG_START("overwriteMap");
    BMData& data = *m_editor.getData();
    const std::vector<uint16_t> cells = BMGeometry::everyCell();
    BMUndoItem* item = m_editor.openUndo(BMLayers::all().kinds(), m_editor.getCursorIndex());
    item->record(data, cells, nullptr, 0, [&] {
        for (uint16_t index : cells) {
            const uint32_t x = ux(BMGeometry::cellOf(index).x);
            const uint32_t y = ux(BMGeometry::cellOf(index).y);
            data.setByte(BMData::TYPE_CHARACTER, m_copy.getCharacter(x, y), 0, x, y);
            data.setByte(BMData::TYPE_OBJECT, m_copy.getObject(x, y), 0, x, y);
            data.setWord(BMData::TYPE_ORDER, m_copy.getOrder(x, y), 0, x, y);
            data.setByte(BMData::TYPE_HEIGHT, m_copy.getHeight(x, y), 0, x, y);
            data.setByte(BMData::TYPE_CONNECT, m_copy.getConnect(x, y), 0, x, y);
            data.setWord(BMData::TYPE_CONNECT_ORDER, m_copy.getConnectOrder(x, y), 0, x, y);
        }
        data.correct(0);
    });
    BMChange change;
    change.data = DATA_CHARACTER | DATA_OBJECT | DATA_HEIGHT | DATA_PLACEMENT;
    change.cut = m_copyCut;
    HLOG_END("overwriteMap");
    return change;
}

uint32_t BMMapEditor::countLinksToCurrent() const
{
    const BMData* data = m_editor.getData();
    return m_editor.hasMap() ? data->countLinksTo(data->getCurrent() - 1) : 0;
}

std::string BMMapEditor::writeMapText(const ZDBMap& map)
{
    std::vector<BMCellRecord> records(MAP_CELLS);
    for (int index = 0; index < MAP_CELLS; ++index) {
        const BMPoint cell = BMGeometry::cellOf(index);
        const uint32_t x = ux(cell.x);
        const uint32_t y = ux(cell.y);
        BMCellRecord& record = records[static_cast<size_t>(index)];
        record.x = cell.x;
        record.y = cell.y;
        record.character = map.getCharacter(x, y);
        record.object = map.getObject(x, y);
        record.order = map.getOrder(x, y);
        record.height = map.getHeight(x, y);
        record.group = map.getConnect(x, y);
        record.placementOrder = map.getConnectOrder(x, y);
    }
    return BMClipboardText::write(records);
}

bool BMMapEditor::readMapText(const std::string& text, ZDBMap* map, BMLimitCut* cut)
{
    std::vector<BMCellRecord> records;
    std::string error;
    if (!BMClipboardText::read(text, &records, &error) || records.size() != MAP_CELLS) {
        return false;
    }
    std::vector<bool> seen(MAP_CELLS, false);
    for (const BMCellRecord& record : records) {
        if (record.originRow != 0 || !BMGeometry::inside(record.x, record.y)
            || seen[static_cast<size_t>(BMGeometry::index(record.x, record.y))]) {
            return false;
        }
        seen[static_cast<size_t>(BMGeometry::index(record.x, record.y))] = true;
    }
    map->reset();
    for (const BMCellRecord& record : records) {
        const uint32_t x = ux(record.x);
        const uint32_t y = ux(record.y);
        map->setCharacter(x, y, record.character);
        map->setObject(x, y, record.object);
        map->setOrder(x, y, record.order);
        map->setHeight(x, y, record.height);
        map->setConnect(x, y, static_cast<uint8_t>(record.group));
        map->setConnectOrder(x, y, static_cast<uint16_t>(record.placementOrder));
    }
    const BMLimitCut lost = BMMapLimits::fitMap(map);
    if (cut != nullptr) {
        *cut = lost;
    }
    return true;
}
