#include "framework/base/HFindFiles.h"

#include <dirent.h>
#include <sys/stat.h>

#include "framework/base/HDebug.h"
#include "framework/base/HSystem.h"

// The host build's listing: the same steps as on Windows (the folder made current, every
// folder entry of it appended, "." and ".." among them, the current folder restored), with
// the directory calls of POSIX.
int HFindFiles::getDirectories(const HFile& folder, std::vector<HFile>* list)
{
    HSystem& system = HSystem::get();
    std::string previous = system.getCurrentDirectory();
    std::string directory = folder.getType() == HFile::TYPE_DIRECTORY || folder.getName().empty()
                                ? folder.getPath()
                                : folder.getDirectory();
    int count = 0;
    DIR* entries = nullptr;
    if (directory.empty() || !system.setCurrentDirectory(directory)
        || (entries = opendir(".")) == nullptr) {
        HDebug::debug("getDirectories:%s", folder.getPath().c_str());
        HDebug::debug("getDirectories:%d", static_cast<int>(system.getLastError()));
        HLOG_INFO("getDirectories:ディレクトリ変更に失敗");
    } else {
        while (const dirent* entry = readdir(entries)) {
            struct stat status;
            if (stat(entry->d_name, &status) == 0 && S_ISDIR(status.st_mode)) {
                list->push_back(HFile(directory, entry->d_name));
                ++count;
            }
        }
        closedir(entries);
    }
    if (!previous.empty() && !system.setCurrentDirectory(previous)) {
        HDebug::debug("getDirectories:%s", previous.c_str());
        HLOG_INFO("getDirectories:カレントディレクトリ復元失敗");
    }
    return count;
}

std::vector<std::string> HFindFiles::getFileNames(const HFile& folder)
{
    std::vector<std::string> names;
    HSystem& system = HSystem::get();
    const std::string previous = system.getCurrentDirectory();
    DIR* entries = nullptr;
    if (system.setCurrentDirectory(folder.getPath()) && (entries = opendir(".")) != nullptr) {
        while (const dirent* entry = readdir(entries)) {
            struct stat status;
            if (stat(entry->d_name, &status) == 0 && S_ISREG(status.st_mode)) {
                names.push_back(entry->d_name);
            }
        }
        closedir(entries);
    }
    if (!previous.empty()) {
        system.setCurrentDirectory(previous);
    }
    return names;
}
