#pragma once

#include <map>
#include <string>

// Scenario folders on disk for the save and recovery tests, in the current (test) folder.
namespace ScenarioFolder {

using Files = std::map<std::string, std::string>;  // file name -> bytes

// The sample game's "Islands" (six areas, real maps) as the scenario folder name, made by the
// sample generator once per program and copied from there.
void make(const std::string& name);
// The files directly inside folder (a path as the system writes them) with their bytes.
Files files(const std::string& folder);
// One line per file, name, size and a hash of its bytes: what a failed comparison prints.
std::string summary(const Files& files);
// Replaces the files of folder with these (made or rewritten; others removed).
void put(const std::string& folder, const Files& files);

}  // namespace ScenarioFolder
