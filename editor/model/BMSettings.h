#pragma once

#include <cstdint>
#include <string>

#include "editor/model/BMRecentList.h"
#include "framework/base/HFile.h"

// What the editor remembers between runs: the window's place, the view and tools as they
// were left, the folder chosen for the game and the recent scenarios (each with the map and
// cursor last shown in it).
//
// The file is text in the properties syntax the editor already reads ("key=value", values
// separated by commas), so that a user can read it, copy it to another machine or delete it,
// and so that it is written whole through the safe writer: two editors closing one after the
// other leave the last one's settings, never a mixture. Paths keep their Shift-JIS bytes;
// the few bytes the syntax gives a meaning to ("," "%" "=" and the blanks it trims) are
// written as "%2C" and the like.
class BMSettings {
public:
    // The settings' version in the file; a file of another version is foreign.
    static constexpr int VERSION = 1;

    struct Window {
        int x = 0;
        int y = 0;
        int width = 640;
        int height = 480;
        bool maximized = false;
        bool operator==(const Window& other) const;
    };

    // The values are plain: the shell fills them with what the window and the view start
    // with before reading, so what the file lacks stays as it was.
    Window window;
    bool hasWindow = false;  // false: the window takes its own first place
    int zoomStep = 2;
    uint32_t viewFlags = 0;
    int miniMapCorner = 0;
    int brushRadius = 0;
    int mouseMode = 1;
    int shape = 0;
    int editMode = 1;
    int chooserPage = 1;
    std::string gameFolder;  // the folder chosen for the game; "" for none
    BMRecentList recent;

    bool operator==(const BMSettings& other) const;

    // The whole file's text.
    std::string write() const;
    // Reads text over the values held: an entry that reads and is within its range replaces
    // its value, anything else leaves it. Returns the number of lines that could not be read
    // (unknown keys, values out of range, a foreign version: then nothing is taken).
    int read(const std::string& text);

    // Reads the file; false, with the values untouched, when it cannot be read. unread, when
    // given, receives read()'s count.
    bool load(const HFile& file, int* unread);
    // Writes the file through the safe writer; the file that was there stays on a failure.
    bool save(const HFile& file) const;

    // A path's bytes as the file holds them, and back.
    static std::string escape(const std::string& text);
    static std::string unescape(const std::string& text);
};
