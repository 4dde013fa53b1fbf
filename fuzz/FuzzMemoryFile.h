#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/base/HSystem.h"

// The native system with one more file that lives in memory: the fuzzers hand their input to
// the real loaders (HFileReader and what reads through it) without touching the disk.
// Installed for the process while the object lives.
class FuzzMemoryFile : public HSystem {
public:
    // path as an HFile takes it: "name" is the file ".\\name".
    explicit FuzzMemoryFile(const std::string& path);
    ~FuzzMemoryFile() override;

    // The bytes the file holds from now on; not copied, they must outlive the reads.
    void setData(const uint8_t* data, size_t size);

    // The body of a libFuzzer entry: serves data as the file at path, runs the target's
    // check, and stops the process with the target's own words when it fails.
    static int test(const char* path, const uint8_t* data, size_t size, std::string (*check)());
    // The body of LLVMFuzzerInitialize: adds the limits every run of a fuzzer keeps unless the
    // command line gives its own: -max_len (maxLength), -rss_limit_mb=256, -timeout=1.
    static int initialize(int* argc, char*** argv, size_t maxLength);

    Handle open(const std::string& path, OpenMode mode, bool* existed) override;
    bool read(Handle file, void* data, uint32_t count, uint32_t* done) override;
    bool close(Handle file) override;
    bool getSize(Handle file, int64_t* size) override;
    Type getType(const std::string& path) override;

private:
    bool isMine(Handle file) const { return file == m_handle && file != nullptr; }

    std::string m_path;
    const uint8_t* m_data = nullptr;  // not owned
    size_t m_size = 0;
    size_t m_position = 0;
    Handle m_handle = nullptr;        // the one open handle of the file, or none
    HSystem* m_previous;              // not owned
};
