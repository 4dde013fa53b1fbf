#pragma once

#include <cstdint>
#include <string>

#include "scenario/ZDFileSet.h"

// The recovery copy of one scenario's unsaved edits: the files that differ from what was read,
// kept outside the scenario in a folder of its own under a per-user root (one folder per
// scenario path), and written through the safe writer, so that a kill while it is written
// leaves the previous copy whole. The copy names the scenario's path and the local time it
// was taken.
class ZDRecoveryCopy {
public:
    static const char* const FILE_NAME;   // "Recovery"
    static const char* const ASIDE_NAME;  // "Recovery.old": the copy declined last

    struct Contents {
        ZDFileSet files;
        std::string time;       // local time of the copy, "YYYY/MM/DD hh:mm:ss"
        int64_t writeTime = 0;  // the file's last write time, as HSystem tells it
    };

    // root: the per-user folder of all copies; scenario: the full path of the scenario's
    // AreaData file.
    ZDRecoveryCopy(const std::string& root, const std::string& scenario);

    const std::string& getScenario() const { return m_scenario; }
    const std::string& getFolder() const { return m_folder; }
    std::string getPath() const;
    std::string getAsidePath() const;

    // Writes files as the copy, taken at time; makes the folders it needs.
    bool write(const ZDFileSet& files, const std::string& time) const;
    // False when there is no copy, or it is not whole, or it belongs to another path.
    bool read(Contents* contents) const;
    // Removes the copy and any temporary of it; true when none is left.
    bool remove() const;
    // Keeps the copy once more under ASIDE_NAME, in place of the one kept there before.
    bool setAside() const;

private:
    std::string m_scenario;
    std::string m_folder;
};
