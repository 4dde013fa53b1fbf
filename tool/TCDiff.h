#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ZDArea;
class ZDBMap;

// What differs between two battle maps, cell by cell, and between two area-list records, field
// by field.
class TCDiff {
public:
    enum Layer { CHARACTER, OBJECT, ORDER, HEIGHT, CONNECT, CONNECT_ORDER, LAYERS };

    struct Cell {
        Layer layer;
        uint32_t x;
        uint32_t y;
        uint32_t before;
        uint32_t after;
    };

    struct Field {
        int field;  // 1..19 for the fields of an area line; see TCFinding::fieldName
        std::string before;
        std::string after;
    };

    // Every differing value, for y = 0..31, x = 0..31 within each y, layer by layer in the
    // order of the enumeration.
    static std::vector<Cell> cells(const ZDBMap& before, const ZDBMap& after);
    // "character", "object", "order", "height", "group", "group-order".
    static const char* layerName(Layer layer);
    // The value of one field of an area line (1..19) as text: the name, the numbers in
    // decimal, the music.
    static std::string field(const ZDArea& area, int field);
    // Every differing field of the two records, in line order.
    static std::vector<Field> fields(const ZDArea& before, const ZDArea& after);
};
