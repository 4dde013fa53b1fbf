#include "framework/midi/HMIDISource.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <queue>
#include <utility>

#include "framework/base/HFileReader.h"
#include "framework/midi/HMIDIMessage.h"
#include "framework/midi/HMIDITrack.h"

namespace {

const size_t kHeaderLength = 14;

int16_t readBigEndian16(const uint8_t* bytes)
{
    return static_cast<int16_t>(bytes[0] << 8 | bytes[1]);
}

uint32_t readBigEndian32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16
           | static_cast<uint32_t>(bytes[2]) << 8 | bytes[3];
}

}  // namespace

HMIDISource::HMIDISource()
{
    setClassName("HMIDISource");
}

HMIDISource::~HMIDISource() = default;

void HMIDISource::clear()
{
    m_playList.clear();
    m_tracks.clear();
    m_format = 0;
    m_trackCount = 0;
    m_division = 0;
    m_divisionBytes[0] = 0;
    m_divisionBytes[1] = 0;
}

bool HMIDISource::load()
{
    clear();
    HFileReader reader(m_file);
    if (!reader.read()) {
        HLOG_INFO("load:file error");
        return false;
    }
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(reader.getData());
    size_t length = static_cast<size_t>(reader.getSize());
    if (!readHeader(bytes, length)) {
        return false;
    }
    size_t position = kHeaderLength;
    for (int i = 0; i < m_trackCount && position < length; ++i) {
        std::unique_ptr<HMIDITrack> track(new HMIDITrack);
        track->setNumber(i);
        debug("track %X create start", static_cast<unsigned>(i + 1));
        if (track->createByBuffer(bytes, length, &position)) {
            m_tracks.push_back(std::move(track));
        }
    }
    if (static_cast<int>(m_tracks.size()) != m_trackCount) {
        HLOG_INFO("load:error (trk neq chk)");
        debug("buf=%u idx=%u trk=%u chk=%d", static_cast<unsigned>(length),
              static_cast<unsigned>(position), static_cast<unsigned>(m_tracks.size()),
              m_trackCount);
    }
    return true;
}

bool HMIDISource::readHeader(const uint8_t* bytes, size_t length)
{
    bool sound = length > kHeaderLength && memcmp(bytes, "MThd", 4) == 0
                 && readBigEndian32(bytes + 4) == 6;
    if (sound) {
        m_format = readBigEndian16(bytes + 8);
        m_trackCount = readBigEndian16(bytes + 10);
        m_division = readBigEndian16(bytes + 12);
        m_divisionBytes[0] = bytes[12];
        m_divisionBytes[1] = bytes[13];
    } else {
        HLOG_INFO("load:error (header)");
    }
    debug("buf=%u fmt=%d ch=%d min=%u max=%u base=%d", static_cast<unsigned>(length), m_format,
          m_trackCount, m_divisionBytes[0], m_divisionBytes[1], m_division);
    return sound;
}

void HMIDISource::buildPlayList(HMIDIPlayState* state, size_t soloTrack)
{
    m_playList.clear();
    size_t count = m_tracks.size();
    bool solo = soloTrack < count;
    std::vector<size_t> cursor(count, 0);
    size_t total = 0;
    // The next message of every track with one left, earliest first (then lowest track).
    using Head = std::pair<uint64_t, size_t>;
    std::priority_queue<Head, std::vector<Head>, std::greater<Head>> heads;
    for (size_t t = 0; t < count; ++t) {
        bool takesPart = !solo || t < 2 || t == soloTrack;
        if (takesPart && m_tracks[t]->getCount() > 0) {
            heads.push(Head(m_tracks[t]->getMessage(0)->getTime(), t));
            total += m_tracks[t]->getCount();
        }
    }
    m_playList.reserve(total);
    // Each time of the list at once: the tracks with a message at that time take turns in
    // track order, from the one after the track taken last, a message each per round, until
    // none has another at that time. That is the order a visit of every track for every
    // message gives (smallest time first, the first one visited on equal times), at a cost
    // that grows with the messages only.
    size_t last = count - 1;  // the first turn starts at track 0
    uint64_t previous = 0;
    std::vector<size_t> round;
    std::vector<size_t> next;
    while (!heads.empty()) {
        uint64_t now = heads.top().first;
        round.clear();
        while (!heads.empty() && heads.top().first == now) {
            round.push_back(heads.top().second);  // in ascending track order
            heads.pop();
        }
        std::rotate(round.begin(), std::upper_bound(round.begin(), round.end(), last), round.end());
        while (!round.empty()) {
            next.clear();
            for (size_t t : round) {
                HMIDITrack& track = *m_tracks[t];
                HMIDIMessage* message = track.getMessage(cursor[t]++);
                message->setTicks(message->getTime() - previous);
                message->setPlayListIndex(static_cast<uint32_t>(m_playList.size()));
                message->setPlayState(state);
                m_playList.push_back(message);
                previous = message->getTime();
                last = t;
                if (cursor[t] < track.getCount()) {
                    uint64_t time = track.getMessage(cursor[t])->getTime();
                    if (time == now) {
                        next.push_back(t);
                    } else {
                        heads.push(Head(time, t));
                    }
                }
            }
            round.swap(next);
        }
    }
}

HMIDITrack* HMIDISource::getTrack(size_t index) const
{
    return index < m_tracks.size() ? m_tracks[index].get() : nullptr;
}

HMIDIMessage* HMIDISource::getPlayListItem(size_t index) const
{
    return index < m_playList.size() ? m_playList[index] : nullptr;
}
