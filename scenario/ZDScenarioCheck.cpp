#include "scenario/ZDScenarioCheck.h"

#include <algorithm>

#include "framework/base/HText.h"
#include "scenario/ZDArea.h"
#include "scenario/ZDBMap.h"
#include "scenario/ZDMusicFinder.h"

namespace {

const char* const kCategoryNames[] = {"city", "wall", "road"};

ZDProblem problemOf(ZDProblem::Kind kind, uint32_t number)
{
    ZDProblem problem;
    problem.kind = kind;
    problem.area = number;
    return problem;
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

void join(std::string* reasons, const std::string& reason)
{
    *reasons += (reasons->empty() ? "" : "; ") + reason;
}

}  // namespace

ZDScenarioCheck::Options ZDScenarioCheck::sheetsOf(int characterWidth, int characterHeight,
                                                  int objectWidth, int objectHeight)
{
    const auto held = [](int width, int height, int chips) {
        return width < 20 * 32 ? chips : std::min(chips, height / 32 * 20);
    };
    Options sheets;
    sheets.characters = held(characterWidth, characterHeight, sheets.characters);
    sheets.objects = held(objectWidth, objectHeight, sheets.objects);
    return sheets;
}

void ZDScenarioCheck::checkArea(uint32_t number, const ZDArea& area, const ZDBMap& map,
                                uint32_t areas, const Options& sheets,
                                std::vector<ZDProblem>* problems)
{
    if (!area.getRawLine().empty()) {
        ZDProblem line = problemOf(ZDProblem::LINE, number);
        line.text = lineReasons(area);
        problems->push_back(line);
    }
    for (int group = 0; group < ZDArea::LINKS; ++group) {
        const int32_t link = area.getLink(group);
        if (link != 0 && (link < 0 || static_cast<uint32_t>(link) > areas)) {
            ZDProblem problem = problemOf(ZDProblem::LINK, number);
            problem.index = group + 1;
            problem.value = link;
            problem.result = areas;
            problems->push_back(problem);
        }
    }
    const int32_t lines[] = {area.getCityCount(), area.getWallCount(), area.getRoadCount()};
    const uint32_t cells[] = {map.getCityCount(), map.getWallCount(), map.getRoadCount()};
    for (int category = 0; category < 3; ++category) {
        if (lines[category] < 0 || static_cast<uint32_t>(lines[category]) != cells[category]) {
            ZDProblem problem = problemOf(ZDProblem::COUNT, number);
            problem.index = category;
            problem.value = lines[category];
            problem.result = cells[category];
            problems->push_back(problem);
        }
    }
    checkGroups(number, area, map, areas, problems);
    checkChips(number, map, sheets, problems);
}

// The groups' cells are counted here from the cells themselves, not taken from the map's
// counts, which only a repair brings up to date.
void ZDScenarioCheck::checkGroups(uint32_t number, const ZDArea& area, const ZDBMap& map,
                                  uint32_t areas, std::vector<ZDProblem>* problems)
{
    uint32_t counts[ZDBMap::GROUPS + 1] = {};
    for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
        for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
            const uint8_t group = map.getConnect(x, y);
            counts[group <= ZDBMap::GROUPS ? group : 0]++;
        }
    }
    for (uint32_t group = 1; group <= ZDBMap::GROUPS; ++group) {
        const int32_t link = area.getLink(static_cast<int>(group) - 1);
        if (link > 0 && static_cast<uint32_t>(link) <= areas
            && counts[group] < ZDBMap::SLOTS) {
            ZDProblem problem = problemOf(ZDProblem::LINK_SHORT, number);
            problem.index = static_cast<int32_t>(group);
            problem.value = link;
            problem.result = counts[group];
            problems->push_back(problem);
        }
    }
    const uint8_t origin = map.getConnect(0, 0);
    if (origin != 0) {
        ZDProblem problem = problemOf(ZDProblem::ORIGIN, number);
        problem.x = 0;
        problem.y = 0;
        problem.index = origin;
        problems->push_back(problem);
    }
}

// One problem per chip the bitmap lacks, at its first cell in reading order.
void ZDScenarioCheck::checkChips(uint32_t number, const ZDBMap& map, const Options& sheets,
                                 std::vector<ZDProblem>* problems)
{
    for (int layer = 0; layer < 2; ++layer) {
        const int chips = layer == 0 ? sheets.characters : sheets.objects;
        std::vector<ZDProblem> found(256);
        for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
            for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
                const uint8_t chip = layer == 0 ? map.getCharacter(x, y) : map.getObject(x, y);
                if (chip < chips) {
                    continue;
                }
                ZDProblem& problem = found[chip];
                if (problem.result++ == 0) {
                    problem = problemOf(ZDProblem::CHIP_OUTSIDE, number);
                    problem.result = 1;
                    problem.x = static_cast<int32_t>(x);
                    problem.y = static_cast<int32_t>(y);
                    problem.index = layer;
                    problem.value = chip;
                }
            }
        }
        for (const ZDProblem& problem : found) {
            if (problem.result > 0) {
                problems->push_back(problem);
            }
        }
    }
}

void ZDScenarioCheck::checkMapFiles(const std::vector<std::string>& names, uint32_t areas,
                                    std::vector<ZDProblem>* problems)
{
    const std::string prefix = "bmap_no";
    for (const std::string& name : names) {
        if (name.size() <= prefix.size() || name.size() > prefix.size() + 9) {
            continue;
        }
        bool matches = true;
        for (size_t i = 0; i < name.size(); ++i) {
            const char c = name[i];
            const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            matches = matches && (i < prefix.size() ? lower == prefix[i] : c >= '0' && c <= '9');
        }
        if (!matches) {
            continue;
        }
        const std::string digits = name.substr(prefix.size());
        const uint32_t number = static_cast<uint32_t>(std::stoul(digits));
        if (digits[0] == '0' || number == 0 || number > areas) {
            ZDProblem problem = problemOf(ZDProblem::MAP_UNUSED, 0);
            problem.value = number;
            problem.result = areas;
            problem.text = name;
            problems->push_back(problem);
        }
    }
}

void ZDScenarioCheck::checkMusic(uint32_t number, const ZDArea& area, const HFile& scenario,
                                 const HFile& game, std::map<std::string, bool>* found,
                                 std::vector<ZDProblem>* problems)
{
    const std::string& name = area.getMusic();
    if (name.empty() || game.isEmpty()) {
        return;
    }
    std::map<std::string, bool> once;
    std::map<std::string, bool>& answers = found != nullptr ? *found : once;
    auto known = answers.find(name);
    if (known == answers.end()) {
        known = answers.emplace(name, !ZDMusicFinder::find(name, scenario, game).isEmpty()).first;
    }
    if (!known->second) {
        ZDProblem problem = problemOf(ZDProblem::MUSIC_MISSING, number);
        problem.text = name;
        problems->push_back(problem);
    }
}

std::string ZDScenarioCheck::fieldName(int field)
{
    if (field == 1) {
        return "name";
    }
    if (field >= 4 && field <= 6) {
        return std::string(kCategoryNames[field - 4]) + " count";
    }
    if (field >= 2 && field <= 10) {
        return HText::format("value %d", field - 1);
    }
    if (field >= 11 && field <= 18) {
        return HText::format("link of group %d", field - 10);
    }
    return field == 19 ? "music" : "field";
}

std::string ZDScenarioCheck::lineReasons(const ZDArea& area)
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
                                         fieldName(static_cast<int>(i) + 1).c_str(),
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
