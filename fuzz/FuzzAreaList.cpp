#include "fuzz/FuzzAreaList.h"

#include <memory>
#include <vector>

#include "framework/base/HFileReader.h"
#include "scenario/ZDArea.h"

const char* const FuzzAreaList::FILE_NAME = "AreaData";

namespace {

using Areas = std::vector<std::unique_ptr<ZDArea>>;

const size_t kLineBuffer = 1024;  // what the saver hands formatLine

// A name or music that the blank-separated format carries: fields never hold blanks.
bool plain(const std::string& text, bool mayBeEmpty)
{
    return (mayBeEmpty || !text.empty()) && text.find_first_of(" \t") == std::string::npos;
}

}  // namespace

std::string FuzzAreaList::check()
{
    HFileReader reader{HFile(FILE_NAME)};
    if (!reader.read()) {
        return "the list could not be read";
    }
    const char* text = reader.getData();
    Areas areas;
    int count = ZDArea::parseList(text, &areas, HFile(FILE_NAME));
    if (count != (*text == '\0' ? -1 : static_cast<int>(areas.size()))) {
        return "the count differs from the records appended";
    }
    std::string file;  // the list as the saver writes it
    bool allPlain = true;
    for (size_t i = 0; i < areas.size(); ++i) {
        const ZDArea& area = *areas[i];
        if (area.getNumber() != static_cast<int32_t>(i + 1)) {
            return "the records are not numbered 1..n";
        }
        char buffer[kLineBuffer] = {};
        area.formatLine(buffer, sizeof(buffer));
        std::string line(buffer);
        bool whole = line.size() + 1 < sizeof(buffer);
        ZDArea back;
        if (!back.parseLine(line, HFile(FILE_NAME), area.getNumber())) {
            return "a written line does not parse";
        }
        bool carried = whole && plain(area.getName(), false) && plain(area.getMusic(), true);
        if (carried && !back.sameRecord(area)) {
            return "a written line reads back as another record";
        }
        allPlain = allPlain && carried;
        file += line + "\r\n";
    }
    if (!allPlain) {
        return std::string();
    }
    file += std::string(ZDArea::TERMINATOR) + "\r\n";
    Areas again;
    int againCount = ZDArea::parseList(file.c_str(), &again, HFile(FILE_NAME));
    if (areas.empty() ? againCount != 0 : againCount != count) {
        return "the written list has another number of records";
    }
    for (size_t i = 0; i < again.size(); ++i) {
        if (!again[i]->sameRecord(*areas[i])) {
            return "the written list reads back as other records";
        }
    }
    return std::string();
}

#ifdef TESSEL_LIBFUZZER
#include "fuzz/FuzzMemoryFile.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    return FuzzMemoryFile::initialize(argc, argv, FuzzAreaList::MAX_LENGTH);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzMemoryFile::test(FuzzAreaList::FILE_NAME, data, size, FuzzAreaList::check);
}
#endif
