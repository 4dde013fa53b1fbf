#include "scenario/ZDGameFinder.h"

namespace {

// The places' names on the start panel, in the order they are looked at.
const char* const kPlaceNames[ZDGameFinder::PLACE_COUNT] = {
    "レジストリ(64ビット)", "レジストリ(32ビット)", "レジストリ(ユーザー)", "指定フォルダ"};

}  // namespace

ZDGameFinder::ZDGameFinder(const Reader& read, const Exists& exists)
{
    for (int i = 0; i < PLACE_COUNT; ++i) {
        const Place place = static_cast<Place>(i);
        m_texts[i] = read(place);
        m_exists[i] = !m_texts[i].empty() && exists(m_texts[i]);
        if (m_exists[i] && m_winner == PLACE_COUNT) {
            m_winner = place;
            m_folder = m_texts[i];
        }
    }
}

std::vector<std::string> ZDGameFinder::describe() const
{
    std::vector<std::string> lines;
    for (int i = 0; i < PLACE_COUNT; ++i) {
        std::string line = std::string(kPlaceNames[i]) + "：";
        if (m_texts[i].empty()) {
            line += "なし";
        } else {
            line += m_texts[i] + (m_exists[i] ? "" : " (フォルダなし)");
        }
        lines.push_back(line);
    }
    return lines;
}
