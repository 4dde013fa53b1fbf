#pragma once

#include <string>
#include <vector>

#include "editor/model/BMChange.h"
#include "editor/model/BMLayers.h"

class BMEditor;
struct BMCellRecord;

// A paste of several clipboard records as one undo item. The records land relative to the
// cursor cell. Rows of the other parity than the copy's first row move half a cell when the
// cursor row's parity differs from it, so that every cell keeps its neighbours. The paste
// becomes the selection.
class BMPaste {
public:
    // The clipboard text of the editor's selection: its cells in reading order, relative to
    // the first.
    static std::string copy(const BMEditor& editor);
    static BMChange paste(BMEditor& editor, const BMLayers& layers,
                          const std::vector<BMCellRecord>& records);

private:
    // The cell index each record lands on, -1 outside the map.
    static std::vector<int> targets(BMPoint origin, const std::vector<BMCellRecord>& records);
};
