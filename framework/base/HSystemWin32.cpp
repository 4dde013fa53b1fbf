#include "framework/base/HSystem.h"

#include "framework/base/HWin32.h"

namespace {

HANDLE toNative(HSystem::Handle file)
{
    return static_cast<HANDLE>(file);
}

}  // namespace

HSystem::Handle HSystem::open(const std::string& path, OpenMode mode, bool* existed)
{
    DWORD access = GENERIC_READ;
    DWORD share = 0;
    DWORD disposition = OPEN_EXISTING;
    switch (mode) {
    case OPEN_READ:
        break;
    case OPEN_MARKER:
        share = FILE_SHARE_WRITE;
        break;
    case OPEN_APPEND:
        access = GENERIC_WRITE;
        share = FILE_SHARE_READ;
        disposition = OPEN_ALWAYS;
        break;
    case OPEN_CREATE_NEW:
        access = GENERIC_WRITE;
        share = FILE_SHARE_READ;
        disposition = CREATE_NEW;
        break;
    }
    HANDLE file = CreateFileA(path.c_str(), access, share, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    if (existed != nullptr) {
        *existed = mode == OPEN_APPEND && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return file;
}

bool HSystem::read(Handle file, void* data, uint32_t count, uint32_t* done)
{
    DWORD got = 0;
    BOOL ok = ReadFile(toNative(file), data, count, &got, nullptr);
    *done = got;
    return ok != FALSE;
}

bool HSystem::write(Handle file, const void* data, uint32_t count, uint32_t* done)
{
    DWORD put = 0;
    BOOL ok = WriteFile(toNative(file), data, count, &put, nullptr);
    *done = put;
    return ok != FALSE;
}

bool HSystem::flush(Handle file)
{
    return FlushFileBuffers(toNative(file)) != FALSE;
}

bool HSystem::close(Handle file)
{
    return CloseHandle(toNative(file)) != FALSE;
}

bool HSystem::getSize(Handle file, int64_t* size)
{
    LARGE_INTEGER value;
    if (!GetFileSizeEx(toNative(file), &value)) {
        return false;
    }
    *size = value.QuadPart;
    return true;
}

bool HSystem::seekEnd(Handle file, int64_t* position)
{
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    LARGE_INTEGER end;
    if (!SetFilePointerEx(toNative(file), zero, &end, FILE_END)) {
        return false;
    }
    *position = end.QuadPart;
    return true;
}

bool HSystem::replaceFile(const std::string& source, const std::string& target)
{
    // Windows refuses to replace a read-only file; Wine's rename would not, so ask first.
    DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    // One rename under Wine and on NTFS; ReplaceFile would leave a moment without the file.
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool HSystem::renameFile(const std::string& source, const std::string& target)
{
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool HSystem::removeFile(const std::string& path)
{
    return DeleteFileA(path.c_str()) != FALSE;
}

HSystem::Type HSystem::getType(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return TYPE_NONE;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? TYPE_DIRECTORY : TYPE_FILE;
}

bool HSystem::getFileInfo(const std::string& path, FileInfo* info)
{
    *info = FileInfo();
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return false;
    }
    bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    info->type = folder ? TYPE_DIRECTORY : TYPE_FILE;
    info->size = static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
    info->writeTime = static_cast<int64_t>(
        (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime);
    return true;
}

bool HSystem::listFiles(const std::string& folder, std::vector<std::string>* names)
{
    names->clear();
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        // An empty folder still lists "." and "..", so nothing found means no folder.
        return false;
    }
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names->push_back(entry.cFileName);
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return true;
}

bool HSystem::makeDirectory(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

std::string HSystem::getFullPath(const std::string& path)
{
    char buffer[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        return std::string();
    }
    return std::string(buffer, length);
}

std::string HSystem::getCurrentDirectory()
{
    // The first call tells the size with its terminator; the directory may change between
    // the two calls, so a second shortfall is a failure.
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::string buffer(size, '\0');
    DWORD length = size == 0 ? 0 : GetCurrentDirectoryA(size, &buffer[0]);
    if (length == 0 || length >= size) {
        return std::string();
    }
    buffer.resize(length);
    return buffer;
}

bool HSystem::setCurrentDirectory(const std::string& folder)
{
    return SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

HSystem::LocalTime HSystem::getLocalTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                     now.wMilliseconds};
}

uint32_t HSystem::getLastError()
{
    return GetLastError();
}
