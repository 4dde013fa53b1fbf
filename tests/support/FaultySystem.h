#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "framework/HSystem.h"

// The native system with failures injected into the files that writers create
// (OPEN_CREATE_NEW): a creation, a write, a sync, a close or a replace that fails, a write
// that takes only part of its bytes, a disk that fills up. Each "At" field names the n-th call
// of its kind on created files, counted from 1 over the object's life (0: never; EVERY: each
// one), so a save of several files can be failed at any one step. Installed for the process
// while the object lives.
class FaultySystem : public HSystem {
public:
    static constexpr uint32_t INJECTED_ERROR = 112;  // what the platform reports for a full disk
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

    // Calls seen so far.
    int creates = 0;
    int writes = 0;
    int flushes = 0;
    int closes = 0;
    int replaces = 0;
    int64_t written = 0;         // bytes the created files took

    Handle open(const std::string& path, OpenMode mode, bool* existed) override;
    bool write(Handle file, const void* data, uint32_t count, uint32_t* done) override;
    bool flush(Handle file) override;
    bool close(Handle file) override;
    bool replaceFile(const std::string& source, const std::string& target) override;
    uint32_t getLastError() override;

private:
    bool inject();
    static bool hits(int call, int at) { return at == EVERY || call == at; }
    bool isCreated(Handle file) const { return m_created.count(file) != 0; }

    HSystem* m_previous;         // not owned
    std::set<Handle> m_created;  // created files still open
    bool m_injected = false;     // the last call failed by injection
};
