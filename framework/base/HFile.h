#pragma once

#include <string>

// A path value: a directory and a name joined with "\". Copied freely.
class HFile {
public:
    enum Type { TYPE_NONE = 0, TYPE_FILE = 1, TYPE_DIRECTORY = 2 };

    HFile() = default;
    explicit HFile(const std::string& path);
    HFile(const std::string& directory, const std::string& name);
    virtual ~HFile() = default;
    HFile(const HFile&) = default;
    HFile& operator=(const HFile&) = default;

    // Splits at the last backslash that is not the second byte of a Shift-JIS character;
    // without one the directory is ".".
    void setPath(const std::string& path);
    // Empty for an empty file, otherwise directory + "\" + name.
    std::string getPath() const;
    std::string getFullPath() const;
    const std::string& getDirectory() const { return m_directory; }
    const std::string& getName() const { return m_name; }
    bool isEmpty() const { return m_directory.empty() && m_name.empty(); }
    Type getType() const;
    bool exists() const { return getType() != TYPE_NONE; }
    void makeDirectory() const;
    // The folder holding this file, from its full path; empty when there is none.
    HFile getParent() const;

private:
    std::string m_directory;
    std::string m_name;
};
