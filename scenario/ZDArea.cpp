#include "scenario/ZDArea.h"

#include <cstdio>
#include <cstring>

#include "framework/base/HDebug.h"
#include "framework/base/HText.h"

const char* const ZDArea::TERMINATOR = "End";

namespace {

const int kNameField = 0;
const int kFirstValueField = 1;
const int kFirstLinkField = kFirstValueField + ZDArea::VALUES;
const int kMusicField = kFirstLinkField + ZDArea::LINKS;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Fields are the runs of non-blanks. Blanks closing the line are kept in the form the files
// have always been read with: a single one stays on the last field, two or more give one
// more field holding one blank.
std::vector<std::string> splitFields(const std::string& line)
{
    std::vector<std::string> fields;
    size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        size_t start = i;
        while (i < line.size() && !isBlank(line[i])) {
            ++i;
        }
        fields.push_back(line.substr(start, i - start));
    }
    size_t last = line.find_last_not_of(" \t");
    if (fields.empty() || last == std::string::npos || last + 1 == line.size()) {
        return fields;
    }
    size_t trailing = line.size() - last - 1;
    if (trailing == 1) {
        fields.back() += line.back();
    } else {
        fields.push_back(std::string(1, line.back()));
    }
    return fields;
}

}  // namespace

bool ZDArea::isTerminator(const std::string& line)
{
    return line == "END" || line == TERMINATOR;
}

int ZDArea::parseList(const char* text, std::vector<std::unique_ptr<ZDArea>>* list,
                      const HFile& file)
{
    if (text == nullptr || *text == '\0' || list == nullptr) {
        return -1;
    }
    size_t length = strlen(text);
    int appended = 0;
    size_t start = 0;
    while (start < length) {
        size_t end = start;
        while (end < length && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        size_t next = end + 1;
        if (end < length && text[end] == '\r' && end + 1 < length && text[end + 1] == '\n') {
            next = end + 2;
        }
        if (end > start) {
            std::string line(text + start, end - start);
            HDebug::debug("area:%d(%d,%d)%s", static_cast<int>(line.size()),
                          static_cast<int>(start), static_cast<int>(end), line.c_str());
            if (isTerminator(line)) {
                break;
            }
            std::unique_ptr<ZDArea> area(new ZDArea);
            if (area->parseLine(line, file, appended + 1)) {
                list->push_back(std::move(area));
                ++appended;
            }
        }
        start = next;
    }
    return appended;
}

bool ZDArea::parseLine(const std::string& line, const HFile& file, int32_t number)
{
    if (line.empty() || isTerminator(line)) {
        return false;
    }
    m_file = file;
    m_number = number;
    std::vector<std::string> fields = splitFields(line);
    for (size_t i = 0; i < fields.size() && i <= static_cast<size_t>(kMusicField); ++i) {
        int field = static_cast<int>(i);
        if (field == kNameField) {
            m_name = fields[i];
        } else if (field < kFirstLinkField) {
            m_values[field - kFirstValueField] = HText::toInt(fields[i]);
        } else if (field < kMusicField) {
            m_links[field - kFirstLinkField] = HText::toInt(fields[i]);
        } else {
            m_music = fields[i];
        }
    }
    return !fields.empty();
}

void ZDArea::formatLine(char* buffer, size_t size) const
{
    if (buffer == nullptr || size == 0) {
        return;
    }
    // The counts stand as two-digit text right-aligned in three columns.
    char counts[3][16];
    for (int i = 0; i < 3; ++i) {
        snprintf(counts[i], sizeof(counts[i]), "%02d", m_values[2 + i]);
    }
    snprintf(buffer, size,
             "%-18s %02d %02d %3s %3s %3s %3d %3d  %4d %4d  %02d %02d %02d %02d %02d %02d %02d %02d %s",
             m_name.c_str(), m_values[0], m_values[1], counts[0], counts[1], counts[2], m_values[5],
             m_values[6], m_values[7], m_values[8], m_links[0], m_links[1], m_links[2], m_links[3],
             m_links[4], m_links[5], m_links[6], m_links[7], m_music.c_str());
}

int32_t ZDArea::getValue(int index) const
{
    return index >= 1 && index <= VALUES ? m_values[index - 1] : 0;
}

void ZDArea::setValue(int index, int32_t value)
{
    if (index >= 1 && index <= VALUES) {
        m_values[index - 1] = value;
    }
}

int32_t ZDArea::getLink(int index) const
{
    return index >= 0 && index < LINKS ? m_links[index] : 0;
}

void ZDArea::setLink(int index, int32_t area)
{
    if (index >= 0 && index < LINKS) {
        m_links[index] = area;
    }
}

bool ZDArea::sameRecord(const ZDArea& other) const
{
    return m_number == other.m_number && m_name == other.m_name && m_music == other.m_music
        && memcmp(m_values, other.m_values, sizeof(m_values)) == 0
        && memcmp(m_links, other.m_links, sizeof(m_links)) == 0;
}
