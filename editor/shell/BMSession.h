#pragma once

#include <string>

#include "editor/model/BMSettings.h"
#include "framework/base/HFile.h"

class BMWindow;

// What the editor carries from one run to the next (BMSettings): read into the window and
// the view as the window is made, taken back from them as it goes and written then, and
// whenever a scenario is opened (the recent list changes; the write is a few hundred bytes).
//
// The file is "settings.ini" in %APPDATA%\Tessel, or in the folder TESSEL_SETTINGS names.
// Anything of it that cannot be read leaves the editor's own first values, with one line in
// the log and no message box.
class BMSession {
public:
    static const char* const FILE_NAME;
    // The file of this user; empty when neither folder is known.
    static HFile defaultFile();

    // Reads the file, and from it the game's folder the user chose. file: empty to remember
    // nothing (the tests' windows). fresh: start with the editor's own values and write what
    // is current at the end, as on a first run.
    BMSession(const HFile& file, bool fresh);

    // As the window is made, before it shows: what the window and the view start with are the
    // defaults; what the file holds replaces them. The menu's check marks follow.
    void restore(BMWindow* window);
    // As the window goes: the window's place and the view as they are now, then the file.
    void keep(BMWindow* window);
    // Writes the file; false (with a line in the log) when it cannot be written.
    bool save();

    // The scenario on show is left: its map and cursor are kept in its recent entry.
    void leave(BMWindow* window);
    // The place last shown in the folder's scenario: the map (from 1) and cursor; the first
    // map at (0, 0) for a scenario not on the list.
    BMRecentScenario placeOf(const std::string& folder);
    // The scenario in folder was opened with maps maps: it goes on top of the recent list
    // with the time, and the file is written.
    void opened(const std::string& folder, int maps, int map, int cursorX, int cursorY);
    // Takes a folder off the list (it is gone); the file is written.
    void forget(const std::string& folder);
    // The folder chosen for the game; the search for it looks there after the registry.
    void chooseGame(const std::string& folder);

    const BMSettings& settings() const { return m_settings; }
    const HFile& file() const { return m_file; }

private:
    void applyWindow(BMWindow* window) const;
    void applyView(BMWindow* window) const;
    void capture(BMWindow* window);

    HFile m_file;
    bool m_fresh;
    bool m_readable = false;
    std::string m_text;  // the file as read at start
    BMSettings m_settings;
};
