#include "framework/base/HFile.h"

#include "framework/base/HSystem.h"
#include "framework/base/HText.h"

namespace {

// Index of the last real separator in path, or npos.
size_t lastSeparator(const std::string& path)
{
    size_t found = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        if (HText::isDoubleByte(path.data(), path.size(), i)) {
            ++i;
        } else if (path[i] == '\\') {
            found = i;
        }
    }
    return found;
}

}  // namespace

HFile::HFile(const std::string& path)
{
    setPath(path);
}

HFile::HFile(const std::string& directory, const std::string& name)
    : m_directory(directory), m_name(name)
{
}

void HFile::setPath(const std::string& path)
{
    if (path.empty()) {
        m_directory.clear();
        m_name.clear();
        return;
    }
    size_t separator = lastSeparator(path);
    if (separator == std::string::npos) {
        m_directory = ".";
        m_name = path;
    } else {
        m_directory = path.substr(0, separator);
        m_name = path.substr(separator + 1);
    }
}

std::string HFile::getPath() const
{
    if (isEmpty()) {
        return std::string();
    }
    return m_directory + "\\" + m_name;
}

std::string HFile::getFullPath() const
{
    return HSystem::get().getFullPath(getPath());
}

HFile::Type HFile::getType() const
{
    if (m_directory.empty() || m_name.empty()) {
        return TYPE_NONE;
    }
    return static_cast<Type>(HSystem::get().getType(getPath()));
}

void HFile::makeDirectory() const
{
    HSystem::get().makeDirectory(getPath());
}

HFile HFile::getParent() const
{
    if (isEmpty()) {
        return HFile();
    }
    std::string full = getFullPath();
    size_t separator = lastSeparator(full);
    if (separator == std::string::npos) {
        return HFile();
    }
    return HFile(full.substr(0, separator));
}
