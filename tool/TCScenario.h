#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/model/BMData.h"
#include "tool/TCFinding.h"

// One scenario folder as the editor opens it (its own data object and load), with what the
// check finds in it and the repair that writes what the editor's load and save would change.
class TCScenario {
public:
    struct Repair {
        std::vector<std::string> written;  // files written, in order
        std::vector<std::string> removed;  // temporaries removed
        std::vector<std::string> failed;   // files that could not be written or removed
        std::vector<std::string> kept;     // files a save would damage, left as they are
    };

    // The scenario is loaded into data (not owned), or into a data object of its own.
    explicit TCScenario(const std::string& folder, BMData* data = nullptr);
    TCScenario(const TCScenario&) = delete;
    TCScenario& operator=(const TCScenario&) = delete;

    // Loads the scenario as the editor does. False, with getError(), when the folder or its
    // area list cannot be read; a missing or damaged map or chip bitmap is a finding instead.
    bool load();
    const std::string& getError() const { return m_error; }
    BMData& getData() { return *m_data; }

    // Every finding, file by file: the area list, the maps in area order, temporaries left
    // behind, the chip bitmaps. Runs the editor's repair on the loaded data as it goes.
    std::vector<TCFinding> check();
    // After check(): removes the temporaries, then saves through the editor's data object
    // every map whose file differs from what a save writes and, when a count changed, the
    // area list, unless the change falls on a line the columns cannot carry (the save would
    // write it in the columns and lose the rest). Files that need nothing are not touched.
    // False when a file failed.
    bool repair(Repair* result);

private:
    void checkAreas(std::vector<TCFinding>* findings);
    void checkMap(uint32_t index, std::vector<TCFinding>* findings);
    void checkUnreferencedMaps(std::vector<TCFinding>* findings);
    void checkTemporaries(std::vector<TCFinding>* findings);
    void checkChips(const HFile& file, HImage* image, int chips, const char* name,
                    std::vector<TCFinding>* findings);

    // A map file kept is one the repair must not write: unreadable, or too short to say what
    // the map holds.
    enum MapFile { MAP_SAME, MAP_DIFFERS, MAP_KEPT };

    std::string m_folder;
    std::string m_error;
    std::unique_ptr<BMData> m_ownData;
    BMData* m_data;  // not owned, unless it is m_ownData
    bool m_loaded = false;  // the editor's load reported no failure
    std::map<std::string, std::string> m_read;  // every file the load read, by path
    std::vector<MapFile> m_mapFiles;  // by map index: the file against what a save writes
    std::vector<std::string> m_temporaries;
};
