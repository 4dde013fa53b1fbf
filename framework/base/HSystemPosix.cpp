#include "framework/base/HSystem.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/base/HText.h"

// The POSIX side of the system calls. Paths arrive with backslashes, as everywhere in the
// system, and become slashes only here.
//
// Sharing. A file opened on Windows without sharing (OPEN_READ) can be neither opened again
// nor replaced, renamed or removed while it is held, and every open of ours refuses sharing
// for deletion. POSIX has no mandatory sharing modes, so every open takes an advisory lock:
// OPEN_READ an exclusive one, the others a shared one; and replacing, renaming or removing a
// file first makes sure that nobody holds a lock on it. Between the processes of this system
// the rules are then those of Windows; other programs are not bound by advisory locks, but the
// writer never rewrites a file in place, so a reader holding the old file keeps reading the
// old, complete bytes whatever happens to the name.
//
// Errors are kept per thread as the Windows codes of the same faults, so that the log lines
// that report them read the same on every platform.

namespace {

// Windows error codes (winerror.h) of the faults the data core can meet.
const uint32_t kFileNotFound = 2;
const uint32_t kPathNotFound = 3;
const uint32_t kTooManyOpenFiles = 4;
const uint32_t kAccessDenied = 5;
const uint32_t kInvalidHandle = 6;
const uint32_t kNotEnoughMemory = 8;
const uint32_t kNotSameDevice = 17;
const uint32_t kWriteProtect = 19;
const uint32_t kSharingViolation = 32;
const uint32_t kFileExists = 80;
const uint32_t kInvalidParameter = 87;
const uint32_t kDiskFull = 112;
const uint32_t kDirNotEmpty = 145;
const uint32_t kAlreadyExists = 183;
const uint32_t kFilenameTooLong = 206;
const uint32_t kIoDevice = 1117;
// Errors without a Windows counterpart keep their number with the customer bit set, which
// no Windows code uses.
const uint32_t kCustomerBit = 0x20000000;

const size_t kMaxPath = 260;  // the full-path limit of the Windows side

thread_local uint32_t t_lastError = 0;

uint32_t windowsCode(int error)
{
    switch (error) {
    case ENOENT: return kFileNotFound;
    case ENOTDIR: return kPathNotFound;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR: return kAccessDenied;
    case EBADF: return kInvalidHandle;
    case ENOMEM: return kNotEnoughMemory;
    case EXDEV: return kNotSameDevice;
    case EROFS: return kWriteProtect;
    case EBUSY:
    case EWOULDBLOCK: return kSharingViolation;
    case EEXIST: return kFileExists;
    case EINVAL: return kInvalidParameter;
    case ENOSPC:
    case EDQUOT: return kDiskFull;
    case ENOTEMPTY: return kDirNotEmpty;
    case ENAMETOOLONG: return kFilenameTooLong;
    case EIO: return kIoDevice;
    default: return kCustomerBit | static_cast<uint32_t>(error);
    }
}

bool failWith(uint32_t code)
{
    t_lastError = code;
    return false;
}

bool failWithErrno()
{
    return failWith(windowsCode(errno));
}

// Real separators only: the second byte of a Shift-JIS character may be 0x5C.
std::string nativePath(const std::string& path)
{
    std::string native = path;
    for (size_t i = 0; i < native.size(); ++i) {
        if (HText::isDoubleByte(native.data(), native.size(), i)) {
            ++i;
        } else if (native[i] == '\\') {
            native[i] = '/';
        }
    }
    return native;
}

// A slash is never the second byte of a Shift-JIS character, so every one is a separator.
std::string systemPath(const std::string& native)
{
    std::string path = native;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

HSystem::Handle toHandle(int fd)
{
    // Descriptor 0 is valid; nullptr means no file.
    return reinterpret_cast<HSystem::Handle>(static_cast<intptr_t>(fd) + 1);
}

int toDescriptor(HSystem::Handle file)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(file) - 1);
}

// Windows reports a folder missing on the way as "path not found", a missing last component
// as "file not found"; POSIX says ENOENT to both.
uint32_t missingCode(const std::string& native)
{
    size_t slash = native.rfind('/');
    if (slash == std::string::npos || slash == 0) {
        return kFileNotFound;
    }
    struct stat info;
    std::string folder = native.substr(0, slash);
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? kFileNotFound
                                                                     : kPathNotFound;
}

bool failOpen(const std::string& native)
{
    return failWith(errno == ENOENT ? missingCode(native) : windowsCode(errno));
}

// True when a file of ours holds the path open (see Sharing above); a missing path is free.
bool isHeld(const std::string& native)
{
    int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);  // also drops the probe's own lock
    return held;
}

// Windows keeps a read-only file in its place; on POSIX the folder's rights alone decide a
// rename. Read-only is taken the way Wine maps it: no write right for anybody.
bool isReadOnly(const std::string& native)
{
    struct stat info;
    return stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode)
        && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// Makes a rename durable like MOVEFILE_WRITE_THROUGH: the folder's entry goes to the disk.
void syncFolderOf(const std::string& native)
{
    size_t slash = native.rfind('/');
    std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : native.substr(0, slash);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        ::close(fd);
    }
}

// Removes "." and ".." components the way GetFullPathName does, without asking the disk.
std::string normalise(const std::string& absolute)
{
    std::vector<std::string> parts;
    size_t start = 1;
    while (start <= absolute.size()) {
        size_t slash = absolute.find('/', start);
        size_t end = slash == std::string::npos ? absolute.size() : slash;
        std::string part = absolute.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& part : parts) {
        result += "/" + part;
    }
    return result.empty() ? "/" : result;
}

}  // namespace

HSystem::Handle HSystem::open(const std::string& path, OpenMode mode, bool* existed)
{
    std::string native = nativePath(path);
    int flags = O_CLOEXEC;
    int lock = LOCK_SH;
    switch (mode) {
    case OPEN_READ:
        flags |= O_RDONLY;
        lock = LOCK_EX;
        break;
    case OPEN_MARKER:
        flags |= O_RDONLY;
        break;
    case OPEN_APPEND:
        flags |= O_WRONLY;
        break;
    case OPEN_CREATE_NEW:
        flags |= O_WRONLY | O_CREAT | O_EXCL;
        break;
    }
    bool found = true;
    int fd = ::open(native.c_str(), flags, 0666);
    if (fd < 0 && mode == OPEN_APPEND && errno == ENOENT) {
        found = false;
        fd = ::open(native.c_str(), flags | O_CREAT | O_EXCL, 0666);
    }
    if (fd < 0) {
        failOpen(native);
        return nullptr;
    }
    struct stat info;
    // Windows opens no folder as a file; here a folder opens for reading.
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        failWith(kAccessDenied);
        return nullptr;
    }
    if (flock(fd, lock | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ::close(fd);
        failWith(kSharingViolation);
        return nullptr;
    }
    if (existed != nullptr) {
        *existed = mode == OPEN_APPEND && found;
    }
    return toHandle(fd);
}

bool HSystem::read(Handle file, void* data, uint32_t count, uint32_t* done)
{
    *done = 0;
    char* target = static_cast<char*>(data);
    while (*done < count) {
        ssize_t got = ::read(toDescriptor(file), target + *done, count - *done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return failWithErrno();
        }
        if (got == 0) {
            break;  // the end of the file, which Windows reports as success too
        }
        *done += static_cast<uint32_t>(got);
    }
    return true;
}

bool HSystem::write(Handle file, const void* data, uint32_t count, uint32_t* done)
{
    *done = 0;
    const char* source = static_cast<const char*>(data);
    while (*done < count) {
        ssize_t put = ::write(toDescriptor(file), source + *done, count - *done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put < 0) {
            return failWithErrno();
        }
        *done += static_cast<uint32_t>(put);
    }
    return true;
}

bool HSystem::flush(Handle file)
{
    return fsync(toDescriptor(file)) == 0 || failWithErrno();
}

bool HSystem::close(Handle file)
{
    // The descriptor is gone even when close reports an error (EINTR included), as on Linux.
    return ::close(toDescriptor(file)) == 0 || failWithErrno();
}

bool HSystem::getSize(Handle file, int64_t* size)
{
    struct stat info;
    if (fstat(toDescriptor(file), &info) != 0) {
        return failWithErrno();
    }
    *size = static_cast<int64_t>(info.st_size);
    return true;
}

bool HSystem::seekEnd(Handle file, int64_t* position)
{
    off_t end = lseek(toDescriptor(file), 0, SEEK_END);
    if (end < 0) {
        return failWithErrno();
    }
    *position = static_cast<int64_t>(end);
    return true;
}

bool HSystem::replaceFile(const std::string& source, const std::string& target)
{
    std::string from = nativePath(source);
    std::string to = nativePath(target);
    if (isReadOnly(to) || isHeld(from) || isHeld(to)) {
        return failWith(isReadOnly(to) ? kAccessDenied : kSharingViolation);
    }
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return failWithErrno();
    }
    syncFolderOf(to);
    return true;
}

bool HSystem::renameFile(const std::string& source, const std::string& target)
{
    std::string from = nativePath(source);
    std::string to = nativePath(target);
    if (isHeld(from)) {
        return failWith(kSharingViolation);
    }
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
        return failWith(errno == EEXIST ? kAlreadyExists : errno == ENOENT ? missingCode(from)
                                                                           : windowsCode(errno));
    }
    syncFolderOf(to);
    return true;
}

bool HSystem::removeFile(const std::string& path)
{
    std::string native = nativePath(path);
    if (isHeld(native)) {
        return failWith(kSharingViolation);
    }
    if (unlink(native.c_str()) != 0) {
        return failWith(errno == ENOENT ? missingCode(native) : windowsCode(errno));
    }
    return true;
}

HSystem::Type HSystem::getType(const std::string& path)
{
    std::string native = nativePath(path);
    struct stat info;
    if (stat(native.c_str(), &info) != 0) {
        failOpen(native);
        return TYPE_NONE;
    }
    return S_ISDIR(info.st_mode) ? TYPE_DIRECTORY : TYPE_FILE;
}

bool HSystem::getFileInfo(const std::string& path, FileInfo* info)
{
    *info = FileInfo();
    std::string native = nativePath(path);
    struct stat status;
    if (stat(native.c_str(), &status) != 0) {
        return failOpen(native);
    }
    info->type = S_ISDIR(status.st_mode) ? TYPE_DIRECTORY : TYPE_FILE;
    info->size = static_cast<int64_t>(status.st_size);
    // Nanoseconds, like the 100 ns steps of Windows only finer: compared, never shown.
    info->writeTime = static_cast<int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    return true;
}

bool HSystem::listFiles(const std::string& folder, std::vector<std::string>* names)
{
    names->clear();
    std::string native = nativePath(folder);
    DIR* directory = opendir(native.c_str());
    if (directory == nullptr) {
        return failOpen(native);
    }
    while (struct dirent* entry = readdir(directory)) {
        struct stat status;
        std::string path = native + "/" + entry->d_name;
        if (stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode)) {
            names->push_back(entry->d_name);
        }
    }
    closedir(directory);
    return true;
}

bool HSystem::makeDirectory(const std::string& path)
{
    std::string native = nativePath(path);
    if (mkdir(native.c_str(), 0777) != 0) {
        return failWith(errno == EEXIST ? kAlreadyExists : errno == ENOENT ? kPathNotFound
                                                                           : windowsCode(errno));
    }
    return true;
}

std::string HSystem::getFullPath(const std::string& path)
{
    std::string native = nativePath(path);
    if (native.empty()) {
        failWith(kInvalidParameter);
        return std::string();
    }
    if (native[0] != '/') {
        char current[PATH_MAX];
        if (getcwd(current, sizeof(current)) == nullptr) {
            failWithErrno();
            return std::string();
        }
        native = std::string(current) + "/" + native;
    }
    std::string full = normalise(native);
    if (native.back() == '/' && full != "/") {
        full += '/';  // GetFullPathName keeps a closing separator
    }
    full = systemPath(full);
    if (full.size() >= kMaxPath) {
        failWith(kFilenameTooLong);
        return std::string();
    }
    return full;
}

std::string HSystem::getCurrentDirectory()
{
    char current[PATH_MAX];
    if (getcwd(current, sizeof(current)) == nullptr) {
        failWithErrno();
        return std::string();
    }
    return systemPath(current);
}

bool HSystem::setCurrentDirectory(const std::string& folder)
{
    std::string native = nativePath(folder);
    if (native.empty() || chdir(native.c_str()) != 0) {
        return native.empty() ? failWith(kInvalidParameter) : failWithErrno();
    }
    return true;
}

HSystem::LocalTime HSystem::getLocalTime()
{
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    struct tm local;
    localtime_r(&now.tv_sec, &local);
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                     local.tm_min,         local.tm_sec,     static_cast<int>(now.tv_nsec / 1000000)};
}

uint32_t HSystem::getLastError()
{
    return t_lastError;
}
