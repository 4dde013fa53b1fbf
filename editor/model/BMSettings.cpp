#include "editor/model/BMSettings.h"

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/model/BMBrush.h"
#include "editor/model/BMConstants.h"
#include "framework/base/HDebug.h"
#include "framework/base/HFileReader.h"
#include "framework/base/HFileWriter.h"
#include "framework/base/HProperties.h"

namespace {

// Bytes the properties syntax gives a meaning to, or trims, or ends a line at.
bool needsEscape(unsigned char c)
{
    return c == ',' || c == '%' || c == '=' || c <= ' ' || c == 0x7F;
}

// A whole decimal number within [low, high]; nothing else reads.
bool toNumber(const std::string& text, long long low, long long high, long long* value)
{
    size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() > 12) {
        return false;
    }
    long long number = 0;
    for (size_t j = i; j < text.size(); ++j) {
        if (text[j] < '0' || text[j] > '9') {
            return false;
        }
        number = number * 10 + (text[j] - '0');
    }
    number = i == 1 ? -number : number;
    if (number < low || number > high) {
        return false;
    }
    *value = number;
    return true;
}

// One entry of the file: its items, and whether every one of them was read.
class Entry {
public:
    Entry(const HProperties& properties, const std::string& key, size_t items)
        : m_properties(properties), m_key(key)
    {
        m_present = properties.getCount(key) != 0;
        m_good = properties.getCount(key) == items;
    }
    bool present() const { return m_present; }
    bool good() const { return m_good; }
    int number(size_t index, long long low, long long high)
    {
        long long value = 0;
        if (m_good && !toNumber(m_properties.getString(m_key, index), low, high, &value)) {
            m_good = false;
        }
        return static_cast<int>(value);
    }
    std::string text(size_t index)
    {
        std::string value = BMSettings::unescape(m_properties.getString(m_key, index));
        m_good = m_good && !value.empty();
        return value;
    }

private:
    const HProperties& m_properties;
    std::string m_key;
    bool m_present;
    bool m_good;
};

std::string line(const std::string& key, const std::vector<std::string>& items)
{
    std::string text = key + "=";
    for (size_t i = 0; i < items.size(); ++i) {
        text += (i > 0 ? "," : "") + items[i];
    }
    return text + "\r\n";
}

std::string recentKey(size_t index)
{
    return "recent" + std::to_string(index + 1);
}

bool isEditMode(int mode)
{
    return mode == MODE_CHAR || mode == MODE_OBJ || mode == MODE_HEIGHT ||
           mode == MODE_PLACEMENT || mode == MODE_BORDER;
}

const int kCoordinate = 32767;

}  // namespace

bool BMSettings::Window::operator==(const Window& other) const
{
    return x == other.x && y == other.y && width == other.width && height == other.height &&
           maximized == other.maximized;
}

bool BMSettings::operator==(const BMSettings& other) const
{
    return window == other.window && hasWindow == other.hasWindow &&
           zoomStep == other.zoomStep && viewFlags == other.viewFlags &&
           miniMapCorner == other.miniMapCorner && brushRadius == other.brushRadius &&
           mouseMode == other.mouseMode && shape == other.shape && editMode == other.editMode &&
           chooserPage == other.chooserPage && gameFolder == other.gameFolder &&
           recent.entries() == other.recent.entries();
}

std::string BMSettings::escape(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        if (needsEscape(static_cast<unsigned char>(c))) {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string BMSettings::unescape(const std::string& text)
{
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() &&
            std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            plain += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

std::string BMSettings::write() const
{
    std::string text = line("version", {std::to_string(VERSION)});
    if (hasWindow) {
        text += line("window", {std::to_string(window.x), std::to_string(window.y),
                                std::to_string(window.width), std::to_string(window.height),
                                window.maximized ? "1" : "0"});
    }
    text += line("zoom", {std::to_string(zoomStep)});
    text += line("view", {std::to_string(viewFlags)});
    text += line("minimap", {std::to_string(miniMapCorner)});
    text += line("brush", {std::to_string(brushRadius)});
    text += line("mouse", {std::to_string(mouseMode)});
    text += line("shape", {std::to_string(shape)});
    text += line("edit", {std::to_string(editMode)});
    text += line("page", {std::to_string(chooserPage)});
    if (!gameFolder.empty()) {
        text += line("game", {escape(gameFolder)});
    }
    const std::vector<BMRecentScenario>& entries = recent.entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const BMRecentScenario& e = entries[i];
        text += line(recentKey(i), {escape(e.folder), escape(e.opened), std::to_string(e.maps),
                                    std::to_string(e.map), std::to_string(e.cursorX),
                                    std::to_string(e.cursorY)});
    }
    // Last, so that a file cut short is known by its missing end.
    return text + line("end", {"1"});
}

int BMSettings::read(const std::string& text)
{
    HProperties properties;
    properties.parse(text.c_str());
    int unread = 0;
    // Without its end the file was cut short: its last line may be cut too and is not read
    // (a line ending in a break is whole).
    const size_t lastBreak = text.find_last_of("\r\n");
    if (properties.getCount("end") == 0 && lastBreak + 1 < text.size()) {
        properties.clear();
        properties.parse(text.substr(0, lastBreak == std::string::npos ? 0 : lastBreak).c_str());
        ++unread;
    }
    Entry version(properties, "version", 1);
    if (version.number(0, VERSION, VERSION) != VERSION || !version.good()) {
        return unread + 1;
    }
    // Takes the entry's values when every item read, and counts it otherwise.
    auto take = [&unread](Entry& entry, auto assign) {
        if (entry.good()) {
            assign();
        } else if (entry.present()) {
            ++unread;
        }
    };
    Entry w(properties, "window", 5);
    Window place;
    place.x = w.number(0, -kCoordinate, kCoordinate);
    place.y = w.number(1, -kCoordinate, kCoordinate);
    place.width = w.number(2, 1, kCoordinate);
    place.height = w.number(3, 1, kCoordinate);
    place.maximized = w.number(4, 0, 1) != 0;
    take(w, [&] { window = place, hasWindow = true; });

    struct Number {
        const char* key;
        int* value;
        int low;
        int high;
    };
    int flags = -1;  // -1: not read
    int mode = -1;
    const Number numbers[] = {
        {"zoom", &zoomStep, 0, 9},  // the view refuses a step it does not have
        {"view", &flags, 0, 0xFFFF},
        {"minimap", &miniMapCorner, 0, 3},
        {"brush", &brushRadius, 0, BMBrush::MAX_RADIUS},
        {"mouse", &mouseMode, MOUSE_DIRECT, MOUSE_SELECT},
        {"shape", &shape, SHAPE_FREE, SHAPE_FILL},
        {"edit", &mode, MODE_CHAR, MODE_BORDER},
        {"page", &chooserPage, 1, 999},
    };
    for (const Number& n : numbers) {
        Entry entry(properties, n.key, 1);
        int value = entry.number(0, n.low, n.high);
        take(entry, [&] { *n.value = value; });
    }
    if (flags >= 0) {
        viewFlags = static_cast<uint32_t>(flags);
    }
    if (isEditMode(mode)) {
        editMode = mode;
    } else if (mode >= 0) {
        ++unread;
    }

    Entry game(properties, "game", 1);
    std::string folder = game.text(0);
    take(game, [&] { gameFolder = folder; });

    std::vector<BMRecentScenario> found;  // newest first
    bool anyRecent = false;
    for (size_t i = 0; i < BMRecentList::LIMIT; ++i) {
        const std::string key = recentKey(i);
        Entry entry(properties, key, 6);
        BMRecentScenario e;
        e.folder = entry.text(0);
        e.opened = unescape(properties.getString(key, 1));
        e.maps = entry.number(2, 0, 9999);
        e.map = entry.number(3, 1, 9999);
        e.cursorX = entry.number(4, 0, MAP_SIZE - 1);
        e.cursorY = entry.number(5, 0, MAP_SIZE - 1);
        anyRecent = anyRecent || entry.present();
        take(entry, [&] { found.push_back(e); });
    }
    if (anyRecent) {
        // Oldest first into the list, so that the newest ends on top; a folder named twice
        // keeps its newer entry.
        recent.clear();
        for (size_t i = found.size(); i-- > 0;) {
            recent.open(found[i]);
        }
    }
    return unread;
}

bool BMSettings::load(const HFile& file, int* unread)
{
    if (file.getType() != HFile::TYPE_FILE) {
        return false;
    }
    HFileReader reader(file);
    if (!reader.read()) {
        return false;
    }
    const int count = read(std::string(reader.getData(), static_cast<size_t>(reader.getSize())));
    if (unread != nullptr) {
        *unread = count;
    }
    return true;
}

bool BMSettings::save(const HFile& file) const
{
    const std::string text = write();
    HFileWriter writer(file);
    return writer.open() && writer.write(text.data(), static_cast<uint32_t>(text.size())) &&
           writer.close();
}
