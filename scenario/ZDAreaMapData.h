#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/HFile.h"
#include "framework/base/HObject.h"
#include "scenario/ZDEditArea.h"
#include "scenario/ZDEditBMap.h"
#include "scenario/ZDFileStamp.h"
#include "scenario/ZDGameFinder.h"
#include "scenario/ZDGameFinder.h"
#include "scenario/ZDLoadFault.h"

class HFileReader;
class HImage;
class ZDFileSet;

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
    // The same key of an installation for one user.
    static const char* const USER_REGISTRY_PATH;

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
    // True when an area or a map differs from what was loaded, or areas were added or removed.
    virtual bool isModified() const;

    // Puts the bytes of scenario files into the working copies as edits would, the loaded
    // copies staying as they are: the area list under the AreaData file's name, the map of
    // area n under mapFileName(n). The list's count of areas wins: areas and maps are added
    // (as new, so modified) or dropped at the end. False, changing nothing, when a file does
    // not read as what its name says.
    bool restoreFiles(const ZDFileSet& files);
    // What the last load read, by file name in getReadFolder(): each file with its stamp, and
    // a stamp of no file for every map file it looked for and did not find.
    const std::map<std::string, ZDFileStamp>& getReadFiles() const { return m_read; }
    const std::string& getReadFolder() const { return m_readFolder; }

    // "BMap_No" and the number: the file of the map of area number in the AreaData's folder.
    static std::string mapFileName(uint32_t number);
    // Whether name is such a file name ("BMap_No" and decimal digits).
    static bool isMapFileName(const std::string& name);
    // The AreaData file that loading the scenario folder reads.
    static HFile areaDataOf(const HFile& scenario);

    uint32_t getAreaCount() const { return static_cast<uint32_t>(m_areas.size()); }
    // nullptr when the index is not below the count.
    ZDEditArea* getArea(uint32_t index) const;
    ZDEditBMap* getBMap(uint32_t index) const;
    // How many areas the AreaData file held at load (the map files BMap_No1 on that were read).
    // What a save must write after changes of the list: the map at index i goes to BMap_No<i+1>;
    // getBMap(i)->getLoaded().getNumber() is the number of the file it was read from (0 for a
    // map the list made), so a map whose number differs from it moved; the files numbered
    // above getAreaCount() up to this count belong to no area any more.
    uint32_t getLoadedAreaCount() const { return static_cast<uint32_t>(m_readAreas); }

    // Changes of the list (ZDAreaMapDataRenumbering.cpp). Map i always belongs to area i, both
    // numbered i + 1, and the map's file is "BMap_No" + number in the AreaData folder, so the
    // areas and maps after the place of a change are numbered again. Every group link keeps
    // naming the same area: links to a moved area follow it, links to a removed area become 0;
    // a link that names no area of the list (0, negative, above the count) stays as it is.
    // Records travel whole, whatever they carry. Each returns false and changes nothing when
    // an index is out of range or a record is missing.
    //
    // Puts the area and its map before index (the count appends); the new area's own links
    // are taken as they are. Both are moved from only when the insert succeeds.
    bool insertArea(uint32_t index, std::unique_ptr<ZDEditArea>&& area,
                    std::unique_ptr<ZDEditBMap>&& map);
    // Takes the area at index and its map out of the list and hands them over.
    bool removeArea(uint32_t index, std::unique_ptr<ZDEditArea>* area,
                    std::unique_ptr<ZDEditBMap>* map);
    // Moves the area at index from, with its map, to index to.
    bool moveArea(uint32_t from, uint32_t to);
    // The group links of the other areas that name the area at index.
    uint32_t countLinksTo(uint32_t index) const;

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

    // The install directory (findGame's folder); empty when none is found.
    static HFile getGameDirectory();
    // Looks for the install directory in the registry's 64-bit view, its 32-bit view, the
    // user's key, then the folder the user chose; the first existing folder wins.
    static ZDGameFinder findGame();
    // The folder the user chose for the game (the editor keeps it in its settings); one for
    // the process, as the registry's value is.
    static void setChosenGameDirectory(const std::string& folder);
    static std::string getChosenGameDirectory();
    // "Default" in the install directory; empty without an install directory.
    static HFile getDefaultScenario();

private:
    enum Picture { PICTURE_CHARACTER, PICTURE_OBJECT, PICTURE_FIELD, PICTURE_FLAG, PICTURES };

    void resolvePaths(const HFile& scenario, const HFile& areaData);
    void emptyPaths();
    bool readAreas();
    bool readMaps();
    bool readImage(Picture picture, const char* failure);
    // Reads file whole into reader, keeping its stamp (or, when nothing is there, a stamp of
    // no file) under its name.
    bool readFile(const HFile& file, HFileReader* reader);
    // Gives every link the value map(link).
    template <class Map>
    void remapLinks(Map map);
    // Numbers the areas and maps from index on after their place, naming the map files.
    void renumberFrom(size_t index);
    // Where the scenario's own copy of a picture would be.
    HFile ownPicture(Picture picture) const;
    void addFault(const HFile& file, ZDLoadFault::Part part, ZDLoadFault::Reason reason,
                  int64_t detail = 0);
    // The text one registry place holds; empty when it cannot be read (always off Windows).
    static std::string readRegistryPlace(ZDGameFinder::Place place);

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
    std::map<std::string, ZDFileStamp> m_read;
    std::string m_readFolder;
    size_t m_readAreas = 0;  // the number of areas the load read
    // Character and object chips; the other two slots are never filled here.
    std::unique_ptr<HImage, ImageDeleter> m_images[PICTURES];
};
