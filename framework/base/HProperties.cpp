#include "framework/base/HProperties.h"

#include "framework/base/HFileReader.h"
#include "framework/base/HLineReader.h"
#include "framework/base/HText.h"

namespace {

std::string trimBlanks(const std::string& text)
{
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

}  // namespace

HProperties::HProperties()
{
    setClassName("HProperties");
}

HProperties::~HProperties()
{
    clear();
}

bool HProperties::load(const HFile& file)
{
    HLOG_START("load");
    m_file = file;
    if (!file.exists()) {
        HLOG_INFO(("file is not exists:" + file.getFullPath()).c_str());
        return false;
    }
    HFileReader reader(file);
    if (!reader.read()) {
        HLOG_INFO(("file read error:" + file.getFullPath()).c_str());
        return false;
    }
    parse(reader.getData());
    HLOG_END("load");
    return true;
}

void HProperties::parse(const char* text)
{
    std::string key;
    std::string value;
    HLineReader lines(text, false, false);
    while (lines.hasNext()) {
        std::string line = lines.next();
        size_t equals = line.find('=');
        if (equals == std::string::npos) {
            value += "\r\n" + line;
            continue;
        }
        if (!key.empty()) {
            append(key, value);
        }
        key = trimBlanks(line.substr(0, equals));
        value = line.substr(equals + 1);
    }
    if (!key.empty()) {
        append(key, value);
    }
}

void HProperties::clear()
{
    m_file = HFile();
    m_entries.clear();
}

size_t HProperties::append(const std::string& key, const std::string& value)
{
    if (key.empty()) {
        HLOG_INFO("append:empty key");
        debug("getString:key=%s", key.c_str());
        return 0;
    }
    std::vector<std::string>& items = m_entries[key];
    size_t start = 0;
    for (;;) {
        size_t comma = value.find(',', start);
        items.push_back(trimBlanks(value.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return items.size();
}

size_t HProperties::getCount(const std::string& key) const
{
    auto entry = m_entries.find(key);
    return entry != m_entries.end() ? entry->second.size() : 0;
}

const std::string* HProperties::find(const std::string& key, size_t index) const
{
    auto entry = m_entries.find(key);
    if (entry == m_entries.end()) {
        return nullptr;
    }
    if (index >= entry->second.size()) {
        HLOG_INFO("getString:out of index");
        debug("getString:key=%s index=%u", key.c_str(), static_cast<unsigned>(index));
        return nullptr;
    }
    return &entry->second[index];
}

std::string HProperties::getString(const std::string& key, size_t index) const
{
    const std::string* item = find(key, index);
    return item != nullptr ? *item : std::string();
}

int32_t HProperties::getInt(const std::string& key, size_t index) const
{
    const std::string* item = find(key, index);
    return item != nullptr ? HText::toInt(*item) : 0;
}

std::string HProperties::toString() const
{
    if (!m_file.isEmpty()) {
        debug("HProperties:%s", m_file.getFullPath().c_str());
        debug("<prpt>");
        for (const auto& entry : m_entries) {
            std::string items = "{";
            for (size_t i = 0; i < entry.second.size(); ++i) {
                items += (i > 0 ? "," : "") + entry.second[i];
            }
            items += "}";
            debug("%s=%s", entry.first.c_str(), items.c_str());
        }
        debug("</prpt>");
    }
    return HObject::toString();
}
