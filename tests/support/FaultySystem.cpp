#include "tests/support/FaultySystem.h"

FaultySystem::FaultySystem() : m_previous(HSystem::install(this))
{
}

FaultySystem::~FaultySystem()
{
    HSystem::install(m_previous);
}

bool FaultySystem::inject()
{
    m_injected = true;
    return false;
}

HSystem::Handle FaultySystem::open(const std::string& path, OpenMode mode, bool* existed)
{
    m_injected = false;
    Handle file = HSystem::open(path, mode, existed);
    if (mode == OPEN_CREATE_NEW) {
        m_created = file;
    }
    return file;
}

bool FaultySystem::write(Handle file, const void* data, uint32_t count, uint32_t* done)
{
    m_injected = false;
    if (file != m_created) {
        return HSystem::write(file, data, count, done);
    }
    ++writes;
    if (writes == failWriteAt) {
        *done = 0;
        return inject();
    }
    uint32_t accepted = count;
    if (spaceLeft >= 0 && spaceLeft < count) {
        accepted = static_cast<uint32_t>(spaceLeft);
    }
    bool ok = HSystem::write(file, data, accepted, done);
    written += *done;
    if (spaceLeft >= 0) {
        spaceLeft -= *done;
    }
    if (ok && accepted < count) {
        return inject();  // a full disk takes what fits, then refuses
    }
    return ok;
}

bool FaultySystem::flush(Handle file)
{
    m_injected = false;
    bool ok = HSystem::flush(file);
    return file == m_created && failFlush ? inject() : ok;
}

bool FaultySystem::close(Handle file)
{
    m_injected = false;
    bool ok = HSystem::close(file);
    return file == m_created && failClose ? inject() : ok;
}

bool FaultySystem::replaceFile(const std::string& source, const std::string& target)
{
    m_injected = false;
    return failReplace ? inject() : HSystem::replaceFile(source, target);
}

uint32_t FaultySystem::getLastError()
{
    return m_injected ? INJECTED_ERROR : HSystem::getLastError();
}
