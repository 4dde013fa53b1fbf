#include "tests/support/MidiFile.h"

namespace {

std::string bigEndian(uint32_t value, int bytes)
{
    std::string text;
    for (int i = bytes - 1; i >= 0; --i) {
        text += static_cast<char>(value >> (8 * i));
    }
    return text;
}

}  // namespace

std::string MidiFile::number(uint32_t value)
{
    std::string text(1, static_cast<char>(value & 0x7F));
    for (value >>= 7; value != 0; value >>= 7) {
        text.insert(text.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    }
    return text;
}

std::string MidiFile::header(int format, int tracks, int division, uint32_t length)
{
    return "MThd" + bigEndian(length, 4) + bigEndian(format, 2) + bigEndian(tracks, 2)
           + bigEndian(division, 2);
}

std::string MidiFile::track(const std::string& events)
{
    return track(events, static_cast<uint32_t>(events.size()));
}

std::string MidiFile::track(const std::string& events, uint32_t length)
{
    return "MTrk" + bigEndian(length, 4) + events;
}

std::string MidiFile::event(uint32_t delta, std::initializer_list<int> bytes)
{
    std::string text = number(delta);
    for (int byte : bytes) {
        text += static_cast<char>(byte);
    }
    return text;
}

std::string MidiFile::meta(uint32_t delta, int type, const std::string& data)
{
    return number(delta) + '\xFF' + static_cast<char>(type)
           + number(static_cast<uint32_t>(data.size())) + data;
}

std::string MidiFile::tempo(uint32_t delta, uint32_t microsecondsPerQuarter)
{
    return meta(delta, 0x51, bigEndian(microsecondsPerQuarter, 3));
}

std::string MidiFile::endOfTrack(uint32_t delta)
{
    return meta(delta, 0x2F, "");
}

std::string MidiFile::file(int division, std::initializer_list<std::string> tracks)
{
    std::string text = header(1, static_cast<int>(tracks.size()), division);
    for (const std::string& events : tracks) {
        text += track(events + endOfTrack());
    }
    return text;
}
