#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One scenario of the recent list: its folder and what the editor keeps of it.
struct BMRecentScenario {
    std::string folder;  // Shift-JIS, exactly as it was opened
    std::string opened;  // local time it was last opened, "2026/12/08 00:30"
    int maps = 0;        // maps it had then
    int map = 1;         // the map last shown, from 1
    int cursorX = 0;     // the cursor last shown there
    int cursorY = 0;

    bool operator==(const BMRecentScenario& other) const;
};

// The scenarios last opened, newest first, at most LIMIT of them, each folder once.
class BMRecentList {
public:
    static constexpr size_t LIMIT = 8;

    // Puts the scenario at the top; an older entry of the same folder goes, and the oldest
    // falls off past the limit.
    void open(const BMRecentScenario& scenario);
    // Takes the folder's entry out; false when there was none.
    bool remove(const std::string& folder);
    // The folder's entry, or nullptr.
    BMRecentScenario* find(const std::string& folder);
    const std::vector<BMRecentScenario>& entries() const { return m_entries; }
    void clear() { m_entries.clear(); }

    // The label of entry index (from 0) in the File menu: "&1 " and the folder, cut in its
    // middle to at most limit bytes ("C:\...\Scenario\Default"), ampersands doubled so that
    // the menu shows them.
    static std::string menuLabel(size_t index, const std::string& folder, size_t limit);
    // The folder's path cut to at most limit bytes (if it can be): its first part, "...", and
    // as many of its last parts as fit; a double-byte character is never split.
    static std::string shorten(const std::string& folder, size_t limit);

private:
    std::vector<BMRecentScenario> m_entries;
};
