#include "tool/TCMapCheck.h"

#include "tool/TCDiff.h"

namespace {

class Collector : public ZDCorrectionListener {
public:
    Collector(const std::string& file, uint32_t map, std::vector<TCFinding>* findings)
        : m_file(file), m_map(map), m_findings(findings)
    {
    }

    void corrected(const Correction& correction) override
    {
        TCFinding finding = TCFinding::fromCorrection(correction);
        finding.file = m_file;
        finding.map = m_map;
        m_findings->push_back(finding);
    }

private:
    const std::string& m_file;
    uint32_t m_map;
    std::vector<TCFinding>* m_findings;  // not owned
};

// City 0, wall 1, road 2 for an object chip; -1 for none.
int32_t categoryOf(uint8_t object)
{
    if (object >= 1 && object <= 15) {
        return 0;
    }
    if (object >= 16 && object <= 24) {
        return 1;
    }
    return object >= 25 && object <= 39 ? 2 : -1;
}

}  // namespace

void TCMapCheck::check(const ZDBMap& loaded, const std::string& file,
                       std::vector<TCFinding>* findings)
{
    ZDBMap repaired(loaded);
    Collector collector(file, loaded.getNumber(), findings);
    repaired.correct(&collector);

    // What the next load makes of a save: the values the image cannot carry come back changed.
    std::vector<uint8_t> bytes = image(repaired);
    ZDBMap reread;
    reread.createFromBytes(bytes.data(), bytes.size(), repaired.getFile(), repaired.getNumber());
    for (const TCDiff::Cell& cell : TCDiff::cells(repaired, reread)) {
        TCFinding finding;
        finding.file = file;
        finding.map = loaded.getNumber();
        finding.x = static_cast<int32_t>(cell.x);
        finding.y = static_cast<int32_t>(cell.y);
        if (cell.layer == TCDiff::ORDER) {
            finding.kind = TCFinding::ORDER_WRAPS;
            finding.index = categoryOf(repaired.getObject(cell.x, cell.y));
            finding.value = cell.before;
            finding.result = cell.after;
        } else if (cell.layer == TCDiff::CONNECT) {
            finding.kind = TCFinding::PLACEMENT_CUT;
            finding.index = static_cast<int32_t>(cell.before);
            finding.value = repaired.getConnectOrder(cell.x, cell.y);
        } else {
            continue;  // the group order of a dropped cell, or nothing the writer loses
        }
        findings->push_back(finding);
    }
}

std::vector<uint8_t> TCMapCheck::image(const ZDBMap& map)
{
    // Zeros, as the editor's save hands the writer: empty placement slots stay empty.
    std::vector<uint8_t> bytes(ZDBMap::IMAGE_SIZE, 0);
    map.writeToBytes(bytes.data());
    return bytes;
}

void TCMapCheck::checkBytes(const std::string& bytes, const std::vector<uint8_t>& image,
                            bool explained, const std::string& file, uint32_t map,
                            std::vector<TCFinding>* findings)
{
    TCFinding finding;
    finding.file = file;
    finding.map = map;
    if (bytes.size() != image.size()) {
        finding.kind = bytes.size() < image.size() ? TCFinding::MAP_SHORT : TCFinding::MAP_LONG;
        finding.value = static_cast<int64_t>(bytes.size());
        finding.result = static_cast<int64_t>(image.size());
        findings->push_back(finding);
        return;
    }
    if (explained) {
        return;
    }
    for (size_t i = 0; i < image.size(); ++i) {
        uint8_t found = static_cast<uint8_t>(bytes[i]);
        if (found != image[i]) {
            finding.kind = TCFinding::MAP_BYTES;
            finding.index = static_cast<int32_t>(i);
            finding.value = found;
            finding.result = image[i];
            findings->push_back(finding);
            return;
        }
    }
}
