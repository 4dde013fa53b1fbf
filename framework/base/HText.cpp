#include "framework/base/HText.h"

#include <cstdarg>
#include <cstdio>

bool HText::isLeadByte(uint8_t byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xEF);
}

bool HText::isTrailByte(uint8_t byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool HText::isDoubleByte(const char* text, size_t length, size_t i)
{
    return i + 1 < length && isLeadByte(static_cast<uint8_t>(text[i]))
        && isTrailByte(static_cast<uint8_t>(text[i + 1]));
}

int32_t HText::toInt(const char* text)
{
    if (text == nullptr) {
        return 0;
    }
    // Unsigned arithmetic wraps without undefined behaviour; Horner's scheme modulo 2^32
    // equals weighting the digits from the right by 1, 10, 100, ...
    uint32_t value = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p >= '0' && *p <= '9') {
            value = value * 10u + static_cast<uint32_t>(*p - '0');
        }
    }
    if (text[0] == '-') {
        value = 0u - value;
    }
    return static_cast<int32_t>(value);
}

std::string HText::format(const char* format, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, format);
    int length = vsnprintf(buffer, sizeof(buffer), format, args);
    va_end(args);
    if (length < 0) {
        return std::string();
    }
    if (static_cast<size_t>(length) < sizeof(buffer)) {
        return std::string(buffer, static_cast<size_t>(length));
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    va_start(args, format);
    vsnprintf(&text[0], text.size(), format, args);
    va_end(args);
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string HText::address(const void* pointer)
{
    return format("%llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(pointer)));
}

std::string HText::cut(const std::string& text, size_t limit)
{
    size_t length = 0;
    while (length < text.size()) {
        size_t step = isDoubleByte(text.data(), text.size(), length) ? 2 : 1;
        if (length + step > limit) {
            break;
        }
        length += step;
    }
    return text.substr(0, length);
}

std::string HText::asciiUpper(const std::string& text)
{
    std::string upper = text;
    for (size_t i = 0; i < upper.size(); ++i) {
        if (isDoubleByte(upper.data(), upper.size(), i)) {
            ++i;
        } else if (upper[i] >= 'a' && upper[i] <= 'z') {
            upper[i] = static_cast<char>(upper[i] - 'a' + 'A');
        }
    }
    return upper;
}
