#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds one JSON document as UTF-8 text. Keys and strings come in as the system's Shift-JIS
// text and are converted; the caller opens and closes objects and arrays in order.
class TCJson {
public:
    void beginObject(const char* key = nullptr);
    void endObject();
    void beginArray(const char* key = nullptr);
    void endArray();
    void value(const char* key, const std::string& text);
    void value(const char* key, int64_t number);
    void value(const char* key, bool flag);
    void valueArray(const char* key, const std::vector<std::string>& texts);
    // A complete document built apart, as the value of key.
    void raw(const char* key, const TCJson& part);

    // The document so far, with a line end.
    std::string text() const { return m_text + "\n"; }

    // Shift-JIS to UTF-8; bytes that are no Shift-JIS character become U+FFFD.
    static std::string utf8(const std::string& text);
    // The text as a quoted JSON string (already UTF-8).
    static std::string quote(const std::string& text);

private:
    void next(const char* key);

    std::string m_text;
    std::vector<bool> m_first;  // per open object or array: nothing written in it yet
};
