#include "framework/HFindFiles.h"

#include "framework/HApplication.h"
#include "framework/HDebug.h"
#include "framework/HWin32.h"

int HFindFiles::getDirectories(const HFile& folder, std::vector<HFile>* list)
{
    HFile previous = HApplication::getCurrentDirectory();
    int count = 0;
    if (!HApplication::setCurrentDirectory(folder)) {
        HDebug::debug("getDirectories:%s", folder.getPath().c_str());
        HDebug::debug("getDirectories:%d", static_cast<int>(GetLastError()));
        HLOG_INFO("getDirectories:ディレクトリ変更に失敗");
    } else {
        std::string directory = folder.getType() == HFile::TYPE_DIRECTORY ? folder.getPath()
                                                                           : folder.getDirectory();
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
    if (!HApplication::setCurrentDirectory(previous)) {
        HDebug::debug("getDirectories:%s", previous.getPath().c_str());
        HLOG_INFO("getDirectories:カレントディレクトリ復元失敗");
    }
    return count;
}
