#include "editor/model/BMAreaInput.h"

#include "framework/base/HText.h"
#include "scenario/ZDArea.h"

std::string BMAreaInput::valueLabel(int index)
{
    return HText::format("値%d", index);
}

std::string BMAreaInput::linkLabel(int group)
{
    return HText::format("グループ%dの接続先", group + 1);
}

std::string BMAreaInput::checkText(const std::string& label, const std::string& text, bool mayBeEmpty)
{
    if (text.empty()) {
        return mayBeEmpty ? std::string() : label + "を入力してください。";
    }
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        if (HText::isDoubleByte(text.data(), text.size(), i)) {
            ++i;  // a full-width blank is no separator
        } else if (byte == ' ' || byte == '\t') {
            return label + "に空白は使えません。AreaData では空白が欄の区切りです。";
        } else if (byte < 0x20 || byte == 0x7F) {
            return label + "に制御文字は使えません。";
        }
    }
    return std::string();
}

std::string BMAreaInput::checkName(const std::string& name)
{
    return checkText("名前", name, false);
}

std::string BMAreaInput::checkMusic(const std::string& music)
{
    return checkText("曲名", music, true);
}

std::string BMAreaInput::readNumber(const std::string& label, const std::string& text, int32_t* value)
{
    std::string message = label + "には -2147483648 から 2147483647 までの整数を入力してください。";
    if (text.empty() || text.find_first_of(" \t") != std::string::npos || !ZDArea::isPlainNumber(text)) {
        return message;
    }
    *value = HText::toInt(text);
    return std::string();
}

std::string BMAreaInput::checkLink(int group, int32_t link, uint32_t areas)
{
    if (link == 0 || (link > 0 && static_cast<uint32_t>(link) <= areas)) {
        return std::string();
    }
    return HText::format("%s: エリア %d はありません。0（なし）か 1 から %u のエリアを選んでください。",
                         linkLabel(group).c_str(), link, areas);
}
