#include "editor/model/BMClipboardText.h"

#include <cstdint>
#include <cstdio>

namespace {

const int kFields = 10;
const char* const kNotACell = "はマップのセルの形（10 個の数をコンマで区切った行）ではありません。";

struct Field {
    const char* name;  // as the user reads it in a message
    int64_t lowest;
    int64_t highest;
};

// The fields of a line in order, each with the values a map can hold.
const Field kFieldRanges[kFields] = {
    {"横の位置", -BMClipboardText::MAX_OFFSET, BMClipboardText::MAX_OFFSET},
    {"縦の位置", -BMClipboardText::MAX_OFFSET, BMClipboardText::MAX_OFFSET},
    {"地形チップ", 0, 239},
    {"物チップ", 0, 39},
    {"物の番号", 0, 1023},
    {"高さ", 0, 15},
    {"配置グループ", 0, 8},
    {"配置の番号", 0, 1023},
    {"基準の行", 0, 31},
    {"印", 0, 15},
};

// One field: an optional minus and 1 to 10 digits. Longer numbers are out of every range.
bool parseNumber(const std::string& text, int64_t* value)
{
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        i = 1;
    }
    if (i == text.size() || text.size() - i > 10) {
        return false;
    }
    int64_t number = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        number = number * 10 + (text[i] - '0');
    }
    *value = negative ? -number : number;
    return true;
}

std::string lineMessage(size_t line, const char* what)
{
    char text[256];
    std::snprintf(text, sizeof text, "クリップボードの %u 行目%s", static_cast<unsigned>(line), what);
    return text;
}

// The fields of one line, or a message.
bool readLine(const std::string& line, size_t number, BMCellRecord* record, std::string* error)
{
    int64_t values[kFields];
    size_t start = 0;
    for (int field = 0; field < kFields; ++field) {
        size_t end = line.find(',', start);
        if ((end == std::string::npos) != (field == kFields - 1)) {
            *error = lineMessage(number, kNotACell);
            return false;
        }
        if (end == std::string::npos) {
            end = line.size();
        }
        int64_t value = 0;
        if (!parseNumber(line.substr(start, end - start), &value)) {
            *error = lineMessage(number, kNotACell);
            return false;
        }
        const Field& range = kFieldRanges[field];
        if (value < range.lowest || value > range.highest) {
            char what[256];
            std::snprintf(what, sizeof what, "の%s %lld は範囲外です（%lld 以上 %lld 以下）。",
                          range.name, static_cast<long long>(value),
                          static_cast<long long>(range.lowest),
                          static_cast<long long>(range.highest));
            *error = lineMessage(number, what);
            return false;
        }
        values[field] = value;
        start = end + 1;
    }
    record->x = static_cast<int32_t>(values[0]);
    record->y = static_cast<int32_t>(values[1]);
    record->character = static_cast<uint8_t>(values[2]);
    record->object = static_cast<uint8_t>(values[3]);
    record->order = static_cast<uint16_t>(values[4]);
    record->height = static_cast<uint8_t>(values[5]);
    record->group = static_cast<uint32_t>(values[6]);
    record->placementOrder = static_cast<uint32_t>(values[7]);
    record->originRow = static_cast<int32_t>(values[8]);
    record->mark = static_cast<uint32_t>(values[9]);
    return true;
}

}  // namespace

bool BMClipboardText::read(const std::string& text, std::vector<BMCellRecord>* records,
                           std::string* error)
{
    records->clear();
    size_t number = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        ++number;
        if (end > start) {
            BMCellRecord record;
            if (records->size() == MAX_RECORDS) {
                *error = "クリップボードのセルが 1 マップ分（1024 個）より多いため、貼り付けられません。";
                records->clear();
                return false;
            }
            if (!readLine(text.substr(start, end - start), number, &record, error)) {
                records->clear();
                return false;
            }
            records->push_back(record);
        }
        // "\r\n" ends one line, not two.
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    error->clear();
    return true;
}

std::string BMClipboardText::write(const std::vector<BMCellRecord>& records)
{
    std::string text;
    for (const BMCellRecord& record : records) {
        if (!text.empty()) {
            text += "\r\n";
        }
        text += record.toText();
    }
    return text;
}
