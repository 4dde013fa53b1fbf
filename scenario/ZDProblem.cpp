#include "scenario/ZDProblem.h"

#include "framework/base/HText.h"

namespace {

const char* const kCategories[] = {"都市", "城壁", "道路"};

}  // namespace

std::string ZDProblem::sentence() const
{
    const int v = static_cast<int>(value);
    const int r = static_cast<int>(result);
    switch (kind) {
    case LINE: return "AreaData の行を読んだまま残しています（編集すると列の形で書きます）";
    case LINK: return HText::format("グループ%dのつながり先 %d のエリアがありません（エリアは%d個）", index, v, r);
    case COUNT:
        return HText::format("%sの数が AreaData では %d、マップでは %d です",
                             kCategories[index >= 0 && index < 3 ? index : 0], v, r);
    case LINK_SHORT:
        return HText::format("エリア%dへつながるグループ%dが %d マスしかありません（20マス必要）", v,
                             index, r);
    case ORIGIN: return HText::format("(0,0) のグループ%dの初期配置はファイルに入りません", index);
    case CHIP_OUTSIDE:
        return HText::format("%sチップ %d は画像にありません（%dマス）", index == 0 ? "地形" : "OBJ",
                             v, r);
    case MAP_UNUSED: return "マップファイル " + text + " はどのエリアにも使われていません";
    case MUSIC_MISSING: return "曲ファイル " + text + " が見つかりません";
    }
    return std::string();
}
