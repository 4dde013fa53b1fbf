#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Files of one folder by name: the ones to write with their bytes, and the ones to remove.
// What a save changes, and what a recovery copy keeps. It travels as one self-checking block
// of bytes (toBytes, fromBytes), so that a journal or a copy that is not whole is never taken.
class ZDFileSet {
public:
    struct File {
        std::string name;
        std::string bytes;
    };

    // A later write or removal of the same name replaces the earlier one.
    void write(const std::string& name, const std::string& bytes);
    void remove(const std::string& name);

    const std::vector<File>& getWrites() const { return m_writes; }
    const std::vector<std::string>& getRemovals() const { return m_removals; }
    // The write of a name, or nullptr.
    const File* find(const std::string& name) const;
    bool isEmpty() const { return m_writes.empty() && m_removals.empty(); }
    size_t getCount() const { return m_writes.size() + m_removals.size(); }

    std::string toBytes() const;
    // Replaces set with the set that toBytes wrote into bytes. False, leaving set empty, for
    // anything else: a cut or altered block, or a name that is not a plain file name.
    static bool fromBytes(const char* bytes, size_t size, ZDFileSet* set);
    // A name that stays inside its folder: not empty, not "." or "..", without separators,
    // drive colons or control characters.
    static bool isPlainName(const std::string& name);

    bool operator==(const ZDFileSet& other) const;
    bool operator!=(const ZDFileSet& other) const { return !(*this == other); }

private:
    bool has(const std::string& name) const;
    void drop(const std::string& name);

    std::vector<File> m_writes;
    std::vector<std::string> m_removals;
};
