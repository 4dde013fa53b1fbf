#include "editor/model/BMRecentList.h"

#include <algorithm>

#include "framework/base/HText.h"

namespace {

// The byte offsets of the path's own separators (never a double-byte character's trail byte).
std::vector<size_t> separators(const std::string& path)
{
    std::vector<size_t> found;
    for (size_t i = 0; i < path.size(); ++i) {
        if (HText::isDoubleByte(path.data(), path.size(), i)) {
            ++i;
        } else if (path[i] == '\\') {
            found.push_back(i);
        }
    }
    return found;
}

}  // namespace

bool BMRecentScenario::operator==(const BMRecentScenario& other) const
{
    return folder == other.folder && opened == other.opened && maps == other.maps &&
           map == other.map && cursorX == other.cursorX && cursorY == other.cursorY;
}

void BMRecentList::open(const BMRecentScenario& scenario)
{
    remove(scenario.folder);
    m_entries.insert(m_entries.begin(), scenario);
    if (m_entries.size() > LIMIT) {
        m_entries.resize(LIMIT);
    }
}

bool BMRecentList::remove(const std::string& folder)
{
    auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                              [&](const BMRecentScenario& e) { return e.folder == folder; });
    if (entry == m_entries.end()) {
        return false;
    }
    m_entries.erase(entry);
    return true;
}

BMRecentScenario* BMRecentList::find(const std::string& folder)
{
    for (BMRecentScenario& entry : m_entries) {
        if (entry.folder == folder) {
            return &entry;
        }
    }
    return nullptr;
}

std::string BMRecentList::shorten(const std::string& folder, size_t limit)
{
    if (folder.size() <= limit) {
        return folder;
    }
    const std::vector<size_t> cuts = separators(folder);
    if (cuts.size() < 2) {
        return HText::cut(folder, limit);
    }
    // The first part with its separator, then the longest tail that still fits; at least the
    // last name, even when that alone is too long.
    const std::string head = folder.substr(0, cuts.front() + 1) + "...";
    std::string tail = folder.substr(cuts.back());
    for (size_t i = cuts.size() - 1; i-- > 1;) {
        if (head.size() + folder.size() - cuts[i] > limit) {
            break;
        }
        tail = folder.substr(cuts[i]);
    }
    return head + tail;
}

std::string BMRecentList::menuLabel(size_t index, const std::string& folder, size_t limit)
{
    std::string label = "&" + std::to_string(index + 1) + " ";
    for (char c : shorten(folder, limit)) {
        label += c;
        if (c == '&') {
            label += '&';
        }
    }
    return label;
}
