#pragma once

#include <cstdint>
#include <string>

#include "framework/HSystem.h"

// The native system with failures injected into the files a writer creates (OPEN_CREATE_NEW):
// a failing n-th write, a disk that fills up, a failing sync, close or replace. Installed for
// the process while the object lives.
class FaultySystem : public HSystem {
public:
    static constexpr uint32_t INJECTED_ERROR = 112;  // what the platform reports for a full disk

    FaultySystem();
    ~FaultySystem() override;

    int failWriteAt = 0;         // 1-based index of the write that fails; 0 for none
    int64_t spaceLeft = -1;      // bytes the disk still takes; -1 for no limit
    bool failFlush = false;
    bool failClose = false;
    bool failReplace = false;

    int writes = 0;              // writes seen on created files
    int64_t written = 0;         // bytes they took

    Handle open(const std::string& path, OpenMode mode, bool* existed) override;
    bool write(Handle file, const void* data, uint32_t count, uint32_t* done) override;
    bool flush(Handle file) override;
    bool close(Handle file) override;
    bool replaceFile(const std::string& source, const std::string& target) override;
    uint32_t getLastError() override;

private:
    bool inject();

    HSystem* m_previous;
    Handle m_created = nullptr;
    bool m_injected = false;
};
