#include "tool/TCJson.h"

#include "framework/base/HText.h"
#include "framework/base/HWin32.h"

namespace {

const UINT kShiftJis = 932;

}  // namespace

void TCJson::next(const char* key)
{
    if (!m_first.empty()) {
        if (!m_first.back()) {
            m_text += ',';
        }
        m_first.back() = false;
    }
    if (key != nullptr) {
        m_text += quote(utf8(key)) + ':';
    }
}

void TCJson::beginObject(const char* key)
{
    next(key);
    m_text += '{';
    m_first.push_back(true);
}

void TCJson::endObject()
{
    m_text += '}';
    m_first.pop_back();
}

void TCJson::beginArray(const char* key)
{
    next(key);
    m_text += '[';
    m_first.push_back(true);
}

void TCJson::endArray()
{
    m_text += ']';
    m_first.pop_back();
}

void TCJson::value(const char* key, const std::string& text)
{
    next(key);
    m_text += quote(utf8(text));
}

void TCJson::value(const char* key, int64_t number)
{
    next(key);
    m_text += std::to_string(number);
}

void TCJson::value(const char* key, bool flag)
{
    next(key);
    m_text += flag ? "true" : "false";
}

void TCJson::valueArray(const char* key, const std::vector<std::string>& texts)
{
    beginArray(key);
    for (const std::string& text : texts) {
        value(nullptr, text);
    }
    endArray();
}

void TCJson::raw(const char* key, const TCJson& part)
{
    next(key);
    m_text += part.m_text;
}

std::string TCJson::utf8(const std::string& text)
{
    if (text.empty()) {
        return text;
    }
    int wide = MultiByteToWideChar(kShiftJis, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring buffer(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(kShiftJis, 0, text.data(), static_cast<int>(text.size()), &buffer[0], wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, &result[0], bytes, nullptr, nullptr);
    return result;
}

std::string TCJson::quote(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += HText::format("\\u%04x", byte);
        } else {
            out += c;
        }
    }
    return out + "\"";
}
