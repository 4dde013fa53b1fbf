#include "framework/HFileWriter.h"

#include <cstring>
#include <new>

#include "framework/HText.h"

namespace {

// Temporary names tried beside the target: "name.tmp", "name.tmp1", ... A name taken by
// anything (a stale temporary, a folder, a user's file) is skipped, never overwritten.
const int kTemporaryAttempts = 100;

}  // namespace

HFileWriter::HFileWriter(const HFile& file) : m_file(file)
{
    setClassName("HFileWriter");
}

HFileWriter::~HFileWriter()
{
    abandon();
}

bool HFileWriter::setBufferSize(uint32_t bytes)
{
    if (bytes == 0) {
        return true;
    }
    flush();
    m_buffer.reset(new (std::nothrow) char[bytes]);
    m_capacity = m_buffer != nullptr ? bytes : 0;
    return m_buffer != nullptr;
}

bool HFileWriter::open()
{
    if (m_handle != nullptr) {
        HLOG_INFO("open error:file is not closed.");
        return false;
    }
    if (m_buffer == nullptr) {
        m_buffer.reset(new (std::nothrow) char[m_capacity]);
        if (m_buffer == nullptr) {
            m_capacity = 0;
            return false;
        }
    }
    m_used = 0;
    m_failed = false;
    if (!openTemporary()) {
        HLOG_INFO(HText::format("open error:%u", m_error).c_str());
        return false;
    }
    return true;
}

bool HFileWriter::openTemporary()
{
    HSystem& system = HSystem::get();
    std::string base = m_file.getPath() + ".tmp";
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        std::string name = attempt == 0 ? base : base + std::to_string(attempt);
        m_handle = system.open(name, HSystem::OPEN_CREATE_NEW, nullptr);
        if (m_handle != nullptr) {
            m_temporary = name;
            return true;
        }
        m_error = system.getLastError();
        if (system.getType(name) == HSystem::TYPE_NONE) {
            return false;  // not a name clash: the folder itself refuses
        }
    }
    return false;
}

bool HFileWriter::write(const void* bytes, uint32_t count)
{
    if (m_handle == nullptr || m_buffer == nullptr || m_failed) {
        return false;
    }
    const char* source = static_cast<const char*>(bytes);
    if (count <= m_capacity - m_used) {
        memcpy(m_buffer.get() + m_used, source, count);
        m_used += count;
        return true;
    }
    bool ok = flush();
    while (ok && count > m_capacity) {
        memcpy(m_buffer.get(), source, m_capacity);
        m_used = m_capacity;
        source += m_capacity;
        count -= m_capacity;
        ok = flush();
    }
    if (ok) {
        memcpy(m_buffer.get(), source, count);
        m_used = count;
    }
    return ok;
}

bool HFileWriter::flush()
{
    if (m_handle == nullptr) {
        return false;
    }
    if (m_used == 0) {
        return !m_failed;
    }
    uint32_t done = 0;
    bool ok = HSystem::get().write(m_handle, m_buffer.get(), m_used, &done) && done == m_used;
    m_used = 0;
    if (!ok) {
        fail();
    }
    return ok;
}

bool HFileWriter::close()
{
    if (m_handle == nullptr) {
        return false;
    }
    HSystem& system = HSystem::get();
    bool ok = flush();
    if (ok && !system.flush(m_handle)) {
        fail();
        ok = false;
    }
    if (!system.close(m_handle)) {
        m_error = system.getLastError();
        HLOG_INFO(HText::format("open error:%u", m_error).c_str());
        ok = false;
    }
    m_handle = nullptr;
    if (ok && !system.replaceFile(m_temporary, m_file.getPath())) {
        m_error = system.getLastError();
        HLOG_INFO(HText::format("replace error:%u", m_error).c_str());
        ok = false;
    }
    if (!ok) {
        system.removeFile(m_temporary);
    }
    m_temporary.clear();
    return ok;
}

void HFileWriter::fail()
{
    m_error = HSystem::get().getLastError();
    m_failed = true;
}

void HFileWriter::abandon()
{
    if (m_handle == nullptr) {
        return;
    }
    HSystem& system = HSystem::get();
    system.close(m_handle);
    m_handle = nullptr;
    system.removeFile(m_temporary);
    m_temporary.clear();
}
