// The scenario's save and the open after it, for the kill test (save_kill_test.sh), which
// kills this program at random moments of its save:
//
//   tessel_save_probe reference <scenario> <old> <new>
//       copies nothing: takes the first area of <scenario> out, renumbering every later
//       area and map, and saves it;
//   tessel_save_probe cycle <scenario> <old> <new>
//       runs what an open runs first (completing an interrupted save, removing temporaries),
//       prints "old", "new" or "mixed: <why>" for what the files then hold against the two
//       reference folders, puts the old files back if they were new, then edits and saves as
//       "reference" does, creating the files <scenario>\saving just before the save writes
//       and <scenario>\saved just after;
//   tessel_save_probe check <scenario> <old> <new>
//       the open and the verdict alone.
//
// Folders are Windows paths of scenario folders; old and new hold their Data folders' files.
// Exit status 0 when the save (or the verdict) is whole, 1 otherwise.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "framework/base/HSystem.h"
#include "framework/base/HWin32.h"
#include "scenario/ZDAreaMapData.h"
#include "scenario/ZDFileSet.h"
#include "scenario/ZDSaveJournal.h"
#include "scenario/ZDScenarioSave.h"

namespace {

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::set<std::string> filesOf(const std::string& folder)
{
    std::vector<std::string> names;
    HSystem::get().listFiles(folder, &names);
    return std::set<std::string>(names.begin(), names.end());
}

// "" when folder holds exactly the files of reference, byte for byte; else what differs.
std::string differences(const std::string& folder, const std::string& reference)
{
    std::set<std::string> have = filesOf(folder);
    std::set<std::string> want = filesOf(reference);
    if (have != want) {
        for (const std::string& name : have) {
            if (want.count(name) == 0) {
                return "extra file " + name;
            }
        }
        return "a file is missing";
    }
    for (const std::string& name : want) {
        if (readAll(folder + "\\" + name) != readAll(reference + "\\" + name)) {
            return name + " differs";
        }
    }
    return std::string();
}

void mark(const std::string& marker)
{
    CloseHandle(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

// Takes the first area out, as a deletion does: every later area and its map move up one
// number, so that the save rewrites the area list and every map but the last, whose file it
// removes. With a marker, makes the files <marker>ing and <marker>ed just before and after the
// save.
bool editAndSave(const std::string& scenario, const char* marker)
{
    ZDAreaMapData data;
    if (!data.load(HFile(scenario), HFile()) || data.getAreaCount() < 2) {
        std::printf("cannot load %s\n", scenario.c_str());
        return false;
    }
    uint32_t count = data.getAreaCount();
    ZDFileSet all = ZDScenarioSave::allFiles(data, data.getAreaDataFile().getName());
    ZDFileSet renumbered;
    const std::string& list = all.getWrites()[0].bytes;
    renumbered.write(all.getWrites()[0].name, list.substr(list.find("\r\n") + 2));
    for (uint32_t number = 1; number < count; ++number) {
        renumbered.write(ZDAreaMapData::mapFileName(number), all.getWrites()[number + 1].bytes);
    }
    if (!data.restoreFiles(renumbered) || data.getAreaCount() != count - 1) {
        std::printf("cannot renumber %s\n", scenario.c_str());
        return false;
    }
    ZDScenarioSave save(data, data.getAreaDataFile());
    if (marker != nullptr) {
        mark(std::string(marker) + "ing");
    }
    bool ok = save.getChangedElsewhere().empty() && save.commit();
    if (marker != nullptr) {
        mark(std::string(marker) + "ed");
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::printf("usage: tessel_save_probe reference|cycle|check <scenario> <old> <new>\n");
        return 2;
    }
    std::string mode = argv[1];
    std::string scenario = argv[2];
    std::string data = scenario + "\\Data";
    if (mode == "reference") {
        return editAndSave(scenario, nullptr) ? 0 : 1;
    }
    ZDSaveJournal::Outcome outcome = ZDSaveJournal::finish(data, "AreaData");
    const char* names[] = {"nothing", "finished", "not finished", "damaged"};
    std::string old = differences(data, argv[3]);
    std::string now = old.empty() ? old : differences(data, argv[4]);
    if (!old.empty() && !now.empty()) {
        std::printf("mixed: %s; against new: %s (open: %s)\n", old.c_str(), now.c_str(), names[outcome]);
        return 1;
    }
    std::printf("%s (open: %s)\n", old.empty() ? "old" : "new", names[outcome]);
    std::fflush(stdout);
    if (mode == "check") {
        return 0;
    }
    if (!old.empty()) {
        for (const std::string& name : filesOf(argv[3])) {
            std::string from = std::string(argv[3]) + "\\" + name;
            std::string to = data + "\\" + name;
            if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
                std::printf("cannot put back %s\n", name.c_str());
                return 1;
            }
        }
    }
    std::string marker = scenario + "\\sav";
    return editAndSave(scenario, marker.c_str()) ? 0 : 1;
}
