#include "editor/shell/BMLoadReport.h"

#include "framework/base/HText.h"
#include "framework/graphics/HBitmapHeader.h"
#include "scenario/ZDAreaMapData.h"
#include "scenario/ZDBMap.h"

namespace {

// The header field that makes a bitmap unusable, as the user reads it.
const char* fieldText(int64_t field)
{
    switch (field) {
    case HBitmapHeader::FIELD_FILE_HEADER: return "ファイルヘッダが短すぎます";
    case HBitmapHeader::FIELD_SIGNATURE: return "先頭が BM ではありません";
    case HBitmapHeader::FIELD_HEADER_SIZE: return "情報ヘッダの大きさ";
    case HBitmapHeader::FIELD_WIDTH: return "幅";
    case HBitmapHeader::FIELD_HEIGHT: return "高さ";
    case HBitmapHeader::FIELD_PLANES: return "プレーン数";
    case HBitmapHeader::FIELD_BIT_COUNT: return "色のビット数";
    case HBitmapHeader::FIELD_COMPRESSION: return "圧縮形式";
    case HBitmapHeader::FIELD_PALETTE: return "パレット";
    case HBitmapHeader::FIELD_BIT_OFFSET: return "画素の位置";
    case HBitmapHeader::FIELD_IMAGE_SIZE: return "画素データの大きさ";
    default: return "不明";
    }
}

std::string reasonText(const ZDLoadFault& fault)
{
    switch (fault.reason) {
    case ZDLoadFault::MISSING:
        return fault.part == ZDLoadFault::PART_FOLDER ? "フォルダがありません。" : "ファイルがありません。";
    case ZDLoadFault::UNREADABLE: return "ファイルを読み込めません。";
    case ZDLoadFault::SHORT:
        return HText::format("%lld バイトしかなく、マップの %u バイトに足りません。",
                             static_cast<long long>(fault.detail), static_cast<unsigned>(ZDBMap::IMAGE_SIZE));
    case ZDLoadFault::EMPTY: return "空のファイルです。";
    case ZDLoadFault::HEADER:
        return std::string("ビットマップではないか、ヘッダが正しくありません（") + fieldText(fault.detail)
               + "）。";
    case ZDLoadFault::PIXELS: return "ビットマップの画素を読み込めません。";
    }
    return std::string();
}

// Why the columns of the area list cannot carry a line, in a few words.
std::string lineFaultText(int faults)
{
    static const struct {
        int bit;
        const char* text;
    } kFaults[] = {{ZDArea::FAULT_NUL, "NUL 文字"},
                   {ZDArea::FAULT_FIELDS, "19 を超える欄"},
                   {ZDArea::FAULT_NUMBER, "数でない数値欄"},
                   {ZDArea::FAULT_TEXT, "空白で終わる名前"}};
    std::string text;
    for (const auto& fault : kFaults) {
        if ((faults & fault.bit) != 0) {
            text += (text.empty() ? "" : "、") + std::string(fault.text);
        }
    }
    return text;
}

}  // namespace

bool BMLoadReport::opens(bool loaded, const std::vector<ZDLoadFault>& faults)
{
    if (faults.empty()) {
        return loaded;
    }
    for (const ZDLoadFault& fault : faults) {
        if (fault.blocksOpen()) {
            return false;
        }
    }
    return true;
}

std::string BMLoadReport::fileLine(const HFile& folder, const ZDLoadFault& fault)
{
    std::string path = fault.file.getPath();
    std::string inside = folder.getPath() + "\\";
    if (fault.part != ZDLoadFault::PART_FOLDER && path.compare(0, inside.size(), inside) == 0) {
        path = path.substr(inside.size());
    }
    return path + ": " + reasonText(fault);
}

std::string BMLoadReport::refusal(const HFile& folder, const std::vector<ZDLoadFault>& faults)
{
    std::string text = "シナリオフォルダを開けませんでした。\n" + folder.getPath();
    for (const ZDLoadFault& fault : faults) {
        if (fault.part != ZDLoadFault::PART_FOLDER) {
            text += "\n" + fileLine(folder, fault);
        } else {
            text += "\n" + reasonText(fault);
        }
    }
    return text;
}

std::string BMLoadReport::warnings(const ZDAreaMapData& data)
{
    HFile folder = data.getScenarioDirectory();
    std::vector<std::string> lines;
    for (const ZDLoadFault& fault : data.getLoadFaults()) {
        if (fault.part == ZDLoadFault::PART_CHIPS) {
            lines.push_back(fileLine(folder, fault) + "チップを番号で表示します。");
        }
    }
    size_t kept = 0;
    for (uint32_t index = 0; index < data.getAreaCount(); ++index) {
        const ZDEditArea& area = *data.getArea(index);
        if (area.getRawLine().empty()) {
            continue;
        }
        if (++kept <= MAX_LINES) {
            lines.push_back(HText::format("エリア %d「%s」: 書式に収まらない行です（%s）。", area.getNumber(),
                                          HText::cut(area.getName(), 40).c_str(),
                                          lineFaultText(area.getLineFaults()).c_str()));
        }
    }
    if (kept > MAX_LINES) {
        lines.push_back(HText::format("ほかに %u 行あります。", static_cast<unsigned>(kept - MAX_LINES)));
    }
    if (kept > 0) {
        lines.push_back("書式に収まらない行は、そのエリアを編集しない限り読んだとおりに保存します。");
    }
    if (lines.empty()) {
        return std::string();
    }
    std::string text = folder.getPath() + " を開きました。次の点に注意してください。";
    for (const std::string& line : lines) {
        text += "\n" + line;
    }
    return text;
}
