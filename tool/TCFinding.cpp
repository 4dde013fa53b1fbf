#include "tool/TCFinding.h"

#include "framework/base/HText.h"
#include "scenario/ZDScenarioCheck.h"

namespace {

struct KindInfo {
    const char* name;
    bool repairable;
};

// The repairs of ZDBMap::correct open the list of kinds, in the listener's order.
static_assert(static_cast<int>(TCFinding::CHARACTER_RANGE) == ZDCorrectionListener::CHARACTER_RANGE
                  && static_cast<int>(TCFinding::SHAPE) == ZDCorrectionListener::SHAPE
                  && static_cast<int>(TCFinding::CITY_ORDER) == ZDCorrectionListener::CITY_ORDER
                  && static_cast<int>(TCFinding::CONNECT_ORDER) == ZDCorrectionListener::CONNECT_ORDER,
              "TCFinding::Kind starts with ZDCorrectionListener::Kind");

const KindInfo kKinds[] = {
    {"character-range", true},
    {"object-range", true},
    {"order-on-empty", true},
    {"height-range", true},
    {"shape", true},
    {"city-count", true},
    {"wall-count", true},
    {"road-count", true},
    {"city-order", true},
    {"wall-order", true},
    {"road-order", true},
    {"placement-count", true},
    {"placement-order", true},
    {"order-wraps", false},
    {"placement-cut", false},
    {"map-missing", true},
    {"map-unreadable", false},
    {"map-short", false},
    {"map-long", true},
    {"map-bytes", true},
    {"temporary", true},
    {"map-unreferenced", false},
    {"area-count", true},
    {"link", false},
    {"line", false},
    {"area-list-not-text", false},
    {"no-areas", false},
    {"after-end", false},
    {"chips-missing", false},
    {"chips-unreadable", false},
    {"chips-size", false},
    {"link-short", false},
    {"placement-origin", false},
    {"chip-outside", false},
    {"music-missing", false},
};
static_assert(sizeof kKinds / sizeof kKinds[0] == TCFinding::KINDS, "one entry per kind");

}  // namespace

const char* TCFinding::categoryName(int32_t category)
{
    static const char* const kCategories[] = {"city", "wall", "road"};
    return category >= 0 && category < 3 ? kCategories[category] : "object";
}

std::string TCFinding::fieldName(int field)
{
    return ZDScenarioCheck::fieldName(field);
}

TCFinding TCFinding::fromProblem(const ZDProblem& problem, const std::string& file)
{
    static const Kind kOf[] = {LINE, LINK, AREA_COUNT, LINK_SHORT, ORIGIN, CHIP_OUTSIDE,
                               MAP_UNREFERENCED, MUSIC_MISSING};
    TCFinding finding;
    finding.kind = kOf[problem.kind];
    finding.file = file;
    finding.map = problem.area;
    finding.x = problem.x;
    finding.y = problem.y;
    finding.index = problem.kind == ZDProblem::MAP_UNUSED ? -1 : problem.index;
    finding.value = problem.value;
    finding.result = problem.result;
    finding.text = problem.kind == ZDProblem::LINE || problem.kind == ZDProblem::MUSIC_MISSING
                       ? problem.text
                       : std::string();
    return finding;
}

TCFinding TCFinding::fromCorrection(const ZDCorrectionListener::Correction& correction)
{
    TCFinding finding;
    finding.kind = static_cast<Kind>(correction.kind);
    finding.value = correction.before;
    finding.result = correction.after;
    switch (correction.kind) {
    case ZDCorrectionListener::CITY_COUNT:
    case ZDCorrectionListener::WALL_COUNT:
    case ZDCorrectionListener::ROAD_COUNT:
        break;
    case ZDCorrectionListener::CONNECT_COUNT:
        finding.index = static_cast<int32_t>(correction.group) + 1;
        break;
    case ZDCorrectionListener::CONNECT_ORDER:
        finding.index = static_cast<int32_t>(correction.group) + 1;
        finding.x = static_cast<int32_t>(correction.x);
        finding.y = static_cast<int32_t>(correction.y);
        break;
    default:
        finding.x = static_cast<int32_t>(correction.x);
        finding.y = static_cast<int32_t>(correction.y);
        break;
    }
    return finding;
}

const char* TCFinding::name(Kind kind)
{
    return kind >= 0 && kind < KINDS ? kKinds[kind].name : "unknown";
}

bool TCFinding::isRepairable(Kind kind)
{
    return kind >= 0 && kind < KINDS && kKinds[kind].repairable;
}

std::string TCFinding::describe() const
{
    long long v = value;
    long long r = result;
    switch (kind) {
    case CHARACTER_RANGE:
        return HText::format("character %lld is out of range 0..239; repair sets %lld", v, r);
    case OBJECT_RANGE:
        return HText::format("object %lld is out of range 0..39; repair sets %lld and order 0", v, r);
    case ORDER_ON_EMPTY:
        return HText::format("object order %lld on a cell without object; repair sets %lld", v, r);
    case HEIGHT_RANGE:
        return HText::format("height %lld is out of range 0..15; repair sets %lld", v, r);
    case SHAPE:
        return HText::format("%s chip %lld does not fit its neighbours; repair sets %lld",
                             v <= 24 ? "wall" : "road", v, r);
    case CITY_COUNT:
    case WALL_COUNT:
    case ROAD_COUNT:
        return HText::format("stored %s count %lld differs from the %lld %s cells; repair sets %lld",
                             categoryName(kind - CITY_COUNT), v, r, categoryName(kind - CITY_COUNT), r);
    case CITY_ORDER:
    case WALL_ORDER:
    case ROAD_ORDER:
        return HText::format("%s order %lld is not dense; repair sets %lld", categoryName(kind - CITY_ORDER),
                             v, r);
    case CONNECT_COUNT:
        return HText::format("placement group %d counts %lld slots but %lld distinct cells; repair keeps the cells",
                             index, v, r);
    case CONNECT_ORDER:
        return HText::format("placement order %lld of group %d is not dense; repair sets %lld", v,
                             index, r);
    case ORDER_WRAPS:
        return HText::format("%s order %lld is above 255 and a save stores %lld (more than 256 %s cells)",
                             categoryName(index), v, r, categoryName(index));
    case PLACEMENT_CUT:
        if (x == 0 && y == 0) {
            return "a map file cannot place a cell at (0,0); a save drops it";
        }
        return HText::format("placement group %d has more than 20 cells; a save drops this one (order %lld)",
                             index, v);
    case MAP_MISSING:
        return "map file is missing; repair writes an empty map, as the editor saves it";
    case MAP_UNREADABLE:
        return "map file cannot be read";
    case MAP_SHORT:
        return HText::format("map file has %lld bytes, fewer than %lld: the editor would read its "
                             "later parts from the wrong bytes; restore the file", v, r);
    case MAP_LONG:
        return HText::format("map file has %lld bytes, more than %lld: the rest is ignored; repair "
                             "writes the map alone", v, r);
    case MAP_BYTES:
        return HText::format("byte %d is %lld where a save writes %lld; repair rewrites the file", index,
                             v, r);
    case TEMPORARY:
        return "temporary file left by an interrupted save; repair removes it";
    case MAP_UNREFERENCED:
        return HText::format("map file of area %lld, which does not exist (%lld areas): the editor "
                             "neither reads nor writes it", v, r);
    case AREA_COUNT:
        return HText::format("%s count %lld differs from the %lld %s cells of the map; repair sets %lld",
                             categoryName(index), v, r, categoryName(index), r);
    case LINK:
        return HText::format("placement group %d leads to area %lld, which does not exist (%lld areas)",
                             index, v, r);
    case LINE:
        return "the columns cannot carry this line (" + text
               + "); a save writes it as read until the area is edited";
    case AREA_NOT_TEXT:
        return HText::format("%lld of the %lld bytes before the terminator line are control bytes "
                             "that no text holds (the first at byte %d)", v, r, index);
    case AREA_NONE:
        return "the area list holds no area";
    case AREA_AFTER_END:
        return HText::format("%lld bytes follow the terminator line \"%s\"; a save keeps them as "
                             "they are", v, text.c_str());
    case CHIPS_MISSING:
        return text + " is missing in the scenario and in the default scenario";
    case CHIPS_UNREADABLE:
        return "chip bitmap cannot be read as a bitmap";
    case LINK_SHORT:
        return HText::format("placement group %d leads to area %lld but has %lld of its 20 cells",
                             index, v, r);
    case ORIGIN:
        return HText::format("placement group %d on cell (0,0), which the map file cannot store",
                             index);
    case CHIP_OUTSIDE:
        return HText::format("%lld cells of %s chip %lld, which the chip bitmap does not hold",
                             r, index == 0 ? "character" : "object", v);
    case MUSIC_MISSING:
        return "music file \"" + text
               + "\" is found neither below the scenario folder nor below the game's folder";
    case CHIPS_SIZE:
        return HText::format("chip bitmap is %lld x %lld pixels; %d chips need 640 x %d", v, r,
                             index, index / 20 * 32);
    default:
        return "unknown finding";
    }
}

std::string TCFinding::line() const
{
    std::string out = file.empty() ? std::string() : file + ": ";
    if (map != 0) {
        bool areaLine = kind == AREA_COUNT || kind == LINK || kind == LINE || kind == MUSIC_MISSING;
        out += HText::format("%s %u: ", areaLine ? "area" : "map", map);
    }
    if (x >= 0 && y >= 0) {
        out += HText::format("cell (%d,%d): ", x, y);
    }
    return out + describe();
}
