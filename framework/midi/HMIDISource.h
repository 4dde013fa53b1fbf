#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/base/HFile.h"
#include "framework/base/HObject.h"

class HMIDIMessage;
class HMIDIPlayState;
class HMIDITrack;

// A Standard MIDI File (formats 0 and 1) read into tracks of messages, and the one play list
// that merges the tracks in time order. Tolerant: damaged events and tracks are dropped and
// logged; only an unreadable file or a bad header fails the load.
class HMIDISource : public HObject {
public:
    // For buildPlayList: every track takes part.
    static constexpr size_t ALL_TRACKS = static_cast<size_t>(-1);

    HMIDISource();
    ~HMIDISource() override;

    void setFile(const HFile& file) { m_file = file; }
    const HFile& getFile() const { return m_file; }
    bool load();
    // Deletes the tracks and their messages, empties the play list, zeroes the header fields.
    void clear();
    // Merges the tracks into the play list by absolute time; at equal times the tracks take
    // turns, starting with the track after the one taken last. A valid solo track index leaves
    // out every track from index 2 on but the solo one (ALL_TRACKS: none is left out). Every
    // message taken gets its ticks since the previous one, its play-list index and state.
    void buildPlayList(HMIDIPlayState* state, size_t soloTrack);

    int16_t getFormat() const { return m_format; }
    // As the header says; the tracks kept may be fewer.
    int16_t getTrackCount() const { return m_trackCount; }
    // Ticks per quarter note when positive.
    int16_t getDivision() const { return m_division; }
    uint8_t getDivisionByte(int i) const { return m_divisionBytes[i & 1]; }
    size_t getTrackListCount() const { return m_tracks.size(); }
    HMIDITrack* getTrack(size_t index) const;
    size_t getPlayListCount() const { return m_playList.size(); }
    // nullptr past the end.
    HMIDIMessage* getPlayListItem(size_t index) const;

private:
    bool readHeader(const uint8_t* bytes, size_t length);

    HFile m_file;
    int16_t m_format = 0;
    int16_t m_trackCount = 0;
    int16_t m_division = 0;
    uint8_t m_divisionBytes[2] = {0, 0};
    std::vector<std::unique_ptr<HMIDITrack>> m_tracks;
    std::vector<HMIDIMessage*> m_playList;  // messages owned by the tracks
};
