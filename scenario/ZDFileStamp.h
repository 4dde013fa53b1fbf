#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/base/HSystem.h"

// What was read of one file: whether it was there and, if so, its size and last write time
// as the system told them just before the read, and a hash of the bytes read. Tells later
// whether the file still holds those bytes, mostly without reading it again.
class ZDFileStamp {
public:
    // No file: what a path that held nothing when it was read leaves.
    ZDFileStamp() = default;
    // bytes (size of them) read from a file of which info was taken just before. Taking the
    // time first errs on the safe side: a change between the two shows as a newer time, which
    // only costs one more read at the comparison.
    ZDFileStamp(const HSystem::FileInfo& info, const char* bytes, size_t size);

    bool exists() const { return m_exists; }
    int64_t getWriteTime() const { return m_writeTime; }
    // Whether bytes are the bytes read (same size, same hash); false for no file.
    bool holds(const std::string& bytes) const;
    // Whether what is at path now is what was read: nothing for a stamp of no file, else the
    // same bytes. The same size and time answer without reading; otherwise the file is read
    // and its hash compared, so a file rewritten with its old bytes counts as unchanged.
    bool isCurrent(const std::string& path) const;

    // 64-bit FNV-1a of the bytes.
    static uint64_t hash(const void* bytes, size_t size);
    static uint64_t hash(const std::string& bytes) { return hash(bytes.data(), bytes.size()); }
    // The whole file at path into bytes; false (bytes empty) when it cannot be read.
    static bool readFile(const std::string& path, std::string* bytes);

private:
    bool m_exists = false;
    int64_t m_size = 0;
    int64_t m_writeTime = 0;
    uint64_t m_hash = 0;
};
