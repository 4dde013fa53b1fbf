#include "framework/base/HFindFiles.h"

#include "framework/base/HDebug.h"
#include "framework/base/HSystem.h"
#include "framework/base/HWin32.h"

int HFindFiles::getDirectories(const HFile& folder, std::vector<HFile>* list)
{
    HSystem& system = HSystem::get();
    std::string previous = system.getCurrentDirectory();
    // A drive root ("C:\") has an empty name: it is a folder in itself.
    std::string directory = folder.getType() == HFile::TYPE_DIRECTORY || folder.getName().empty()
                                ? folder.getPath()
                                : folder.getDirectory();
    int count = 0;
    if (directory.empty() || !system.setCurrentDirectory(directory)) {
        HDebug::debug("getDirectories:%s", folder.getPath().c_str());
        HDebug::debug("getDirectories:%d", static_cast<int>(GetLastError()));
        HLOG_INFO("getDirectories:ディレクトリ変更に失敗");
    } else {
        WIN32_FIND_DATAA entry = {};
        HANDLE find = FindFirstFileA("*.*", &entry);
        DWORD error = find == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                    list->push_back(HFile(directory, entry.cFileName));
                    ++count;
                }
            } while (FindNextFileA(find, &entry));
            error = GetLastError();
            FindClose(find);
        }
        if (error != ERROR_NO_MORE_FILES && error != ERROR_FILE_NOT_FOUND) {
            HLOG_INFO("getDirectories:ファイル列挙エラー");
        }
    }
    if (!system.setCurrentDirectory(previous)) {
        HDebug::debug("getDirectories:%s", previous.c_str());
        HLOG_INFO("getDirectories:カレントディレクトリ復元失敗");
    }
    return count;
}

std::vector<std::string> HFindFiles::getFileNames(const HFile& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder.getPath() + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.push_back(entry.cFileName);
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
}
