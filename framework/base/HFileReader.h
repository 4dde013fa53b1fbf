#pragma once

#include <cstdint>
#include <memory>

#include "framework/base/HFile.h"
#include "framework/base/HObject.h"

// Reads a whole file into memory, followed by one zero byte so the data can serve as text.
class HFileReader : public HObject {
public:
    HFileReader();
    explicit HFileReader(const HFile& file);

    void setFile(const HFile& file);
    // False at once when data is already loaded or no file is set.
    bool read();
    // The data, zero-terminated, or nullptr before a successful read.
    const char* getData() const { return m_data.get(); }
    // Bytes read, without the terminating zero; -1 before a successful read.
    int64_t getSize() const { return m_size; }
    uint32_t getError() const { return m_error; }

private:
    HFile m_file;
    std::unique_ptr<char[]> m_data;
    int64_t m_size = -1;
    uint32_t m_error = 0;
};
