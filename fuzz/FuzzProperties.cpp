#include "fuzz/FuzzProperties.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <vector>

#include "framework/base/HFileReader.h"
#include "framework/base/HLineReader.h"
#include "framework/base/HProperties.h"
#include "framework/base/HText.h"

const char* const FuzzProperties::FILE_NAME = "border.ini";

namespace {

using Lines = std::vector<std::string>;

const char* const kBlanks = " \t\r\n";

Lines readLines(const char* text, bool skipEmpty, bool trim)
{
    Lines lines;
    HLineReader reader(text, skipEmpty, trim);
    while (reader.hasNext()) {
        lines.push_back(reader.next());
    }
    return lines;
}

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Lines of a text: one per break (CR LF, LF or CR), plus a last one without a break.
size_t lineCount(const std::string& text)
{
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (isBreak(text[i])) {
            ++count;
            i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        }
    }
    return count + (!text.empty() && !isBreak(text.back()));
}

std::string checkLineReader(const std::string& text)
{
    Lines raw = readLines(text.c_str(), false, false);
    if (raw.size() != lineCount(text)) {
        return "the line reader found another number of lines";
    }
    std::string withoutBreaks;
    std::remove_copy_if(text.begin(), text.end(), std::back_inserter(withoutBreaks), isBreak);
    std::string joined;
    for (const std::string& line : raw) {
        joined += line;
    }
    if (joined != withoutBreaks) {
        return "the lines are not the text without its breaks";
    }
    Lines trimmed = readLines(text.c_str(), false, true);
    if (trimmed.size() != raw.size()) {
        return "trimming changed the number of lines";
    }
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i].find(trimmed[i]) == std::string::npos) {
            return "a trimmed line is not part of its line";
        }
        bool blanksOnly = raw[i].find_first_not_of(" \t") == std::string::npos;
        if (!blanksOnly && (trimmed[i].front() == ' ' || trimmed[i].front() == '\t')) {
            return "a trimmed line starts with a blank";
        }
    }
    for (bool trim : {false, true}) {
        Lines kept = readLines(text.c_str(), true, trim);
        const Lines& all = trim ? trimmed : raw;
        if (kept.size() != static_cast<size_t>(std::count_if(all.begin(), all.end(),
                                                             [](const std::string& l) { return !l.empty(); }))) {
            return "skipping empty lines skipped another number of lines";
        }
    }
    return std::string();
}

std::string trimBlanks(const std::string& text)
{
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Items per key as the syntax gives them: a key line starts a value that the following lines
// without "=" continue; a value of n commas holds n + 1 items.
std::map<std::string, size_t> expectedItems(const Lines& lines)
{
    std::map<std::string, size_t> items;
    std::string key;
    for (const std::string& line : lines) {
        size_t equals = line.find('=');
        std::string value = line;
        if (equals != std::string::npos) {
            key = trimBlanks(line.substr(0, equals));
            value = line.substr(equals + 1);
            if (!key.empty()) {
                ++items[key];
            }
        }
        if (!key.empty()) {
            items[key] += static_cast<size_t>(std::count(value.begin(), value.end(), ','));
        }
    }
    return items;
}

std::string checkLookups(const HProperties& properties, const std::string& key, size_t expected)
{
    size_t count = properties.getCount(key);
    if (count != expected) {
        return "a key holds another number of items than its lines give";
    }
    for (size_t i = 0; i < count; ++i) {
        std::string item = properties.getString(key, i);
        if (item.find(',') != std::string::npos) {
            return "an item holds a comma";
        }
        if (!item.empty() && (strchr(kBlanks, item.front()) != nullptr
                              || strchr(kBlanks, item.back()) != nullptr)) {
            return "an item is not trimmed";
        }
        if (properties.getInt(key, i) != HText::toInt(item)) {
            return "a number does not follow the text-to-integer rule";
        }
    }
    if (!properties.getString(key, count).empty() || properties.getInt(key, count) != 0) {
        return "an index past the list answers something";
    }
    return std::string();
}

}  // namespace

std::string FuzzProperties::check()
{
    HFileReader reader{HFile(FILE_NAME)};
    if (!reader.read()) {
        return "the file could not be read";
    }
    std::string text = reader.getData();  // a zero byte ends the text
    std::string failure = checkLineReader(text);
    if (!failure.empty()) {
        return failure;
    }
    HProperties properties;
    if (!properties.load(HFile(FILE_NAME))) {
        return "a readable file did not load";
    }
    for (const auto& entry : expectedItems(readLines(text.c_str(), false, false))) {
        failure = checkLookups(properties, entry.first, entry.second);
        if (!failure.empty()) {
            return failure + " (key \"" + entry.first + "\")";
        }
    }
    if (properties.getCount(std::string()) != 0) {
        return "the empty key holds items";
    }
    return std::string();
}

#ifdef TESSEL_LIBFUZZER
#include "fuzz/FuzzMemoryFile.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    return FuzzMemoryFile::initialize(argc, argv, FuzzProperties::MAX_LENGTH);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzMemoryFile::test(FuzzProperties::FILE_NAME, data, size, FuzzProperties::check);
}
#endif
