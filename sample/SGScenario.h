#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sample/SGWorld.h"

// One scenario folder of the sample game: what it holds and how it is written.
//
//   <folder>\Config                 a short description (its presence marks a scenario)
//   <folder>\Data\AreaData          one line per area, CR LF, then the terminator
//   <folder>\Data\BMap_No<n>        the battle map of area n
//   <folder>\Picture\BMAPCHAR.BMP   character chips
//   <folder>\Picture\BMAPOBJ.BMP    object chips
class SGScenario {
public:
    struct Area {
        std::string name;     // Shift-JIS, without blanks; empty leaves a hole in the world
        std::string music;
        std::vector<uint8_t> settlements;  // object chips, the main settlement first
        bool walled;
        bool frontier;
        int rivers;
    };
    struct Outline {
        std::string folder;
        std::string description;  // Shift-JIS, the text of Config
        SGWorld::Style world;
        std::vector<Area> areas;  // row by row over the world's columns
    };

    // The three scenarios of the sample game; "Default" first.
    static std::vector<Outline> sampleGame();
    // A scenario of many areas on a wide mainland, named "Large", for measurements.
    static Outline large(int areas);

    // Writes the scenario under root with the given chip bitmaps (BMP file bytes). Prints one
    // line per map; false, after saying why, when anything could not be made or written.
    static bool write(const Outline& outline, const std::string& root, const std::string& characterBmp,
                      const std::string& objectBmp);
};
