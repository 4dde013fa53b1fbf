#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The operating-system calls of the data core (log, files, properties, maps, area lists), kept
// in one place so that the core builds and runs the same on every platform it is compiled for.
// Paths are Shift-JIS text with backslash separators throughout.
//
// HSystemWin32.cpp is the native implementation on Windows, HSystemPosix.cpp on the host
// build, which keeps the Windows semantics the system relies on (see there). The native
// implementation is the default; a replacement can be installed for the whole
// process, which is how failing disks are simulated.
class HSystem {
public:
    using Handle = void*;  // an open file; nullptr is none

    enum OpenMode {
        OPEN_READ,        // existing file, for reading, not shared
        OPEN_MARKER,      // existing file, for reading, others may write
        OPEN_APPEND,      // opened or created, for writing, others may read; contents kept
        OPEN_CREATE_NEW,  // a new file only, for writing, others may read
    };
    enum Type { TYPE_NONE = 0, TYPE_FILE = 1, TYPE_DIRECTORY = 2 };

    // What a path names: its type and, for a file, its size and last write time. The time is
    // in the platform's own units (on Windows 100 ns since 1601): compare it, never show it.
    struct FileInfo {
        Type type = TYPE_NONE;
        int64_t size = 0;
        int64_t writeTime = 0;
    };

    struct LocalTime {
        int year;
        int month;
        int day;
        int hour;
        int minute;
        int second;
        int millisecond;
    };

    HSystem() = default;
    virtual ~HSystem() = default;
    HSystem(const HSystem&) = delete;
    HSystem& operator=(const HSystem&) = delete;

    // existed, when given, tells whether OPEN_APPEND found the file already there.
    virtual Handle open(const std::string& path, OpenMode mode, bool* existed);
    virtual bool read(Handle file, void* data, uint32_t count, uint32_t* done);
    virtual bool write(Handle file, const void* data, uint32_t count, uint32_t* done);
    // Forces written data out of the system's caches onto the disk.
    virtual bool flush(Handle file);
    virtual bool close(Handle file);
    virtual bool getSize(Handle file, int64_t* size);
    virtual bool seekEnd(Handle file, int64_t* position);

    // Puts source in place of target in one step; target may exist and is replaced.
    virtual bool replaceFile(const std::string& source, const std::string& target);
    // Renames source to target, failing when target exists.
    virtual bool renameFile(const std::string& source, const std::string& target);
    virtual bool removeFile(const std::string& path);
    virtual Type getType(const std::string& path);
    // False, with the type TYPE_NONE, when nothing is there.
    virtual bool getFileInfo(const std::string& path, FileInfo* info);
    // Replaces names with the names of the files (not the folders) directly inside folder, in
    // no particular order; false when the folder cannot be listed.
    virtual bool listFiles(const std::string& folder, std::vector<std::string>* names);
    virtual bool makeDirectory(const std::string& path);
    // Resolves path against the current directory; empty when that fails.
    virtual std::string getFullPath(const std::string& path);
    // The process's current directory; empty when it cannot be read.
    virtual std::string getCurrentDirectory();
    virtual bool setCurrentDirectory(const std::string& folder);
    virtual LocalTime getLocalTime();
    // The platform's error code of the last failed call on this thread.
    virtual uint32_t getLastError();

    // The implementation in use.
    static HSystem& get();
    // Makes system the implementation in use (nullptr: the native one again) and returns the
    // previous replacement or nullptr. The caller keeps ownership.
    static HSystem* install(HSystem* system);
};
