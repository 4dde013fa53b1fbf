#include "tests/support/FaultySystem.h"

FaultySystem::FaultySystem() : m_previous(HSystem::install(this))
{
}

FaultySystem::~FaultySystem()
{
    HSystem::install(m_previous);
}

bool FaultySystem::inject(uint32_t error)
{
    m_injected = error;
    return false;
}

bool FaultySystem::dead()
{
    ++changes;
    return dieAt != 0 && changes >= dieAt;
}

HSystem::Handle FaultySystem::open(const std::string& path, OpenMode mode, bool* existed)
{
    m_injected = 0;
    if (mode != OPEN_CREATE_NEW) {
        return HSystem::open(path, mode, existed);
    }
    if (dead() || hits(++creates, failCreateAt)) {
        inject(CREATE_ERROR);
        return nullptr;
    }
    Handle file = HSystem::open(path, mode, existed);
    if (file != nullptr) {
        m_created.insert(file);
    }
    return file;
}

bool FaultySystem::write(Handle file, const void* data, uint32_t count, uint32_t* done)
{
    m_injected = 0;
    if (!isCreated(file)) {
        return HSystem::write(file, data, count, done);
    }
    ++writes;
    if (dead() || hits(writes, failWriteAt)) {
        *done = 0;
        return inject(WRITE_ERROR);
    }
    bool shortened = hits(writes, shortWriteAt);
    uint32_t accepted = shortened ? count / 2 : count;
    if (spaceLeft >= 0 && spaceLeft < accepted) {
        accepted = static_cast<uint32_t>(spaceLeft);
    }
    bool ok = HSystem::write(file, data, accepted, done);
    if (spaceLeft >= 0) {
        spaceLeft -= *done;
    }
    if (ok && accepted < count && !shortened) {
        return inject(WRITE_ERROR);  // a full disk takes what fits, then refuses
    }
    return ok;
}

bool FaultySystem::flush(Handle file)
{
    m_injected = 0;
    if (isCreated(file) && dead()) {
        return inject(FLUSH_ERROR);
    }
    bool ok = HSystem::flush(file);
    return isCreated(file) && hits(++flushes, failFlushAt) ? inject(FLUSH_ERROR) : ok;
}

bool FaultySystem::close(Handle file)
{
    m_injected = 0;
    bool created = isCreated(file);
    m_created.erase(file);
    bool ok = HSystem::close(file);
    if (created && dead()) {
        return inject(CLOSE_ERROR);
    }
    return created && hits(++closes, failCloseAt) ? inject(CLOSE_ERROR) : ok;
}

bool FaultySystem::replaceFile(const std::string& source, const std::string& target)
{
    m_injected = 0;
    if (dead() || hits(++replaces, failReplaceAt)) {
        return inject(REPLACE_ERROR);
    }
    bool ok = HSystem::replaceFile(source, target);
    if (ok) {
        replaced.push_back(target);
    }
    return ok;
}

bool FaultySystem::removeFile(const std::string& path)
{
    m_injected = 0;
    if (dead() || hits(++removes, failRemoveAt)) {
        return inject(REMOVE_ERROR);
    }
    return HSystem::removeFile(path);
}

bool FaultySystem::read(Handle file, void* data, uint32_t count, uint32_t* done)
{
    m_injected = 0;
    if (hits(++m_reads, failReadAt)) {
        *done = 0;
        return inject(READ_ERROR);
    }
    return HSystem::read(file, data, count, done);
}

bool FaultySystem::getSize(Handle file, int64_t* size)
{
    m_injected = 0;
    if (reportedSize.has_value()) {
        *size = *reportedSize;
        return true;
    }
    return HSystem::getSize(file, size);
}

uint32_t FaultySystem::getLastError()
{
    return m_injected != 0 ? m_injected : HSystem::getLastError();
}
