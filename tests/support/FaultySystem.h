#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "framework/base/HSystem.h"

// The native system with failures injected into the files that writers create
// (OPEN_CREATE_NEW): a creation, a write, a sync, a close or a replace that fails, a write
// that takes only part of its bytes, a disk that fills up; and into files opened for reading:
// a read that fails, a size the system reports wrongly; a removal that fails; and a process
// that dies: from a given change on, nothing more reaches the disk. Each "At" field names the n-th call
// of its kind, counted from 1 over the object's life (0: never; EVERY: each one), so a save of
// several files can be failed at any one step. Installed for the process while the object
// lives.
class FaultySystem : public HSystem {
public:
    // The platform's code each kind of fault reports, all different, so that a test can tell
    // which fault a report names.
    static constexpr uint32_t CREATE_ERROR = 5;     // access denied
    static constexpr uint32_t WRITE_ERROR = 112;    // disk full
    static constexpr uint32_t FLUSH_ERROR = 1117;   // device I/O error
    static constexpr uint32_t CLOSE_ERROR = 21;     // device not ready
    static constexpr uint32_t REPLACE_ERROR = 32;   // sharing violation
    static constexpr uint32_t READ_ERROR = 23;      // data error
    static constexpr uint32_t REMOVE_ERROR = 1224;  // the file is mapped by another process
    static constexpr int EVERY = -1;

    FaultySystem();
    ~FaultySystem() override;

    int failCreateAt = 0;
    int failWriteAt = 0;         // the write takes nothing and fails
    int shortWriteAt = 0;        // the write takes half its bytes and reports success
    int64_t spaceLeft = -1;      // bytes the disk still takes; -1 for no limit
    int failFlushAt = 0;
    int failCloseAt = 0;
    int failReplaceAt = 0;
    int failReadAt = 0;
    int failRemoveAt = 0;
    // From the n-th change to the disk on (a creation, write, sync, close, replace or removal
    // of a file, of any file), every change fails and does nothing, as in a process killed
    // there; reads still work. Handles are still closed, as the dying process's would be.
    int dieAt = 0;
    std::optional<int64_t> reportedSize;  // what getSize answers for every file

    // Calls seen so far.
    int creates = 0;
    int writes = 0;
    int flushes = 0;
    int closes = 0;
    int replaces = 0;
    int removes = 0;
    int changes = 0;
    std::vector<std::string> replaced;  // the targets of the replaces that took place

    Handle open(const std::string& path, OpenMode mode, bool* existed) override;
    bool write(Handle file, const void* data, uint32_t count, uint32_t* done) override;
    bool flush(Handle file) override;
    bool close(Handle file) override;
    bool replaceFile(const std::string& source, const std::string& target) override;
    bool removeFile(const std::string& path) override;
    bool read(Handle file, void* data, uint32_t count, uint32_t* done) override;
    bool getSize(Handle file, int64_t* size) override;
    uint32_t getLastError() override;

private:
    bool inject(uint32_t error);
    // Counts a change; true when the process is dead from it on.
    bool dead();
    static bool hits(int call, int at) { return at == EVERY || call == at; }
    bool isCreated(Handle file) const { return m_created.count(file) != 0; }

    HSystem* m_previous;         // not owned
    std::set<Handle> m_created;  // created files still open
    int m_reads = 0;
    uint32_t m_injected = 0;     // the error of the last call when it failed by injection
};
