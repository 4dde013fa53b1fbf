#include "scenario/ZDFileSet.h"

#include <cstdio>
#include <cstring>

#include "framework/base/HText.h"
#include "scenario/ZDFileStamp.h"

// The block:
//   TESSEL FILES 1 CR LF
//   W <size> <name> CR LF <size bytes> CR LF     one per file to write
//   R <name> CR LF                               one per file to remove
//   E <entries> <FNV-1a 64 of all bytes before this line, 16 hex digits> CR LF
// and nothing after it.

namespace {

const char kHeader[] = "TESSEL FILES 1\r\n";
const size_t kMaxNumber = 10;  // digits of a size or count, well past any scenario file

// Reads a line ending in CR LF at *at; false when there is none.
bool readLine(const char* bytes, size_t size, size_t* at, std::string* line)
{
    const char* start = bytes + *at;
    const void* found = memchr(start, '\r', size - *at);
    if (found == nullptr) {
        return false;
    }
    size_t length = static_cast<size_t>(static_cast<const char*>(found) - start);
    if (*at + length + 1 >= size || start[length + 1] != '\n') {
        return false;
    }
    line->assign(start, length);
    *at += length + 2;
    return true;
}

// Decimal digits only, as toBytes writes them; false for anything else.
bool readNumber(const std::string& text, size_t* value)
{
    if (text.empty() || text.size() > kMaxNumber) {
        return false;
    }
    *value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        *value = *value * 10 + static_cast<size_t>(c - '0');
    }
    return text == std::to_string(*value);
}

}  // namespace

void ZDFileSet::drop(const std::string& name)
{
    for (size_t i = 0; i < m_writes.size(); ++i) {
        if (m_writes[i].name == name) {
            m_writes.erase(m_writes.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    for (size_t i = 0; i < m_removals.size(); ++i) {
        if (m_removals[i] == name) {
            m_removals.erase(m_removals.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
}

void ZDFileSet::write(const std::string& name, const std::string& bytes)
{
    drop(name);
    m_writes.push_back(File{name, bytes});
}

void ZDFileSet::remove(const std::string& name)
{
    drop(name);
    m_removals.push_back(name);
}

bool ZDFileSet::has(const std::string& name) const
{
    for (const std::string& removal : m_removals) {
        if (removal == name) {
            return true;
        }
    }
    return find(name) != nullptr;
}

const ZDFileSet::File* ZDFileSet::find(const std::string& name) const
{
    for (const File& file : m_writes) {
        if (file.name == name) {
            return &file;
        }
    }
    return nullptr;
}

bool ZDFileSet::isPlainName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    for (size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (HText::isDoubleByte(name.data(), name.size(), i)) {
            ++i;  // a trail byte 0x5C is part of the character, not a separator
        } else if (c < 0x20 || c == 0x7F || c == '\\' || c == '/' || c == ':') {
            return false;
        }
    }
    return true;
}

std::string ZDFileSet::toBytes() const
{
    std::string out = kHeader;
    for (const File& file : m_writes) {
        out += "W " + std::to_string(file.bytes.size()) + " " + file.name + "\r\n";
        out += file.bytes;
        out += "\r\n";
    }
    for (const std::string& name : m_removals) {
        out += "R " + name + "\r\n";
    }
    char end[64];
    snprintf(end, sizeof(end), "E %zu %016llx\r\n", getCount(),
             static_cast<unsigned long long>(ZDFileStamp::hash(out)));
    return out + end;
}

bool ZDFileSet::fromBytes(const char* bytes, size_t size, ZDFileSet* set)
{
    *set = ZDFileSet();
    ZDFileSet read;
    size_t at = 0;
    std::string line;
    if (!readLine(bytes, size, &at, &line) || line + "\r\n" != kHeader) {
        return false;
    }
    for (;;) {
        size_t start = at;
        if (!readLine(bytes, size, &at, &line) || line.size() < 2 || line[1] != ' ') {
            return false;
        }
        std::string rest = line.substr(2);
        if (line[0] == 'W') {
            size_t blank = rest.find(' ');
            size_t length = 0;
            if (blank == std::string::npos || !readNumber(rest.substr(0, blank), &length)
                || length > size - at || size - at - length < 2
                || bytes[at + length] != '\r' || bytes[at + length + 1] != '\n') {
                return false;
            }
            std::string name = rest.substr(blank + 1);
            if (!isPlainName(name) || read.has(name)) {
                return false;
            }
            read.m_writes.push_back(File{name, std::string(bytes + at, length)});
            at += length + 2;
        } else if (line[0] == 'R') {
            if (!isPlainName(rest) || read.has(rest)) {
                return false;
            }
            read.m_removals.push_back(rest);
        } else if (line[0] == 'E') {
            char expected[64];
            snprintf(expected, sizeof(expected), "%zu %016llx", read.getCount(),
                     static_cast<unsigned long long>(ZDFileStamp::hash(bytes, start)));
            if (rest != expected || at != size) {
                return false;
            }
            *set = read;
            return true;
        } else {
            return false;
        }
    }
}

bool ZDFileSet::operator==(const ZDFileSet& other) const
{
    if (m_removals != other.m_removals || m_writes.size() != other.m_writes.size()) {
        return false;
    }
    for (size_t i = 0; i < m_writes.size(); ++i) {
        if (m_writes[i].name != other.m_writes[i].name || m_writes[i].bytes != other.m_writes[i].bytes) {
            return false;
        }
    }
    return true;
}
