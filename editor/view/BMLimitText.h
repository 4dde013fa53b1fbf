#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BMLimitCut;

// The words that tell the author what an edit left out because the map file could not hold
// it (Shift-JIS), and the palette's count of a placement group against its limit.
class BMLimitText {
public:
    // One sentence per limit reached, naming it: groups 1..8, then (0, 0), then city, wall
    // and road; none when nothing was left out.
    static std::vector<std::string> sentences(const BMLimitCut& cut);
    // The sentences on one line, for the status bar.
    static std::string status(const BMLimitCut& cut);
    // The box of a paste or a map written from the clipboard that was cut: what happened,
    // then the sentences one per line.
    static std::string box(const BMLimitCut& cut, const std::string& what);
    // "12/20": the cells of a placement group against what the file holds.
    static std::string groupCount(uint32_t cells);
};
