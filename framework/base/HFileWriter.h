#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/base/HFile.h"
#include "framework/base/HObject.h"
#include "framework/base/HSystem.h"

// Writes a file through a memory buffer without ever destroying the file it replaces.
//
// The bytes go to a new temporary file beside the target; close() forces them onto the disk
// and only then puts the temporary in the target's place in one rename. After any failure, or
// when the writer is destroyed without close(), the target stays as it was and the temporary
// is removed.
class HFileWriter : public HObject {
public:
    static constexpr uint32_t DEFAULT_BUFFER_SIZE = 8192;

    explicit HFileWriter(const HFile& file);
    ~HFileWriter() override;

    // With a non-zero size: flushes, then replaces the buffer; false if it cannot be had.
    bool setBufferSize(uint32_t bytes);
    bool open();
    // False as soon as a flush fails; the rest of the bytes are dropped.
    bool write(const void* bytes, uint32_t count);
    // Hands the buffered bytes to the system; the buffer is empty afterwards in every case.
    // A failure is logged ("write error:%u") and refuses every later write until open().
    bool flush();
    // Flushes, syncs and closes the temporary, then replaces the target with it; false, with
    // a log line and getError(), when any step failed, and then the target is untouched.
    bool close();

    // Whether name is one of the temporaries a writer of target makes beside it: "target.tmp",
    // "target.tmp1" up to "target.tmp99" (file names, not paths).
    static bool isTemporaryOf(const std::string& name, const std::string& target);

    uint32_t getError() const { return m_error; }
    // The temporary file while the writer is open; empty otherwise.
    const std::string& getTemporaryPath() const { return m_temporary; }

private:
    bool openTemporary();
    // Keeps the error of the failed operation ("write", "flush") and refuses every later write.
    void fail(const char* operation);
    void abandon();
    void removeTemporary();

    HFile m_file;
    HSystem::Handle m_handle = nullptr;
    std::unique_ptr<char[]> m_buffer;
    uint32_t m_used = 0;
    uint32_t m_capacity = DEFAULT_BUFFER_SIZE;
    uint32_t m_error = 0;
    std::string m_temporary;
    bool m_failed = false;  // a write or flush failed since open(): the target must not change
};
