#include "editor/model/BMChange.h"

void BMChange::add(const BMChange& other)
{
    data |= other.data;
    cells.insert(cells.end(), other.cells.begin(), other.cells.end());
    cursor = cursor || other.cursor;
    areas = areas || other.areas;
    otherMaps = otherMaps || other.otherMaps;
    cut.add(other.cut);
    if (other.scroll) {
        scroll = true;
        scrollTo = other.scrollTo;
    }
}
