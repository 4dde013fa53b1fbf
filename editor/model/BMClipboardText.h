#pragma once

#include <string>
#include <vector>

#include "editor/model/BMCellRecord.h"

// The clipboard text of a copied region: one cell record per line in its text form
// (BMCellRecord::toText), lines separated by "\r\n". Reading is strict: a text is taken only
// when every line is a record of ten decimal numbers, each in the range a map can hold, so
// that nothing a paste writes can be out of range. Empty lines are skipped.
class BMClipboardText {
public:
    // A copy never holds more cells than a map.
    static constexpr size_t MAX_RECORDS = 1024;
    // The furthest a copied cell lies from the copy's first cell, in columns or rows.
    static constexpr int MAX_OFFSET = 31;

    // The records of text; false with a message for the user (Shift-JIS) when the text is
    // refused, records then left empty.
    static bool read(const std::string& text, std::vector<BMCellRecord>* records,
                     std::string* error);
    static std::string write(const std::vector<BMCellRecord>& records);
};
