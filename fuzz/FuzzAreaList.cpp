#include "fuzz/FuzzAreaList.h"

#include <memory>
#include <vector>

#include "framework/base/HFileReader.h"
#include "scenario/ZDArea.h"

const char* const FuzzAreaList::FILE_NAME = "AreaData";

namespace {

using Areas = std::vector<std::unique_ptr<ZDArea>>;

std::vector<const ZDArea*> pointers(const Areas& areas)
{
    std::vector<const ZDArea*> list;
    for (const std::unique_ptr<ZDArea>& area : areas) {
        list.push_back(area.get());
    }
    return list;
}

// What the record's own line says about it, then what an edit of it writes.
std::string checkRecord(const ZDArea& area)
{
    std::string line = area.formatLine();
    ZDArea back;
    if (!back.parseLine(line, HFile(FuzzAreaList::FILE_NAME), area.getNumber())) {
        return "a written line does not parse";
    }
    if (!back.sameFields(area)) {
        return "a written line reads back as another record";
    }
    if (!area.getRawLine().empty() && (!area.keepsRawLine() || line != area.getRawLine())) {
        return "a line the columns cannot carry is not written as read";
    }
    if (area.getRawLine().empty() != (area.getLineFaults() == 0)) {
        return "a line is kept without a fault, or a fault without its line";
    }
    // An edit of a record the columns carry writes what its own line already showed; the
    // edit that matters is of a line kept as read.
    if (area.getRawLine().empty()) {
        return std::string();
    }
    ZDArea edited = area;
    edited.setValue(9, area.getValue(9) == 1 ? 2 : 1);
    std::string columns = edited.formatLine();
    if (columns != edited.formatColumns()) {
        return "an edited record is not written in the columns";
    }
    ZDArea editedBack;
    editedBack.parseLine(columns, HFile(FuzzAreaList::FILE_NAME), 1);
    if ((area.getLineFaults() & ZDArea::FAULT_TEXT) == 0 && !editedBack.sameFields(edited)) {
        return "an edited record reads back as another record";
    }
    return std::string();
}

}  // namespace

std::string FuzzAreaList::check()
{
    HFileReader reader{HFile(FILE_NAME)};
    if (!reader.read()) {
        return "the list could not be read";
    }
    const std::string text(reader.getData(), static_cast<size_t>(reader.getSize()));
    Areas areas;
    std::string end;
    int count = ZDArea::parseList(text, &areas, HFile(FILE_NAME), &end);
    if (count != (text.empty() ? -1 : static_cast<int>(areas.size()))) {
        return "the count differs from the records appended";
    }
    if (end.size() > text.size() || text.compare(text.size() - end.size(), end.size(), end) != 0) {
        return "the text after the terminator is not the end of the file";
    }
    for (size_t i = 0; i < areas.size(); ++i) {
        if (areas[i]->getNumber() != static_cast<int32_t>(i + 1)) {
            return "the records are not numbered 1..n";
        }
        std::string fault = checkRecord(*areas[i]);
        if (!fault.empty()) {
            return fault;
        }
    }
    const std::string written = ZDArea::formatList(pointers(areas), end);
    Areas again;
    std::string againEnd;
    int againCount = ZDArea::parseList(written, &again, HFile(FILE_NAME), &againEnd);
    if (againCount != static_cast<int>(areas.size())) {
        return "the written list has another number of records";
    }
    for (size_t i = 0; i < again.size(); ++i) {
        if (!again[i]->sameRecord(*areas[i]) || again[i]->getRawLine() != areas[i]->getRawLine()) {
            return "the written list reads back as other records";
        }
    }
    if (againEnd != (end.empty() ? std::string(ZDArea::TERMINATOR) : end)) {
        return "the text after the terminator changed";
    }
    if (ZDArea::formatList(pointers(again), againEnd) != written) {
        return "the written list writes back other bytes";
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
