#include "editor/view/BMLimitText.h"

#include "editor/model/BMMapLimits.h"
#include "framework/base/HText.h"

namespace {

// The object categories as the guide names them, by BMMapLimits::Category.
const char* const kCategories[] = {"都市", "城壁", "道路"};

}  // namespace

std::vector<std::string> BMLimitText::sentences(const BMLimitCut& cut)
{
    std::vector<std::string> lines;
    for (unsigned group = 0; group < 8; ++group) {
        if (cut.groups[group] > 0) {
            lines.push_back(HText::format("初期配置グループ%uは%uマスまでです（%uマスは置けませんでした）",
                                          group + 1, BMMapLimits::GROUP_CELLS, cut.groups[group]));
        }
    }
    if (cut.origin) {
        lines.push_back("(0,0) には初期配置を置けません");
    }
    for (int category = 0; category < 3; ++category) {
        if (cut.categories[category] > 0) {
            lines.push_back(HText::format("%sは%uマスまでです（%uマスは置けませんでした）",
                                          kCategories[category], BMMapLimits::CATEGORY_CELLS,
                                          cut.categories[category]));
        }
    }
    return lines;
}

std::string BMLimitText::status(const BMLimitCut& cut)
{
    std::string text;
    for (const std::string& sentence : sentences(cut)) {
        text += (text.empty() ? "" : "　") + sentence;
    }
    return text;
}

std::string BMLimitText::box(const BMLimitCut& cut, const std::string& what)
{
    std::string text = what + "マップのファイルに収まらないマスは置きませんでした。";
    for (const std::string& sentence : sentences(cut)) {
        text += "\n" + sentence + "。";
    }
    return text;
}

std::string BMLimitText::groupCount(uint32_t cells)
{
    return HText::format("%u/%u", cells, BMMapLimits::GROUP_CELLS);
}
