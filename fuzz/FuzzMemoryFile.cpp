#include "fuzz/FuzzMemoryFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/base/HFile.h"

FuzzMemoryFile::FuzzMemoryFile(const std::string& path)
    : m_path(HFile(path).getPath()), m_previous(HSystem::install(this))
{
}

FuzzMemoryFile::~FuzzMemoryFile()
{
    HSystem::install(m_previous);
}

void FuzzMemoryFile::setData(const uint8_t* data, size_t size)
{
    m_data = data;
    m_size = size;
}

HSystem::Handle FuzzMemoryFile::open(const std::string& path, OpenMode mode, bool* existed)
{
    if (path != m_path) {
        return HSystem::open(path, mode, existed);
    }
    // Like OPEN_READ on the disk: one reader at a time, nobody writes.
    if (mode != OPEN_READ || m_handle != nullptr) {
        return nullptr;
    }
    m_position = 0;
    m_handle = this;
    return m_handle;
}

bool FuzzMemoryFile::read(Handle file, void* data, uint32_t count, uint32_t* done)
{
    if (!isMine(file)) {
        return HSystem::read(file, data, count, done);
    }
    size_t piece = std::min<size_t>(count, m_size - m_position);
    if (piece > 0) {
        memcpy(data, m_data + m_position, piece);
    }
    m_position += piece;
    *done = static_cast<uint32_t>(piece);
    return true;
}

bool FuzzMemoryFile::close(Handle file)
{
    if (!isMine(file)) {
        return HSystem::close(file);
    }
    m_handle = nullptr;
    return true;
}

bool FuzzMemoryFile::getSize(Handle file, int64_t* size)
{
    if (!isMine(file)) {
        return HSystem::getSize(file, size);
    }
    *size = static_cast<int64_t>(m_size);
    return true;
}

HSystem::Type FuzzMemoryFile::getType(const std::string& path)
{
    return path == m_path ? TYPE_FILE : HSystem::getType(path);
}

int FuzzMemoryFile::test(const char* path, const uint8_t* data, size_t size, std::string (*check)())
{
    static FuzzMemoryFile file(path);  // one target, so one file, per process
    file.setData(data, size);
    std::string failure = check();
    if (!failure.empty()) {
        fprintf(stderr, "fuzz check failed: %s\n", failure.c_str());
        abort();
    }
    return 0;
}

int FuzzMemoryFile::initialize(int* argc, char*** argv, size_t maxLength)
{
    // libFuzzer reads its flags after this call; the arguments must outlive the process.
    static std::vector<std::string> limits;
    static std::vector<char*> arguments;
    limits = {"-max_len=" + std::to_string(maxLength), "-rss_limit_mb=256", "-timeout=1"};
    arguments.assign(*argv, *argv + *argc);
    for (std::string& limit : limits) {
        std::string flag = limit.substr(0, limit.find('=') + 1);
        bool given = false;
        for (int i = 1; i < *argc; ++i) {
            given = given || strncmp((*argv)[i], flag.c_str(), flag.size()) == 0;
        }
        if (!given) {
            arguments.push_back(&limit[0]);
        }
    }
    arguments.push_back(nullptr);
    *argc = static_cast<int>(arguments.size()) - 1;
    *argv = arguments.data();
    return 0;
}

#ifdef TESSEL_LIBFUZZER
// AddressSanitizer keeps up to 256 MB of freed blocks to catch late uses; the fuzzers run
// under -rss_limit_mb=256, so a smaller quarantine (still many thousand inputs deep) keeps
// them inside it.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=16";
}
#endif
