#include "framework/base/HFileReader.h"

#include <algorithm>
#include <limits>
#include <new>

#include "framework/base/HSystem.h"

namespace {

// Reads are made in pieces this large so that a huge size never overflows a count.
const uint32_t kReadPiece = 1u << 24;

}  // namespace

HFileReader::HFileReader()
{
    setClassName("HFileReader");
}

HFileReader::HFileReader(const HFile& file) : m_file(file)
{
    setClassName("HFileReader");
}

void HFileReader::setFile(const HFile& file)
{
    m_file = file;
    m_data.reset();
    m_size = -1;
    m_error = 0;
}

bool HFileReader::read()
{
    if (m_data != nullptr || m_file.isEmpty()) {
        return false;
    }
    HSystem& system = HSystem::get();
    HSystem::Handle file = system.open(m_file.getPath(), HSystem::OPEN_READ, nullptr);
    if (file == nullptr) {
        return false;
    }
    int64_t size = 0;
    bool ok = system.getSize(file, &size);
    // The data block carries a terminating zero and is indexed by size_t; refuse what cannot fit.
    if (ok && (size < 0 || static_cast<uint64_t>(size) >= std::numeric_limits<size_t>::max()
               || size >= std::numeric_limits<int32_t>::max())) {
        ok = false;
    }
    std::unique_ptr<char[]> data;
    if (ok) {
        data.reset(new (std::nothrow) char[static_cast<size_t>(size) + 1]());
        ok = data != nullptr;
    }
    int64_t total = 0;
    while (ok && total < size) {
        uint32_t piece = static_cast<uint32_t>(std::min<int64_t>(size - total, kReadPiece));
        uint32_t done = 0;
        ok = system.read(file, data.get() + total, piece, &done);
        if (ok && done == 0) {
            break;  // the file shrank while it was read; keep what is there
        }
        total += done;
    }
    if (!ok) {
        m_error = system.getLastError();
    }
    system.close(file);
    if (!ok) {
        return false;
    }
    data[static_cast<size_t>(total)] = '\0';
    m_data = std::move(data);
    m_size = total;
    return true;
}
