#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/HFile.h"
#include "framework/base/HObject.h"
#include "scenario/ZDEditArea.h"
#include "scenario/ZDEditBMap.h"
#include "scenario/ZDLoadFault.h"

class HImage;

// Everything the editor loads from one scenario folder: the areas of its AreaData file, one
// battle map per area, and the two chip bitmaps.
//
//   <scenario>\Data\AreaData          the area list
//   <AreaData folder>\BMap_No<n>      the battle map of area n (4428 bytes)
//   <scenario>\Picture\BMAPCHAR.BMP   character chips  } taken from the default scenario
//   <scenario>\Picture\BMAPOBJ.BMP    object chips     } "Default" of the install directory
//                                                        when the scenario has none
//
// Loading never writes; saving writes each file through a temporary that replaces the file
// only once it is complete.
//
// The areas and maps build on every platform. The registry and the chip pictures are the
// Windows side (ZDAreaMapDataWin32.cpp); the host build has neither (ZDAreaMapDataPosix.cpp),
// so there the install directory is empty and no picture is loaded.
class ZDAreaMapData : public HObject {
public:
    // The game's install directory in the registry.
    static const char* const REGISTRY_PATH;

    ZDAreaMapData();
    ~ZDAreaMapData() override;

    // Deletes the areas, maps and images; the resolved paths stay.
    virtual void clear();
    // Resolves the paths and loads the area list, every map and both chip bitmaps. Either
    // argument may be empty (see the .cpp). False when the folder does not exist or anything
    // could not be read (getLoadFaults says what and why); whatever could be read stays
    // loaded, and a chip bitmap that could not be read is left out (no image).
    virtual bool load(HFile scenario, HFile areaData);
    // The files the last load could not read, in the order it met them; also a chip bitmap
    // that is nowhere to be found, which fails no load.
    const std::vector<ZDLoadFault>& getLoadFaults() const { return m_loadFaults; }
    // Writes the area list to the AreaData file.
    virtual bool save();
    // The bytes of the AreaData file a save writes: one line per area, each ended by CR LF,
    // then the terminator line and whatever followed it as read (or the terminator alone).
    std::string formatAreaList() const;
    // Writes every map; all are attempted, true only if all succeeded.
    virtual bool saveAll();
    // Writes one map into the folder of the AreaData file.
    virtual bool saveBMap(uint32_t index);
    // True when an area or a map differs from what was loaded.
    virtual bool isModified() const;

    uint32_t getAreaCount() const { return static_cast<uint32_t>(m_areas.size()); }
    // nullptr when the index is not below the count.
    ZDEditArea* getArea(uint32_t index) const;
    ZDEditBMap* getBMap(uint32_t index) const;

    HFile getScenarioDirectory() const { return m_scenario; }
    HFile getAreaDataFile() const { return m_areaData; }
    void setAreaDataFile(const HFile& file) { m_areaData = file; }
    // The terminator line of the area list and everything after it, as read; empty when the
    // list had no terminator line.
    const std::string& getAreaListEnd() const { return m_areaListEnd; }
    HFile getCallableDirectory() const { return m_callable; }
    HFile getCharacterImageFile() const { return m_pictures[PICTURE_CHARACTER]; }
    HFile getObjectImageFile() const { return m_pictures[PICTURE_OBJECT]; }
    // nullptr when not loaded.
    HImage* getCharacterImage() const { return m_images[PICTURE_CHARACTER].get(); }
    HImage* getObjectImage() const { return m_images[PICTURE_OBJECT].get(); }

    // The install directory from the registry; empty when it cannot be read.
    static HFile getGameDirectory();
    // "Default" in the install directory; empty without an install directory.
    static HFile getDefaultScenario();

private:
    enum Picture { PICTURE_CHARACTER, PICTURE_OBJECT, PICTURE_FIELD, PICTURE_FLAG, PICTURES };

    void resolvePaths(const HFile& scenario, const HFile& areaData);
    void emptyPaths();
    bool readAreas();
    bool readMaps();
    bool readImage(Picture picture, const char* failure);
    // Where the scenario's own copy of a picture would be.
    HFile ownPicture(Picture picture) const;
    void addFault(const HFile& file, ZDLoadFault::Part part, ZDLoadFault::Reason reason,
                  int64_t detail = 0);
    // The registry's install directory text; empty when it cannot be read.
    static std::string readInstallDirectory();

    // Images are deleted where the platform's image class is known.
    struct ImageDeleter {
        void operator()(HImage* image) const;
    };

    HFile m_scenario;
    HFile m_areaData;
    HFile m_callable;
    HFile m_pictures[PICTURES];
    std::vector<std::unique_ptr<ZDEditArea>> m_areas;
    std::string m_areaListEnd;
    std::vector<ZDLoadFault> m_loadFaults;
    std::vector<std::unique_ptr<ZDEditBMap>> m_maps;
    // Character and object chips; the other two slots are never filled here.
    std::unique_ptr<HImage, ImageDeleter> m_images[PICTURES];
};
