#pragma once

#include <cstddef>
#include <string>

// Splits a zero-terminated text into lines at CR LF, LF or CR, optionally skipping empty lines
// and trimming blanks. The text is not owned and must outlive the reader.
class HLineReader {
public:
    HLineReader(const char* text, bool skipEmpty, bool trim);
    virtual ~HLineReader() = default;

    bool hasNext() const { return m_hasLine; }
    // The current line; the reader then moves on to the following one.
    std::string next();

private:
    void scan();

    const char* m_text;
    size_t m_length;
    bool m_skipEmpty;
    bool m_trim;
    bool m_hasLine = false;
    size_t m_position = 0;
    std::string m_line;
};
