#include "framework/base/HLineReader.h"

#include <cstring>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

HLineReader::HLineReader(const char* text, bool skipEmpty, bool trim)
    : m_text(text), m_length(text != nullptr ? strlen(text) : 0), m_skipEmpty(skipEmpty), m_trim(trim)
{
    scan();
}

std::string HLineReader::next()
{
    std::string line = m_line;
    scan();
    return line;
}

void HLineReader::scan()
{
    m_hasLine = false;
    size_t first = m_position;    // first non-blank of the line
    size_t trimmedEnd = m_position;
    bool seen = false;            // a non-blank was seen on this line
    bool fixed = false;           // the trimmed end stays unless a non-blank follows
    for (size_t i = m_position; i < m_length; ++i) {
        char c = m_text[i];
        bool lineEnd = false;
        size_t rawEnd = i;
        if (isBlank(c)) {
            fixed = seen;
            trimmedEnd = i;
        } else if (c == '\n' || c == '\r') {
            lineEnd = true;
            if (!fixed) {
                trimmedEnd = i;
            }
            fixed = true;
        } else {
            if (!seen) {
                first = i;
            }
            seen = true;
            fixed = false;
        }
        // The text's last character ends the line too; it belongs to it unless it is a break.
        if (!lineEnd && i + 1 == m_length) {
            lineEnd = true;
            rawEnd = i + 1;
            if (!fixed) {
                trimmedEnd = i + 1;
            }
        }
        if (!lineEnd) {
            continue;
        }
        if (m_trim) {
            m_line.assign(m_text + first, trimmedEnd > first ? trimmedEnd - first : 0);
        } else {
            m_line.assign(m_text + m_position, rawEnd - m_position);
        }
        m_position = (c == '\r' && i + 1 < m_length && m_text[i + 1] == '\n') ? i + 2 : i + 1;
        if (!m_line.empty() || !m_skipEmpty) {
            m_hasLine = true;
            return;
        }
        first = m_position;
        trimmedEnd = m_position;
        seen = false;
        fixed = false;
        i = m_position - 1;  // a CR LF break is two characters
    }
    m_position = m_length;
}
