#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Byte-level helpers for the Shift-JIS text the whole system carries in narrow strings.
class HText {
public:
    // A lead byte 0x81..0x9F or 0xE0..0xEF followed by a trail byte 0x40..0x7E or 0x80..0xFC
    // is one double-byte character, so a trail byte 0x5C is never a backslash.
    static bool isLeadByte(uint8_t byte);
    static bool isTrailByte(uint8_t byte);
    // True when the bytes at text[i] and text[i + 1] (i + 1 < length) form one character.
    static bool isDoubleByte(const char* text, size_t length, size_t i);

    // The system's text-to-integer rule: every decimal digit counts in order, everything else
    // is skipped, a minus sign as the very first character negates. The value wraps modulo
    // 2^32 like the digit weighting it stands for.
    static int32_t toInt(const char* text);
    static int32_t toInt(const std::string& text) { return toInt(text.c_str()); }

    // printf into a std::string (the formats the log uses: %s %d %u %X with widths).
    static std::string format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 1, 2)))
#endif
        ;

    // The text cut to at most limit bytes without splitting a double-byte character.
    static std::string cut(const std::string& text, size_t limit);
    // The ASCII letters a-z in upper case, as Windows compares names; double-byte characters
    // (whose trail byte may look like a letter) and half-width katakana stay as they are.
    static std::string asciiUpper(const std::string& text);

    // An address as upper-case hexadecimal without leading zeros, all 64 bits of it.
    static std::string address(const void* pointer);
};
