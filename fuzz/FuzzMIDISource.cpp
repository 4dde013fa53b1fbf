#include "fuzz/FuzzMIDISource.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/base/HFileReader.h"
#include "framework/midi/HMIDIMessage.h"
#include "framework/midi/HMIDIPlayState.h"
#include "framework/midi/HMIDISource.h"
#include "framework/midi/HMIDITrack.h"

const char* const FuzzMIDISource::FILE_NAME = "song.mid";

namespace {

const size_t kHeaderLength = 14;
const size_t kChunkHeader = 8;

bool takesPart(size_t track, size_t solo, size_t count)
{
    return solo >= count || track < 2 || track == solo;
}

std::string checkMessage(const HMIDITrack& track, size_t i, const HMIDIMessage& m,
                         size_t previousEnd, uint64_t time)
{
    if (m.getOffset() < previousEnd || m.getOffset() >= track.getEnd() || m.getSize() == 0
        || m.getSize() > track.getEnd() - m.getOffset()) {
        return "a message lies outside its track or over the one before it";
    }
    if (m.getTrack() != &track || m.getTrackNumber() != track.getNumber() || m.getIndex() != i) {
        return "a message does not know its track or its place";
    }
    if (m.getTime() != time) {
        return "a message's time is not the sum of the deltas so far";
    }
    if (m.getStatus() < 0x80) {
        return "a message has no status";
    }
    if (m.getExtraData() != nullptr) {
        if (m.getExtraData()[m.getExtraLength()] != 0) {
            return "a message's data is not zero-terminated";
        }
        if (m.getStatus() != 0xFF && (m.getExtraLength() == 0 || m.getExtraData()[0] != 0xF0)) {
            return "system-exclusive data does not start with 0xF0";
        }
    }
    if (m.getStatus() == 0xFF && m.getData1() == 0x51 && m.getExtraLength() < 3) {
        return "a tempo event was not padded to three bytes";
    }
    bool ends = m.getStatus() == 0xFF && m.getData1() == 0x2F;
    if (ends && i + 1 != track.getCount()) {
        return "a track goes on after its end event";
    }
    return std::string();
}

std::string checkTracks(const HMIDISource& source, size_t size)
{
    size_t previousEnd = kHeaderLength;
    for (size_t t = 0; t < source.getTrackListCount(); ++t) {
        const HMIDITrack& track = *source.getTrack(t);
        if (track.getNumber() != static_cast<int>(t)) {
            return "the tracks kept are not the first ones of the file";
        }
        if (track.getBegin() != previousEnd + kChunkHeader
            || track.getEnd() != track.getBegin() + track.getLength() || track.getEnd() > size) {
            return "a track does not lie in the file after the one before it";
        }
        size_t end = track.getBegin();
        uint64_t time = 0;
        for (size_t i = 0; i < track.getCount(); ++i) {
            const HMIDIMessage& m = *track.getMessage(i);
            time += m.getDelta();
            std::string failure = checkMessage(track, i, m, end, time);
            if (!failure.empty()) {
                return failure;
            }
            end = m.getOffset() + m.getSize();
        }
        if (track.getMessage(track.getCount()) != nullptr || track.getTime() != time) {
            return "a track answers past its messages or lost its time";
        }
        previousEnd = track.getEnd();
    }
    return std::string();
}

// The merge as a visit of every track for every message: the smallest time wins, the first
// one visited (from the track after the one taken last) on equal times.
std::vector<const HMIDIMessage*> visitEveryTrack(const HMIDISource& source, size_t solo)
{
    size_t count = source.getTrackListCount();
    std::vector<size_t> cursor(count, 0);
    std::vector<const HMIDIMessage*> list;
    size_t start = 0;
    for (;;) {
        const HMIDIMessage* best = nullptr;
        size_t bestTrack = 0;
        for (size_t k = 0; k < count; ++k) {
            size_t t = (start + k) % count;
            const HMIDIMessage* m = source.getTrack(t)->getMessage(cursor[t]);
            if (takesPart(t, solo, count) && m != nullptr
                && (best == nullptr || m->getTime() < best->getTime())) {
                best = m;
                bestTrack = t;
            }
        }
        if (best == nullptr) {
            return list;
        }
        list.push_back(best);
        ++cursor[bestTrack];
        start = (bestTrack + 1) % count;
    }
}

std::string checkPlayList(const HMIDISource& source, size_t solo, const HMIDIPlayState& state)
{
    std::vector<const HMIDIMessage*> expected = visitEveryTrack(source, solo);
    if (source.getPlayListCount() != expected.size()) {
        return "the play list does not hold every message of the tracks that take part";
    }
    uint64_t previous = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        const HMIDIMessage* m = source.getPlayListItem(i);
        if (m != expected[i]) {
            return "the play list is not in the order of a visit of every track";
        }
        if (m->getTime() < previous || m->getTicks() != m->getTime() - previous) {
            return "the play list is not ordered by time, or its ticks are wrong";
        }
        if (m->getPlayListIndex() != i || m->getPlayState() != &state) {
            return "a play-list message does not know its place or its state";
        }
        if (m->delayMs() < state.getTimerPeriod()) {
            return "a wait is shorter than the timer period";
        }
        previous = m->getTime();
    }
    if (source.getPlayListItem(expected.size()) != nullptr) {
        return "the play list answers past its end";
    }
    return std::string();
}

}  // namespace

std::string FuzzMIDISource::check()
{
    HFileReader reader{HFile(FILE_NAME)};
    if (!reader.read()) {
        return "the file could not be read";
    }
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(reader.getData());
    size_t size = static_cast<size_t>(reader.getSize());
    bool soundHeader = size > kHeaderLength && memcmp(bytes, "MThd\0\0\0\6", 8) == 0;

    HMIDISource source;
    source.setFile(HFile(FILE_NAME));
    if (source.load() != soundHeader) {
        return soundHeader ? "a file with a sound header did not load"
                           : "a file without a sound header loaded";
    }
    if (!soundHeader) {
        return source.getTrackListCount() == 0 ? std::string() : "a failed load kept tracks";
    }
    if (static_cast<int>(source.getTrackListCount()) > std::max<int>(source.getTrackCount(), 0)) {
        return "more tracks were kept than the header names";
    }
    std::string failure = checkTracks(source, size);
    if (!failure.empty()) {
        return failure;
    }
    HMIDIPlayState state;
    for (size_t solo : {HMIDISource::ALL_TRACKS, static_cast<size_t>(2)}) {
        source.buildPlayList(&state, solo);
        failure = checkPlayList(source, solo, state);
        if (!failure.empty()) {
            return failure + (solo == 2 ? " (solo track 2)" : "");
        }
    }
    return std::string();
}

#ifdef TESSEL_LIBFUZZER
#include "fuzz/FuzzMemoryFile.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    return FuzzMemoryFile::initialize(argc, argv, FuzzMIDISource::MAX_LENGTH);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzMemoryFile::test(FuzzMIDISource::FILE_NAME, data, size, FuzzMIDISource::check);
}
#endif
