#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/HFile.h"

// One area of a scenario: one line of its AreaData file.
//
// A line has 19 blank-separated fields: the name, nine values (the third to fifth are the
// city, wall and road counts of the area's battle map), eight group links (the area each
// placement group leads to, 0 for none) and the music name.
//
// Hands and other tools put lines into the file that the columns cannot carry (a NUL byte,
// more than 19 fields, numbers with other characters, a name closed by a blank). Such a line
// is kept with the record, so that it moves with the area, and a save writes it as it was
// for as long as the record still holds what that line reads as.
class ZDArea {
public:
    static constexpr int VALUES = 9;
    static constexpr int LINKS = 8;
    static constexpr int FIELDS = 1 + VALUES + LINKS + 1;

    // Why the columns cannot carry a line (OR of the bits).
    enum LineFault {
        FAULT_NUL = 0x1,     // a NUL byte
        FAULT_FIELDS = 0x2,  // more than 19 fields: the rest is not read
        FAULT_NUMBER = 0x4,  // a value or link that is not a plain number in range
        FAULT_TEXT = 0x8,    // a name closed by a blank, which the columns would not keep
    };

    ZDArea() = default;
    virtual ~ZDArea() = default;
    ZDArea(const ZDArea&) = default;
    ZDArea& operator=(const ZDArea&) = default;

    // Splits text (all of it: a NUL byte is line content) into lines and appends one record
    // per area line, numbered from 1, until a terminator line; returns the number appended,
    // or -1 without text or list. end, when given, receives the terminator line and
    // everything after it byte for byte, or nothing when the text has no terminator line.
    static int parseList(const std::string& text, std::vector<std::unique_ptr<ZDArea>>* list,
                         const HFile& file, std::string* end = nullptr);
    // The bytes of an area list: each record's line ended by CR LF, then end (the terminator
    // line and what followed it, as parseList gave it) or, when end is empty, the terminator.
    static std::string formatList(const std::vector<const ZDArea*>& areas, const std::string& end);
    // True when the terminator line "END", or "End" as this system writes it.
    static bool isTerminator(const std::string& line);
    // The terminator the writer puts after the last line when the list read had none.
    static const char* const TERMINATOR;
    // The fields of a line as the reader takes them (see the .cpp for trailing blanks).
    static std::vector<std::string> splitFields(const std::string& line);
    // True for the text of a value the columns write back as read: an optional minus and
    // decimal digits of a 32-bit value; blanks at its end and a field of blanks alone pass.
    static bool isPlainNumber(const std::string& field);

    bool parseLine(const std::string& line, const HFile& file, int32_t number);
    // The line as a save writes it, without line end and of any length: the line as read
    // while keepsRawLine(), the fields in their columns otherwise.
    std::string formatLine() const;
    // The fields in their columns.
    std::string formatColumns() const;

    // The line as read when the columns cannot carry it; empty otherwise.
    const std::string& getRawLine() const { return m_raw; }
    // The LineFault bits of the raw line; 0 without one.
    int getLineFaults() const { return m_faults; }
    // True when there is a raw line and the fields still read as it does.
    bool keepsRawLine() const;

    const HFile& getFile() const { return m_file; }
    void setFile(const HFile& file) { m_file = file; }
    int32_t getNumber() const { return m_number; }
    void setNumber(int32_t number) { m_number = number; }
    const std::string& getName() const { return m_fields.name; }
    void setName(const std::string& name) { m_fields.name = name; }
    // Values 1..9 as they stand in fields 2..10; 0 for any other index.
    int32_t getValue(int index) const;
    void setValue(int index, int32_t value);
    int32_t getCityCount() const { return m_fields.values[2]; }
    int32_t getWallCount() const { return m_fields.values[3]; }
    int32_t getRoadCount() const { return m_fields.values[4]; }
    void setCityCount(int32_t count) { m_fields.values[2] = count; }
    void setWallCount(int32_t count) { m_fields.values[3] = count; }
    void setRoadCount(int32_t count) { m_fields.values[4] = count; }
    // Link of placement group index 0..7; 0 for any other index, which a setter ignores.
    int32_t getLink(int index) const;
    void setLink(int index, int32_t area);
    const std::string& getMusic() const { return m_fields.music; }
    void setMusic(const std::string& music) { m_fields.music = music; }

    // Takes the name, values, links and music of other; number, file and raw line stay.
    void setFields(const ZDArea& other);

    // Same number, name, values, links and music (the file is not compared).
    bool sameRecord(const ZDArea& other) const;
    // Same name, values, links and music: what the line holds (number and file are not).
    bool sameFields(const ZDArea& other) const;

private:
    // What a line holds.
    struct Fields {
        std::string name;
        int32_t values[VALUES] = {};
        int32_t links[LINKS] = {};
        std::string music;
        bool operator==(const Fields& other) const;
    };

    // Takes the fields of the split line into the record.
    void readFields(const std::vector<std::string>& fields);
    int faultsOf(const std::string& line, const std::vector<std::string>& fields) const;

    HFile m_file;
    int32_t m_number = 0;
    Fields m_fields;
    std::string m_raw;
    int m_faults = 0;
    Fields m_rawFields;  // what the raw line reads as; empty without one
};
