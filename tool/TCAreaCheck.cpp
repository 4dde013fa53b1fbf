#include "tool/TCAreaCheck.h"

#include <algorithm>

#include "framework/base/HText.h"
#include "scenario/ZDArea.h"

namespace {

TCFinding areaFinding(TCFinding::Kind kind, const ZDArea& area, const std::string& file)
{
    TCFinding finding;
    finding.kind = kind;
    finding.file = file;
    finding.map = static_cast<uint32_t>(area.getNumber());
    return finding;
}

// Text for a message: control bytes as \xNN, so that a NUL neither ends nor breaks a line.
std::string visible(const std::string& text)
{
    std::string out;
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        out += byte < 0x20 || byte == 0x7F ? HText::format("\\x%02X", byte) : std::string(1, c);
    }
    return out;
}

// Bytes no text holds. A NUL is left out: the line that holds one is a finding of its own.
bool isControl(unsigned char byte)
{
    return (byte != 0 && byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F;
}

void join(std::string* reasons, const std::string& reason)
{
    *reasons += (reasons->empty() ? "" : "; ") + reason;
}

}  // namespace

std::string TCAreaCheck::lineReasons(const ZDArea& area)
{
    const std::string& raw = area.getRawLine();
    std::string reasons;
    if (raw.empty()) {
        return reasons;
    }
    std::vector<std::string> fields = ZDArea::splitFields(raw);
    size_t nuls = static_cast<size_t>(std::count(raw.begin(), raw.end(), '\0'));
    if (nuls > 0) {
        join(&reasons, nuls == 1 ? "a NUL byte" : HText::format("%u NUL bytes", static_cast<unsigned>(nuls)));
    }
    if (fields.size() > static_cast<size_t>(ZDArea::FIELDS)) {
        join(&reasons, HText::format("%u fields where %d are read", static_cast<unsigned>(fields.size()),
                                     ZDArea::FIELDS));
    }
    for (size_t i = 1; i < fields.size() && i + 1 < static_cast<size_t>(ZDArea::FIELDS); ++i) {
        if (!ZDArea::isPlainNumber(fields[i])) {
            int32_t read = i <= static_cast<size_t>(ZDArea::VALUES)
                               ? area.getValue(static_cast<int>(i))
                               : area.getLink(static_cast<int>(i) - ZDArea::VALUES - 1);
            join(&reasons, HText::format("%s \"%s\" is not a plain number (reads as %d)",
                                         TCFinding::fieldName(static_cast<int>(i) + 1).c_str(),
                                         visible(fields[i]).c_str(), read));
        }
    }
    ZDArea columns;
    columns.parseLine(area.formatColumns(), area.getFile(), area.getNumber());
    const struct {
        const char* name;
        const std::string& read;
        const std::string& back;
    } kTexts[] = {{"name", area.getName(), columns.getName()},
                  {"music", area.getMusic(), columns.getMusic()}};
    for (const auto& text : kTexts) {
        if (text.read != text.back) {
            join(&reasons, HText::format("%s \"%s\" would read back as \"%s\" from the columns", text.name,
                                         visible(text.read).c_str(), visible(text.back).c_str()));
        }
    }
    return reasons;
}

void TCAreaCheck::checkLine(const ZDArea& area, const std::string& file,
                            std::vector<TCFinding>* findings)
{
    if (area.getRawLine().empty()) {
        return;
    }
    TCFinding finding = areaFinding(TCFinding::LINE, area, file);
    finding.text = lineReasons(area);
    findings->push_back(finding);
}

void TCAreaCheck::checkList(const std::string& bytes, uint32_t areas, const std::string& end,
                            const std::string& file, std::vector<TCFinding>* findings)
{
    TCFinding finding;
    finding.file = file;
    // The list is what comes before its terminator line; the notes after it are the modder's.
    size_t listBytes = end.size() <= bytes.size() ? bytes.size() - end.size() : bytes.size();
    int64_t controls = 0;
    for (size_t i = 0; i < listBytes; ++i) {
        if (isControl(static_cast<unsigned char>(bytes[i]))) {
            if (controls++ == 0) {
                finding.index = static_cast<int32_t>(i);
            }
        }
    }
    if (controls > 0) {
        finding.kind = TCFinding::AREA_NOT_TEXT;
        finding.value = controls;
        finding.result = static_cast<int64_t>(listBytes);
        findings->push_back(finding);
    }
    if (areas == 0) {
        TCFinding none;
        none.kind = TCFinding::AREA_NONE;
        none.file = file;
        findings->push_back(none);
    }
    size_t lineEnd = end.find_first_of("\r\n");
    if (lineEnd != std::string::npos) {
        size_t notes = lineEnd + (end.compare(lineEnd, 2, "\r\n") == 0 ? 2 : 1);
        if (notes < end.size()) {
            TCFinding after;
            after.kind = TCFinding::AREA_AFTER_END;
            after.file = file;
            after.value = static_cast<int64_t>(end.size() - notes);
            after.text = end.substr(0, lineEnd);
            findings->push_back(after);
        }
    }
}

void TCAreaCheck::checkLinks(const ZDArea& area, uint32_t areas, const std::string& file,
                             std::vector<TCFinding>* findings)
{
    for (int group = 0; group < ZDArea::LINKS; ++group) {
        int32_t link = area.getLink(group);
        if (link != 0 && (link < 0 || static_cast<uint32_t>(link) > areas)) {
            TCFinding finding = areaFinding(TCFinding::LINK, area, file);
            finding.index = group + 1;
            finding.value = link;
            finding.result = areas;
            findings->push_back(finding);
        }
    }
}

void TCAreaCheck::checkCounts(const ZDArea& loaded, const ZDArea& repaired, const std::string& file,
                              std::vector<TCFinding>* findings)
{
    const int32_t before[] = {loaded.getCityCount(), loaded.getWallCount(), loaded.getRoadCount()};
    const int32_t after[] = {repaired.getCityCount(), repaired.getWallCount(),
                             repaired.getRoadCount()};
    for (int category = 0; category < 3; ++category) {
        if (before[category] != after[category]) {
            TCFinding finding = areaFinding(TCFinding::AREA_COUNT, loaded, file);
            finding.index = category;
            finding.value = before[category];
            finding.result = after[category];
            findings->push_back(finding);
        }
    }
}
