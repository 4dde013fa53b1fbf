#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The sample game's music: short pieces composed here from the name they are stored under
// (a melody over a bass line, in a mode, tempo and instruments of the piece's own, eight
// bars), written as format-0 Standard MIDI Files into the game's "Music" folder.
class SGMusic {
public:
    // The file bytes of the piece of that name; the same name always gives the same bytes.
    static std::string compose(const std::string& name);
    // Writes root\Music\<name> for every name; false, after saying why, when a file could not
    // be written.
    static bool write(const std::string& root, const std::vector<std::string>& names);
};
