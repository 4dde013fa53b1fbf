#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "framework/base/HFile.h"
#include "framework/base/HObject.h"

// A settings file of "key=value" lines whose values are comma-separated lists. A line without
// "=" continues the previous value; there are no comments, sections or escapes.
class HProperties : public HObject {
public:
    HProperties();
    ~HProperties() override;

    // Adds the file's entries to those already held.
    bool load(const HFile& file);
    // Adds the entries of text (zero-terminated: what follows a zero byte is not read).
    void parse(const char* text);
    void clear();
    // Splits value at "," into trimmed items, appends them and returns the list's new length.
    size_t append(const std::string& key, const std::string& value);
    size_t getCount(const std::string& key) const;
    std::string getString(const std::string& key, size_t index) const;
    int32_t getInt(const std::string& key, size_t index) const;
    // Dumps the entries to the debug channel when a file is set.
    std::string toString() const override;

private:
    const std::string* find(const std::string& key, size_t index) const;

    HFile m_file;
    std::map<std::string, std::vector<std::string>> m_entries;
};
