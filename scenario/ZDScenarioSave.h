#pragma once

#include <string>
#include <vector>

#include "framework/base/HFile.h"
#include "scenario/ZDFileSet.h"

class ZDAreaMapData;

// One save of a scenario, worked out before anything is written. From the data in memory it
// computes the bytes of every file (the area list, and the map of area n as "BMap_No<n>"),
// compares them with what the data's load read and with what the disk holds now, and keeps
// the files whose bytes change plus the map files read at open that no area owns any more,
// to be removed. It also names the files that another program changed or removed since they
// were read, which the caller asks about before anything is written.
class ZDScenarioSave {
public:
    // A save of data as the AreaData file areaData: the data's own file, or another one for
    // a save under a new name. In another folder than the one the data was read from, every
    // file is written there and nothing is compared or removed.
    ZDScenarioSave(const ZDAreaMapData& data, const HFile& areaData);

    const std::string& getFolder() const { return m_folder; }
    const ZDFileSet& getChanges() const { return m_changes; }
    // Full paths of the files among the changes that another program changed or removed since
    // the load read them (or made, where the load found none), in the order of the changes.
    const std::vector<std::string>& getChangedElsewhere() const { return m_changedElsewhere; }
    // Writes the changes into the folder, all or nothing (ZDSaveJournal::commit).
    bool commit() const;

    // Every file of the scenario as saved under an AreaData file named areaDataName: the
    // area list first, then the maps in area order.
    static ZDFileSet allFiles(const ZDAreaMapData& data, const std::string& areaDataName);
    // What differs from the files as the data's load read them, judged by their stamps alone:
    // the files whose bytes would change, and the map files no area owns any more.
    static ZDFileSet unsavedChanges(const ZDAreaMapData& data);

private:
    std::string m_folder;
    ZDFileSet m_changes;
    std::vector<std::string> m_changedElsewhere;
};
