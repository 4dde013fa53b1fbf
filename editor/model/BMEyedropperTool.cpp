#include "editor/model/BMEyedropperTool.h"

#include <cstdio>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"

namespace {

struct Layer {
    int type;          // BMData::TYPE_ of the layer
    int low;           // the smallest value a current value takes (placement groups start at 1)
    int high;
    const char* name;  // as the palette names it
};

Layer layerOf(int mode)
{
    if ((mode & MODE_OBJ) != 0) {
        return {BMData::TYPE_OBJECT, 0, 39, "OBJ"};
    }
    if ((mode & MODE_HEIGHT) != 0) {
        return {BMData::TYPE_HEIGHT, 0, 15, "高度"};
    }
    if ((mode & MODE_PLACEMENT) != 0) {
        return {BMData::TYPE_CONNECT, 1, 8, "初期配置"};
    }
    return {BMData::TYPE_CHARACTER, 0, 239, "CHAR"};
}

// The value of cell (x, y) in the layer, or -1 outside the map or without one.
int valueAt(const BMEditor& editor, const Layer& layer, int x, int y)
{
    if (!editor.hasMap() || !BMGeometry::inside(x, y)) {
        return -1;
    }
    return editor.getData()->getByte(layer.type, 0, static_cast<uint32_t>(x),
                                     static_cast<uint32_t>(y));
}

}  // namespace

BMChange BMEyedropperTool::press(BMEditor& editor, int x, int y, BMFloodFill::Reach) const
{
    BMChange change;
    const Layer layer = layerOf(editor.getEditMode());
    const int value = valueAt(editor, layer, x, y);
    if (value < layer.low || value > layer.high) {
        return change;
    }
    switch (layer.type) {
    case BMData::TYPE_OBJECT: editor.setObject(value); break;
    case BMData::TYPE_HEIGHT: editor.setHeight(value); break;
    case BMData::TYPE_CONNECT: editor.setGroupIndex(value - 1); break;
    default: editor.setCharacter(value); break;
    }
    change.data = DATA_CURRENT;
    return change;
}

void BMEyedropperTool::drag(BMEditor&, int, int, BMFloodFill::Reach) const {}

void BMEyedropperTool::preview(BMEditor&, BMPoint, int, int, BMFloodFill::Reach) const {}

BMChange BMEyedropperTool::release(BMEditor&, int, int) const { return BMChange(); }

std::string BMEyedropperTool::status(const BMEditor& editor, int x, int y)
{
    const Layer layer = layerOf(editor.getEditMode());
    const int value = valueAt(editor, layer, x, y);
    char text[128];
    if (value < 0) {
        std::snprintf(text, sizeof text, "スポイト：マップの外です");
    } else if (layer.type == BMData::TYPE_CONNECT && value == 0) {
        std::snprintf(text, sizeof text, "スポイト：(%d,%d) に初期配置はありません", x, y);
    } else if (value < layer.low || value > layer.high) {
        std::snprintf(text, sizeof text, "スポイト：(%d,%d) の%s %d は範囲外のため取りません", x,
                      y, layer.name, value);
    } else {
        std::snprintf(text, sizeof text, "スポイト：(%d,%d) の%s %d を現在の値にしました", x, y,
                      layer.name, value);
    }
    return text;
}
