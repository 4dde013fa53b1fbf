#pragma once

#include <functional>
#include <string>
#include <vector>

// Where the game's install directory is looked for, in order, and which place wins: the first
// whose text names an existing folder. A place whose folder is missing is passed over, so an
// uninstalled 64-bit entry does not hide a working 32-bit one. The reading of each place and
// the "exists" decision are handed in, so the order is the same on every platform and can be
// checked without a registry.
class ZDGameFinder {
public:
    enum Place {
        PLACE_MACHINE_64,  // HKEY_LOCAL_MACHINE, the 64-bit view of the registry
        PLACE_MACHINE_32,  // HKEY_LOCAL_MACHINE, the 32-bit view (a 32-bit installer's)
        PLACE_USER,        // HKEY_CURRENT_USER, for an installation of one user
        PLACE_CHOSEN,      // the folder the user chose in the editor, kept in its settings
        PLACE_COUNT
    };
    using Reader = std::function<std::string(Place)>;
    using Exists = std::function<bool(const std::string&)>;

    // Reads every place in order and keeps what each held.
    ZDGameFinder(const Reader& read, const Exists& exists);

    // The winning place's text as read; "" when no place names an existing folder.
    const std::string& getFolder() const { return m_folder; }
    // The place that won; PLACE_COUNT for none.
    Place getWinner() const { return m_winner; }
    // The text a place held ("" for none), as read.
    const std::string& getText(Place place) const { return m_texts[place]; }
    // What the start panel says about the search, one Shift-JIS line per place looked at:
    // its name and what it held (or that it held nothing or a missing folder).
    std::vector<std::string> describe() const;

private:
    std::string m_texts[PLACE_COUNT];
    bool m_exists[PLACE_COUNT] = {};
    std::string m_folder;
    Place m_winner = PLACE_COUNT;
};
