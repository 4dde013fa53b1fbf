#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// Standard MIDI Files built byte by byte for tests: chunks, variable-length numbers, events.
class MidiFile {
public:
    // A variable-length number (up to 28 bits).
    static std::string number(uint32_t value);
    // "MThd" with the given chunk length (6 in a sound file), format, track count, division.
    static std::string header(int format, int tracks, int division, uint32_t length = 6);
    // "MTrk" and the events, with their length, or with the length given.
    static std::string track(const std::string& events);
    static std::string track(const std::string& events, uint32_t length);
    // A delta time and the bytes of the event (status included, or left out for running status).
    static std::string event(uint32_t delta, std::initializer_list<int> bytes);
    // A meta event of the type with its data.
    static std::string meta(uint32_t delta, int type, const std::string& data);
    static std::string tempo(uint32_t delta, uint32_t microsecondsPerQuarter);
    static std::string endOfTrack(uint32_t delta = 0);
    // A format-1 file of the tracks' events, each track ended for it.
    static std::string file(int division, std::initializer_list<std::string> tracks);
};
