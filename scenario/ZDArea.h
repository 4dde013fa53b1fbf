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
class ZDArea {
public:
    static constexpr int VALUES = 9;
    static constexpr int LINKS = 8;

    ZDArea() = default;
    virtual ~ZDArea() = default;
    ZDArea(const ZDArea&) = default;
    ZDArea& operator=(const ZDArea&) = default;

    // Splits text into lines and appends one record per area line, numbered from 1, until a
    // terminator line; returns the number appended, or -1 without text or list.
    static int parseList(const char* text, std::vector<std::unique_ptr<ZDArea>>* list,
                         const HFile& file);
    // True when the terminator line "END", or "End" as this system writes it.
    static bool isTerminator(const std::string& line);
    // The terminator the writer puts after the last line.
    static const char* const TERMINATOR;

    bool parseLine(const std::string& line, const HFile& file, int32_t number);
    // Writes the line, without line end, into buffer (cut to fit size, always terminated).
    void formatLine(char* buffer, size_t size) const;

    const HFile& getFile() const { return m_file; }
    void setFile(const HFile& file) { m_file = file; }
    int32_t getNumber() const { return m_number; }
    void setNumber(int32_t number) { m_number = number; }
    const std::string& getName() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }
    // Values 1..9 as they stand in fields 2..10; 0 for any other index.
    int32_t getValue(int index) const;
    void setValue(int index, int32_t value);
    int32_t getCityCount() const { return m_values[2]; }
    int32_t getWallCount() const { return m_values[3]; }
    int32_t getRoadCount() const { return m_values[4]; }
    void setCityCount(int32_t count) { m_values[2] = count; }
    void setWallCount(int32_t count) { m_values[3] = count; }
    void setRoadCount(int32_t count) { m_values[4] = count; }
    // Link of placement group index 0..7; 0 for any other index, which a setter ignores.
    int32_t getLink(int index) const;
    void setLink(int index, int32_t area);
    const std::string& getMusic() const { return m_music; }
    void setMusic(const std::string& music) { m_music = music; }

    // Same number, name, values, links and music (the file is not compared).
    bool sameRecord(const ZDArea& other) const;

private:
    HFile m_file;
    int32_t m_number = 0;
    std::string m_name;
    int32_t m_values[VALUES] = {};
    int32_t m_links[LINKS] = {};
    std::string m_music;
};
