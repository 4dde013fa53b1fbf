#include "tool/TCReadRecorder.h"

TCReadRecorder::TCReadRecorder() : m_previous(HSystem::install(this)) {}

TCReadRecorder::~TCReadRecorder()
{
    HSystem::install(m_previous);
}

HSystem::Handle TCReadRecorder::open(const std::string& path, OpenMode mode, bool* existed)
{
    Handle file = m_previous != nullptr ? m_previous->open(path, mode, existed)
                                        : HSystem::open(path, mode, existed);
    if (file != nullptr && mode == OPEN_READ) {
        m_open[file].path = path;
    }
    return file;
}

bool TCReadRecorder::read(Handle file, void* data, uint32_t count, uint32_t* done)
{
    bool ok = m_previous != nullptr ? m_previous->read(file, data, count, done)
                                    : HSystem::read(file, data, count, done);
    auto reading = m_open.find(file);
    if (reading != m_open.end()) {
        reading->second.failed = reading->second.failed || !ok;
        if (ok) {
            reading->second.bytes.append(static_cast<const char*>(data), *done);
            reading->second.ended = reading->second.ended || *done == 0;
        }
    }
    return ok;
}

bool TCReadRecorder::getSize(Handle file, int64_t* size)
{
    bool ok = m_previous != nullptr ? m_previous->getSize(file, size) : HSystem::getSize(file, size);
    auto reading = m_open.find(file);
    if (reading != m_open.end()) {
        reading->second.size = ok ? *size : -1;
        reading->second.failed = reading->second.failed || !ok;
    }
    return ok;
}

bool TCReadRecorder::close(Handle file)
{
    auto reading = m_open.find(file);
    if (reading != m_open.end()) {
        Reading& r = reading->second;
        bool whole = r.size == static_cast<int64_t>(r.bytes.size()) || (r.ended && r.size >= 0);
        if (!r.failed && whole) {
            m_files[r.path] = std::move(r.bytes);
        } else {
            m_files.erase(r.path);
        }
        m_open.erase(reading);
    }
    return m_previous != nullptr ? m_previous->close(file) : HSystem::close(file);
}

uint32_t TCReadRecorder::getLastError()
{
    return m_previous != nullptr ? m_previous->getLastError() : HSystem::getLastError();
}

std::map<std::string, std::string> TCReadRecorder::takeFiles()
{
    return std::move(m_files);
}
