#include "tool/TCAreaCheck.h"

#include <cstring>

#include "scenario/ZDArea.h"
#include "tool/TCDiff.h"

namespace {

// As large as the line buffer of the editor's save, so that a line cut there is cut here too.
const size_t kLineBuffer = 1024;

TCFinding areaFinding(TCFinding::Kind kind, const ZDArea& area, const std::string& file)
{
    TCFinding finding;
    finding.kind = kind;
    finding.file = file;
    finding.map = static_cast<uint32_t>(area.getNumber());
    return finding;
}

}  // namespace

void TCAreaCheck::checkLine(const ZDArea& area, const std::string& file,
                            std::vector<TCFinding>* findings)
{
    char line[kLineBuffer] = {};
    area.formatLine(line, sizeof(line));
    ZDArea reread;
    if (!reread.parseLine(line, area.getFile(), area.getNumber())) {
        reread = ZDArea();
    }
    for (const TCDiff::Field& field : TCDiff::fields(area, reread)) {
        TCFinding finding = areaFinding(TCFinding::LINE, area, file);
        finding.index = field.field;
        finding.text = field.before;
        finding.text2 = field.after;
        findings->push_back(finding);
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
