#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class HMIDIPlayState;
class HMIDITrack;

// One event of a MIDI track: its delta time, status and data bytes, the data of a meta or
// system-exclusive event, and once merged into a play list its place and timing there.
class HMIDIMessage {
public:
    HMIDIMessage();
    virtual ~HMIDIMessage();
    HMIDIMessage(const HMIDIMessage&) = delete;
    HMIDIMessage& operator=(const HMIDIMessage&) = delete;
    // Tracks keep their messages by value; the play list refers to them once loading is done.
    HMIDIMessage(HMIDIMessage&&) = default;
    HMIDIMessage& operator=(HMIDIMessage&&) = default;

    // Reads the event at *position of the file's bytes, never at or past end (the end of its
    // track), and moves *position past it. runningStatus stands for a missing status byte.
    // False when the event is unusable (nothing after its delta time, or no status at all);
    // *position has moved on all the same.
    bool createByBuffer(const uint8_t* bytes, size_t end, size_t* position, uint8_t runningStatus);
    // For meta events: logs the text kinds and checks the data length of the known types;
    // data shorter than its type needs is padded with zero bytes to that length.
    void checkMetaEvent();
    // The wait before this event in milliseconds: its ticks since the previous event at the
    // playback state's tempo and division, never shorter than the timer period.
    uint32_t delayMs() const;
    // The log's short form, for example "CH0:NOTE_ON  3C 40".
    std::string getDescription() const;

    int getTrackNumber() const { return m_trackNumber; }
    void setTrackNumber(int number) { m_trackNumber = number; }
    uint32_t getIndex() const { return m_index; }
    void setIndex(uint32_t index) { m_index = index; }
    uint32_t getDelta() const { return m_delta; }
    uint8_t getStatus() const { return m_status; }
    // For a meta event, its type.
    uint8_t getData1() const { return m_data1; }
    uint8_t getData2() const { return m_data2; }
    // Repacks the short message.
    void setData2(uint8_t value);
    // Zero-terminated; nullptr when the event has none.
    const uint8_t* getExtraData() const { return m_extra.get(); }
    uint32_t getExtraLength() const { return m_extraLength; }
    HMIDIPlayState* getPlayState() const { return m_state; }
    void setPlayState(HMIDIPlayState* state) { m_state = state; }
    HMIDITrack* getTrack() const { return m_track; }
    void setTrack(HMIDITrack* track) { m_track = track; }
    uint32_t getPlayListIndex() const { return m_playListIndex; }
    void setPlayListIndex(uint32_t index) { m_playListIndex = index; }
    uint64_t getTime() const { return m_time; }
    void setTime(uint64_t time) { m_time = time; }
    uint64_t getTicks() const { return m_ticks; }
    void setTicks(uint64_t ticks) { m_ticks = ticks; }
    // What goes to the output: status | first data << 8 | second data << 16.
    uint32_t getShortMessage() const { return m_shortMessage; }
    // Where the event lies in the file: its first byte and how many bytes it took.
    size_t getOffset() const { return m_offset; }
    size_t getSize() const { return m_size; }

private:
    void readData(const uint8_t* bytes, size_t end, size_t* position, bool exclusive);
    void pack();

    int m_trackNumber = 0;
    uint32_t m_index = 0;
    uint32_t m_delta = 0;
    uint8_t m_status = 0;
    uint8_t m_data1 = 0;
    uint8_t m_data2 = 0;
    std::unique_ptr<uint8_t[]> m_extra;
    uint32_t m_extraLength = 0;
    HMIDIPlayState* m_state = nullptr;  // not owned
    HMIDITrack* m_track = nullptr;      // not owned
    uint32_t m_playListIndex = 0;
    // Ticks are summed in 64 bits: 28-bit deltas would carry a 32-bit sum round.
    uint64_t m_time = 0;
    uint64_t m_ticks = 0;
    uint32_t m_shortMessage = 0;
    uint32_t m_offset = 0;  // a file is read whole and below 2 GB
    uint32_t m_size = 0;
};
