#include "editor/model/BMReplace.h"

#include <memory>
#include <vector>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"
#include "editor/model/BMLayers.h"
#include "editor/model/BMMapLimits.h"
#include "editor/model/BMReplaceUndo.h"
#include "scenario/ZDEditBMap.h"

namespace {

// The maps a scope reaches, by number (1-based); none without a current map.
std::vector<uint32_t> mapsOf(const BMEditor& editor, BMReplace::Scope scope)
{
    std::vector<uint32_t> numbers;
    if (!editor.hasMap()) {
        return numbers;
    }
    const BMData& data = *editor.getData();
    if (scope != BMReplace::EVERY_MAP) {
        numbers.push_back(data.getCurrent());
        return numbers;
    }
    for (uint32_t number = 1; number <= data.getAreaCount(); ++number) {
        if (data.getBMap(number - 1) != nullptr) {
            numbers.push_back(number);
        }
    }
    return numbers;
}

// The cells of map number holding the value in the scope, in reading order.
std::vector<uint16_t> matches(const BMEditor& editor, const BMReplace::Request& request,
                              uint32_t number)
{
    std::vector<uint16_t> cells;
    for (int index = 0; index < MAP_CELLS; ++index) {
        if (request.scope == BMReplace::SELECTION && !editor.inSelection(index)) {
            continue;
        }
        if (BMReplace::valueOf(*editor.getData(), request.mode, number, index) == request.from) {
            cells.push_back(static_cast<uint16_t>(index));
        }
    }
    return cells;
}

uint32_t categoryCount(const ZDBMap& map, uint8_t object)
{
    switch (BMMapLimits::categoryOf(object)) {
    case BMMapLimits::CITY:
        return map.getCityCount();
    case BMMapLimits::WALL:
        return map.getWallCount();
    case BMMapLimits::ROAD:
        return map.getRoadCount();
    default:
        return 0;
    }
}

// Objects and placements: only what fits is written, numbered after the map's own from its
// count; the renumbering then makes the orders dense and fits walls and roads.
uint32_t replaceNumbered(BMData& data, uint32_t number, const BMLayers& layers,
                         const std::vector<uint16_t>& cells, uint8_t to, BMLimitCut* cut)
{
    ZDEditBMap& map = *data.getBMap(number - 1);
    std::vector<BMMapLimits::Write> writes;
    for (uint16_t cell : cells) {
        writes.push_back({cell, layers.object, to, layers.placement, to});
    }
    cut->add(BMMapLimits::fit(map, &writes));
    uint32_t order = layers.object ? categoryCount(map, to) : (to != 0 ? map.getConnectCount(to - 1u) : 0);
    uint32_t written = 0;
    for (const BMMapLimits::Write& write : writes) {
        const BMPoint cell = BMGeometry::cellOf(write.cell);
        const uint32_t x = static_cast<uint32_t>(cell.x);
        const uint32_t y = static_cast<uint32_t>(cell.y);
        if (write.object) {
            map.setObject(x, y, to);
            map.setOrder(x, y, static_cast<uint16_t>(to != 0 ? order++ : 0));
            ++written;
        }
        if (write.placement) {
            map.setConnect(x, y, to);
            map.setConnectOrder(x, y, static_cast<uint16_t>(to != 0 ? order++ : 0));
            ++written;
        }
    }
    data.correct(number);
    return written;
}

}  // namespace

uint32_t BMReplace::maximum(int mode)
{
    if ((mode & MODE_OBJ) != 0) {
        return 39;
    }
    if ((mode & MODE_HEIGHT) != 0) {
        return 15;
    }
    if ((mode & MODE_PLACEMENT) != 0) {
        return 8;
    }
    return 239;
}

uint32_t BMReplace::valueOf(const BMData& data, int mode, uint32_t number, int index)
{
    const ZDBMap* map = data.getBMap(number - 1);
    if (map == nullptr || index < 0 || index >= MAP_CELLS) {
        return 0;
    }
    const BMPoint cell = BMGeometry::cellOf(index);
    const uint32_t x = static_cast<uint32_t>(cell.x);
    const uint32_t y = static_cast<uint32_t>(cell.y);
    if ((mode & MODE_OBJ) != 0) {
        return map->getObject(x, y);
    }
    if ((mode & MODE_HEIGHT) != 0) {
        return map->getHeight(x, y);
    }
    if ((mode & MODE_PLACEMENT) != 0) {
        return map->getConnect(x, y);
    }
    return map->getCharacter(x, y);
}

BMReplace::Count BMReplace::count(const BMEditor& editor, const Request& request)
{
    Count count;
    for (uint32_t number : mapsOf(editor, request.scope)) {
        const size_t cells = matches(editor, request, number).size();
        count.cells += static_cast<uint32_t>(cells);
        count.maps += cells != 0 ? 1 : 0;
    }
    return count;
}

BMChange BMReplace::run(BMEditor& editor, const Request& request, Count* done)
{
    *done = Count();
    if (request.from == request.to || request.to > maximum(request.mode)) {
        return BMChange();
    }
    BMData& data = *editor.getData();
    const BMLayers layers = BMLayers::ofMode(request.mode);
    const uint8_t to = static_cast<uint8_t>(request.to);
    std::unique_ptr<BMReplaceUndo> undo(new BMReplaceUndo(layers));
    BMLimitCut cut;
    for (uint32_t number : mapsOf(editor, request.scope)) {
        const std::vector<uint16_t> cells = matches(editor, request, number);
        if (cells.empty()) {
            continue;
        }
        ZDEditBMap& map = *data.getBMap(number - 1);
        const ZDBMap before = map;
        uint32_t written = 0;
        if (layers.renumbers()) {
            written = replaceNumbered(data, number, layers, cells, to, &cut);
        } else {
            for (uint16_t index : cells) {
                const BMPoint cell = BMGeometry::cellOf(index);
                const uint32_t x = static_cast<uint32_t>(cell.x);
                const uint32_t y = static_cast<uint32_t>(cell.y);
                if (layers.character) {
                    map.setCharacter(x, y, to);
                } else {
                    map.setHeight(x, y, to);
                }
            }
            written = static_cast<uint32_t>(cells.size());
        }
        undo->addMap(number, before, map);
        done->cells += written;
        done->maps += written != 0 ? 1 : 0;
        done->leftOut += static_cast<uint32_t>(cells.size()) - written;
    }
    if (undo->empty()) {
        BMChange change;  // nothing fitted: the author still learns why
        change.cut = cut;
        return change;
    }
    // Writing the after-records again changes nothing and says which cells of the current
    // map the view draws again.
    BMChange change = undo->apply(editor, true);
    change.cut = cut;
    const BMPoint scroll = editor.getScroll();
    editor.getUndoList().add(std::move(undo), scroll.x, scroll.y, editor.getCursorIndex());
    return change;
}
