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

}  // namespace

// Fields are the runs of non-blanks. Blanks closing the line are kept in the form the files
// have always been read with: a single one stays on the last field, two or more give one
// more field holding one blank.
std::vector<std::string> ZDArea::splitFields(const std::string& line)
{
    std::vector<std::string> fields;
    fields.reserve(FIELDS + 1);
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

bool ZDArea::isPlainNumber(const std::string& field)
{
    size_t end = field.find_last_not_of(" \t");
    if (end == std::string::npos) {
        return true;  // the blank field of trailing blanks: 0, as a missing field
    }
    size_t i = field[0] == '-' ? 1 : 0;
    if (i > end) {
        return false;
    }
    int64_t value = 0;
    for (; i <= end; ++i) {
        if (field[i] < '0' || field[i] > '9') {
            return false;
        }
        value = value * 10 + (field[i] - '0');
        if (value > int64_t{INT32_MAX} + 1) {
            return false;
        }
    }
    return field[0] == '-' || value <= INT32_MAX;
}

bool ZDArea::isTerminator(const std::string& line)
{
    return line == "END" || line == TERMINATOR;
}

int ZDArea::parseList(const std::string& text, std::vector<std::unique_ptr<ZDArea>>* list,
                      const HFile& file, std::string* end)
{
    if (end != nullptr) {
        end->clear();
    }
    if (text.empty() || list == nullptr) {
        return -1;
    }
    const size_t length = text.size();
    int appended = 0;
    size_t start = 0;
    while (start < length) {
        size_t stop = start;
        while (stop < length && text[stop] != '\r' && text[stop] != '\n') {
            ++stop;
        }
        size_t next = stop + 1;
        if (stop < length && text[stop] == '\r' && stop + 1 < length && text[stop + 1] == '\n') {
            next = stop + 2;
        }
        if (stop > start) {
            std::string line = text.substr(start, stop - start);
            HDebug::debug("area:%d(%d,%d)%s", static_cast<int>(line.size()),
                          static_cast<int>(start), static_cast<int>(stop), line.c_str());
            if (isTerminator(line)) {
                if (end != nullptr) {
                    end->assign(text, start, std::string::npos);
                }
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

std::string ZDArea::formatList(const std::vector<const ZDArea*>& areas, const std::string& end)
{
    std::string text;
    for (const ZDArea* area : areas) {
        std::string line = area->formatLine();
        HDebug::debug("outLine:%s", line.c_str());
        text += line + "\r\n";
    }
    return text + (end.empty() ? std::string(TERMINATOR) : end);
}

void ZDArea::readFields(const std::vector<std::string>& fields)
{
    for (size_t i = 0; i < fields.size() && i <= static_cast<size_t>(kMusicField); ++i) {
        int field = static_cast<int>(i);
        if (field == kNameField) {
            m_fields.name = fields[i];
        } else if (field < kFirstLinkField) {
            m_fields.values[field - kFirstValueField] = HText::toInt(fields[i]);
        } else if (field < kMusicField) {
            m_fields.links[field - kFirstLinkField] = HText::toInt(fields[i]);
        } else {
            m_fields.music = fields[i];
        }
    }
}

bool ZDArea::parseLine(const std::string& line, const HFile& file, int32_t number)
{
    if (line.empty() || isTerminator(line)) {
        return false;
    }
    m_file = file;
    m_number = number;
    std::vector<std::string> fields = splitFields(line);
    readFields(fields);
    m_faults = faultsOf(line, fields);
    m_raw = m_faults != 0 ? line : std::string();
    m_rawFields = m_faults != 0 ? m_fields : Fields();
    return !fields.empty();
}

// Numbers come back from the columns as they were read; a name comes back the same unless a
// blank closing the line stayed on it; the music always does (a blank closing the line stays
// on it in the columns too).
int ZDArea::faultsOf(const std::string& line, const std::vector<std::string>& fields) const
{
    int faults = 0;
    if (line.find('\0') != std::string::npos) {
        faults |= FAULT_NUL;
    }
    if (fields.size() > static_cast<size_t>(FIELDS)) {
        faults |= FAULT_FIELDS;
    }
    for (size_t i = kFirstValueField; i < fields.size() && i < static_cast<size_t>(kMusicField); ++i) {
        if (!isPlainNumber(fields[i])) {
            faults |= FAULT_NUMBER;
        }
    }
    if (m_fields.name.find_first_of(" \t") != std::string::npos) {
        faults |= FAULT_TEXT;
    }
    return faults;
}

bool ZDArea::keepsRawLine() const
{
    return !m_raw.empty() && m_rawFields == m_fields;
}

std::string ZDArea::formatLine() const
{
    return keepsRawLine() ? m_raw : formatColumns();
}

// "%-18s %02d %02d %3s %3s %3s %3d %3d  %4d %4d  %02d %02d %02d %02d %02d %02d %02d %02d %s",
// where the counts stand as two-digit text right-aligned in three columns. Name and music are
// joined as they are, so that no length and no byte of theirs is lost.
std::string ZDArea::formatColumns() const
{
    char counts[3][16];
    for (int i = 0; i < 3; ++i) {
        snprintf(counts[i], sizeof(counts[i]), "%02d", m_fields.values[2 + i]);
    }
    char numbers[256];
    const int32_t* v = m_fields.values;
    const int32_t* l = m_fields.links;
    snprintf(numbers, sizeof(numbers),
             " %02d %02d %3s %3s %3s %3d %3d  %4d %4d  %02d %02d %02d %02d %02d %02d %02d %02d ",
             v[0], v[1], counts[0], counts[1], counts[2], v[5], v[6], v[7], v[8], l[0], l[1], l[2],
             l[3], l[4], l[5], l[6], l[7]);
    std::string line = m_fields.name;
    if (line.size() < 18) {
        line.append(18 - line.size(), ' ');
    }
    return line + numbers + m_fields.music;
}

int32_t ZDArea::getValue(int index) const
{
    return index >= 1 && index <= VALUES ? m_fields.values[index - 1] : 0;
}

void ZDArea::setValue(int index, int32_t value)
{
    if (index >= 1 && index <= VALUES) {
        m_fields.values[index - 1] = value;
    }
}

int32_t ZDArea::getLink(int index) const
{
    return index >= 0 && index < LINKS ? m_fields.links[index] : 0;
}

void ZDArea::setLink(int index, int32_t area)
{
    if (index >= 0 && index < LINKS) {
        m_fields.links[index] = area;
    }
}

void ZDArea::setFields(const ZDArea& other)
{
    m_fields = other.m_fields;
}

bool ZDArea::Fields::operator==(const Fields& other) const
{
    return name == other.name && music == other.music && memcmp(values, other.values, sizeof(values)) == 0
           && memcmp(links, other.links, sizeof(links)) == 0;
}

bool ZDArea::sameFields(const ZDArea& other) const
{
    return m_fields == other.m_fields;
}

bool ZDArea::sameRecord(const ZDArea& other) const
{
    return m_number == other.m_number && sameFields(other);
}
