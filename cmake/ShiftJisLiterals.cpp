// Build tool of the host build: copies a UTF-8 C++ source with the non-ASCII characters of its
// string and character literals turned into octal escapes of their Shift-JIS (CP932) bytes.
//
// GCC does this with -fexec-charset=CP932; clang only knows UTF-8. Escapes rather than raw
// bytes, because the second byte of a Shift-JIS character may be a backslash or a quote, and
// octal rather than hexadecimal ones, because a "\x" escape would swallow a following digit
// or letter. A #line directive keeps __FILE__ and the diagnostics on the original file.
//
// Usage: ShiftJisLiterals <input.cpp> <output.cpp>; exit status 1 with a message on failure.

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool toShiftJis(iconv_t converter, const std::string& utf8, std::string* sjis)
{
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* put = &out[0];
    size_t outLeft = out.size();
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in, &inLeft, &put, &outLeft) == static_cast<size_t>(-1)) {
        return false;
    }
    out.resize(out.size() - outLeft);
    *sjis = out;
    return true;
}

std::string octal(unsigned char byte)
{
    char text[8];
    snprintf(text, sizeof(text), "\\%03o", byte);
    return text;
}

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

struct Converter {
    iconv_t iconv;
    const std::string& text;
    std::string out;
    size_t line = 1;

    bool fail(const char* why)
    {
        std::cerr << "ShiftJisLiterals: line " << line << ": " << why << "\n";
        return false;
    }

    // Copies a literal that starts at text[i] (its opening quote) and moves i past it.
    bool literal(size_t& i)
    {
        char quote = text[i];
        out += quote;
        ++i;
        while (i < text.size() && text[i] != quote) {
            char c = text[i];
            if (c == '\n') {
                return fail("line break inside a literal");
            }
            if (c == '\\' && i + 1 < text.size()) {
                out.append(text, i, 2);
                i += 2;
                continue;
            }
            if (static_cast<unsigned char>(c) < 0x80) {
                out += c;
                ++i;
                continue;
            }
            size_t end = i;
            while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x80) {
                ++end;
            }
            std::string sjis;
            if (!toShiftJis(iconv, text.substr(i, end - i), &sjis)) {
                return fail("a character without a Shift-JIS form");
            }
            for (char b : sjis) {
                out += octal(static_cast<unsigned char>(b));
            }
            i = end;
        }
        if (i >= text.size()) {
            return fail("unterminated literal");
        }
        out += quote;
        ++i;
        return true;
    }

    bool run()
    {
        size_t i = 0;
        while (i < text.size()) {
            char c = text[i];
            if (c == '\n') {
                ++line;
            }
            if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
                size_t end = text.find('\n', i);
                end = end == std::string::npos ? text.size() : end;
                out.append(text, i, end - i);
                i = end;
            } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
                size_t end = text.find("*/", i + 2);
                end = end == std::string::npos ? text.size() : end + 2;
                for (size_t k = i; k < end; ++k) {
                    line += text[k] == '\n';
                }
                out.append(text, i, end - i);
                i = end;
            } else if (c == 'R' && i + 1 < text.size() && text[i + 1] == '"') {
                return fail("raw string literals are not supported");
            } else if (c == '"' || (c == '\'' && !(i > 0 && isHex(text[i - 1])
                                                    && i + 1 < text.size() && isHex(text[i + 1])))) {
                // A quote between two hexadecimal digits is a digit separator (1'000).
                if (!literal(i)) {
                    return false;
                }
            } else {
                out += c;
                ++i;
            }
        }
        return true;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: ShiftJisLiterals <input.cpp> <output.cpp>\n";
        return 1;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "ShiftJisLiterals: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        std::cerr << "ShiftJisLiterals: no UTF-8 to CP932 conversion on this system\n";
        return 1;
    }
    Converter convert{converter, text, "#line 1 \"" + std::string(argv[1]) + "\"\n"};
    bool ok = convert.run();
    iconv_close(converter);
    if (!ok) {
        std::cerr << "ShiftJisLiterals: in " << argv[1] << "\n";
        return 1;
    }
    std::string temporary = std::string(argv[2]) + ".part";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << convert.out;
    out.close();
    if (!out || std::rename(temporary.c_str(), argv[2]) != 0) {
        std::cerr << "ShiftJisLiterals: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
