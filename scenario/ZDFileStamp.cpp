#include "scenario/ZDFileStamp.h"

#include "framework/base/HFileReader.h"

ZDFileStamp::ZDFileStamp(const HSystem::FileInfo& info, const char* bytes, size_t size)
    : m_exists(true), m_size(static_cast<int64_t>(size)), m_writeTime(info.writeTime),
      m_hash(hash(bytes, size))
{
}

uint64_t ZDFileStamp::hash(const void* bytes, size_t size)
{
    const uint8_t* byte = static_cast<const uint8_t*>(bytes);
    uint64_t value = 14695981039346656037ull;
    for (size_t i = 0; i < size; ++i) {
        value = (value ^ byte[i]) * 1099511628211ull;
    }
    return value;
}

bool ZDFileStamp::readFile(const std::string& path, std::string* bytes)
{
    bytes->clear();
    HFileReader reader{HFile(path)};
    if (!reader.read()) {
        return false;
    }
    bytes->assign(reader.getData(), static_cast<size_t>(reader.getSize()));
    return true;
}

bool ZDFileStamp::holds(const std::string& bytes) const
{
    return m_exists && m_size == static_cast<int64_t>(bytes.size()) && m_hash == hash(bytes);
}

bool ZDFileStamp::isCurrent(const std::string& path) const
{
    HSystem::FileInfo info;
    bool there = HSystem::get().getFileInfo(path, &info) && info.type == HSystem::TYPE_FILE;
    if (!there || !m_exists) {
        return there == m_exists;
    }
    if (info.size == m_size && info.writeTime == m_writeTime) {
        return true;
    }
    std::string now;
    return info.size == m_size && readFile(path, &now) && holds(now);
}
