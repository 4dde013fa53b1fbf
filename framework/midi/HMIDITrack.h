#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/midi/HMIDIMessage.h"

// One track chunk of a MIDI file and its events, in file order, with their absolute times.
class HMIDITrack {
public:
    HMIDITrack();
    virtual ~HMIDITrack();
    HMIDITrack(const HMIDITrack&) = delete;
    HMIDITrack& operator=(const HMIDITrack&) = delete;

    void setNumber(int number) { m_number = number; }
    int getNumber() const { return m_number; }
    // Reads the chunk at *position of the file's bytes (length of them). False when no chunk
    // is there or its length runs past the file: *position is then the file's length, so no
    // later chunk is read. Otherwise every usable event is kept, unusable ones are dropped,
    // and *position is the chunk's end.
    bool createByBuffer(const uint8_t* bytes, size_t length, size_t* position);
    // Takes the message: sets its track, number, index and absolute time.
    void add(HMIDIMessage&& message);
    size_t getCount() const { return m_messages.size(); }
    // nullptr past the end.
    HMIDIMessage* getMessage(size_t index);
    const HMIDIMessage* getMessage(size_t index) const;

    uint32_t getLength() const { return m_length; }
    size_t getBegin() const { return m_begin; }
    size_t getEnd() const { return m_end; }
    // The sum of the deltas added so far.
    uint64_t getTime() const { return m_time; }

private:
    int m_number = 0;
    uint32_t m_length = 0;
    size_t m_begin = 0;
    size_t m_end = 0;
    // By value, in one block: a large file holds hundreds of thousands of messages.
    std::vector<HMIDIMessage> m_messages;
    uint64_t m_time = 0;
};
