#include "framework/base/HFileWriter.h"

#include <cstring>
#include <new>

#include "framework/base/HText.h"

namespace {

// Temporary names tried beside the target: "name.tmp", "name.tmp1", ... A name taken by
// anything (a stale temporary, a folder, a user's file) is skipped, never overwritten.
const int kTemporaryAttempts = 100;

// Reported when a write took no byte yet named no error (the platform's ERROR_WRITE_FAULT).
const uint32_t kWriteFault = 29;

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

bool HFileWriter::isTemporaryOf(const std::string& name, const std::string& target)
{
    std::string stem = target + ".tmp";
    if (name.size() < stem.size() || name.compare(0, stem.size(), stem) != 0) {
        return false;
    }
    // The attempt's number, 1 up to the last attempt's, without a leading zero.
    std::string rest = name.substr(stem.size());
    if (rest.size() > 2 || (!rest.empty() && rest[0] == '0')) {
        return false;
    }
    for (char c : rest) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
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
    // A write may take part of the bytes and succeed; the rest goes in the next call.
    HSystem& system = HSystem::get();
    uint32_t sent = 0;
    bool ok = true;
    while (ok && sent < m_used) {
        uint32_t done = 0;
        ok = system.write(m_handle, m_buffer.get() + sent, m_used - sent, &done) && done > 0;
        sent += ok ? done : 0;
    }
    m_used = 0;
    if (!ok) {
        fail("write");
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
        fail("flush");
        ok = false;
    }
    if (!system.close(m_handle)) {
        uint32_t error = system.getLastError();
        HLOG_INFO(HText::format("open error:%u", error).c_str());
        m_error = ok ? error : m_error;  // the first fault is the one to tell
        ok = false;
    }
    m_handle = nullptr;
    if (ok && !system.replaceFile(m_temporary, m_file.getPath())) {
        m_error = system.getLastError();
        HLOG_INFO(HText::format("replace error:%u", m_error).c_str());
        ok = false;
    }
    if (!ok) {
        removeTemporary();
    }
    return ok;
}

void HFileWriter::fail(const char* operation)
{
    m_error = HSystem::get().getLastError();
    if (m_error == 0) {
        m_error = kWriteFault;
    }
    m_failed = true;
    HLOG_INFO(HText::format("%s error:%u", operation, m_error).c_str());
}

void HFileWriter::removeTemporary()
{
    HSystem& system = HSystem::get();
    if (!system.removeFile(m_temporary)) {
        HLOG_INFO(HText::format("remove error:%u", system.getLastError()).c_str());
        HDebug::debug("temporary=%s", m_temporary.c_str());
    }
    m_temporary.clear();
}

void HFileWriter::abandon()
{
    if (m_handle == nullptr) {
        return;
    }
    HSystem::get().close(m_handle);
    m_handle = nullptr;
    removeTemporary();
}
