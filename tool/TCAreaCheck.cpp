#include "tool/TCAreaCheck.h"

#include "scenario/ZDArea.h"

namespace {

// Bytes no text holds. A NUL is left out: the line that holds one is a finding of its own.
bool isControl(unsigned char byte)
{
    return (byte != 0 && byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F;
}

}  // namespace

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

void TCAreaCheck::checkArea(uint32_t number, const ZDArea& area, const ZDBMap& map,
                            uint32_t areas, const ZDScenarioCheck::Options& sheets,
                            const std::string& areaFile, const std::string& mapFile,
                            bool countsKnown, std::vector<TCFinding>* findings)
{
    std::vector<ZDProblem> problems;
    ZDScenarioCheck::checkArea(number, area, map, areas, sheets, &problems);
    for (const ZDProblem& problem : problems) {
        if ((problem.kind == ZDProblem::COUNT || problem.kind == ZDProblem::LINK_SHORT)
            && !countsKnown) {
            continue;
        }
        const bool cells = problem.kind == ZDProblem::ORIGIN
                           || problem.kind == ZDProblem::CHIP_OUTSIDE;
        findings->push_back(TCFinding::fromProblem(problem, cells ? mapFile : areaFile));
    }
}
