#include "framework/midi/HMIDITrack.h"

#include <algorithm>
#include <cstring>

#include "framework/base/HDebug.h"

namespace {

const uint8_t kMeta = 0xFF;
const uint8_t kEndOfTrack = 0x2F;
const size_t kChunkHeader = 8;
const size_t kReserveLimit = 1 << 16;  // messages

uint32_t readBigEndian32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16
           | static_cast<uint32_t>(bytes[2]) << 8 | bytes[3];
}

}  // namespace

HMIDITrack::HMIDITrack() = default;

HMIDITrack::~HMIDITrack() = default;

bool HMIDITrack::createByBuffer(const uint8_t* bytes, size_t length, size_t* position)
{
    size_t at = *position;
    if (at >= length || length - at <= kChunkHeader) {
        HLOG_INFO("createByBuffer:error header length");
        HDebug::debug("buf=%u idx=%u", static_cast<unsigned>(length), static_cast<unsigned>(at));
        *position = length;
        return false;
    }
    if (memcmp(bytes + at, "MTrk", 4) != 0) {
        HLOG_INFO("createByBuffer:error header");
        HDebug::debug("idx=%u byte=(%X,%X,%X,%X)", static_cast<unsigned>(at), bytes[at],
                      bytes[at + 1], bytes[at + 2], bytes[at + 3]);
        *position = length;
        return false;
    }
    m_length = readBigEndian32(bytes + at + 4);
    m_begin = at + kChunkHeader;
    // Compared as a remainder, so that a length near 4 GB cannot wrap the end round.
    if (m_length > length - m_begin) {
        HLOG_INFO("createByBuffer:error header");
        HDebug::debug("buf=%u begin=%u end=%llu length=%u", static_cast<unsigned>(length),
                      static_cast<unsigned>(m_begin),
                      static_cast<unsigned long long>(m_begin) + m_length, m_length);
        m_end = m_begin;
        *position = length;
        return false;
    }
    m_end = m_begin + m_length;

    bool logged = HDebug::isEnabled(HDebug::LV_DBG);
    bool ended = false;
    uint8_t runningStatus = 0;
    // Most events take three bytes (a short delta and two data bytes in running status); a
    // chunk of long exclusive data must not reserve more than a large song needs.
    m_messages.reserve(std::min<size_t>(m_length / 3, kReserveLimit));
    at = m_begin;
    while (at < m_end) {
        HMIDIMessage message;
        if (!message.createByBuffer(bytes, m_end, &at, runningStatus)) {
            HDebug::debug("msg discard %u-%u %u %X %X %X %u %u", static_cast<unsigned>(m_number),
                          static_cast<unsigned>(m_messages.size()), message.getDelta(),
                          message.getStatus(), message.getData1(), message.getData2(),
                          message.getExtraLength(), static_cast<unsigned>(message.getTime()));
            continue;
        }
        runningStatus = message.getStatus();
        ended = message.getStatus() == kMeta && message.getData1() == kEndOfTrack;
        add(std::move(message));
        if (logged) {
            const HMIDIMessage& added = m_messages.back();
            HDebug::debug("msg %X %04u %s (%u)", static_cast<unsigned>(m_number), added.getIndex(),
                          added.getDescription().c_str(), added.getDelta());
        }
        if (ended) {
            break;
        }
    }
    if (!ended || at < m_end) {
        HLOG_INFO(ended ? "createByBuffer:warn escape track end" : "createByBuffer:error track end");
        HDebug::debug("buf=%u idx=%u begin=%u end=%u length=%u", static_cast<unsigned>(length),
                      static_cast<unsigned>(at), static_cast<unsigned>(m_begin),
                      static_cast<unsigned>(m_end), m_length);
    }
    *position = m_end;
    return true;
}

void HMIDITrack::add(HMIDIMessage&& message)
{
    message.setTrack(this);
    message.setTrackNumber(m_number);
    message.setIndex(static_cast<uint32_t>(m_messages.size()));
    m_time += message.getDelta();
    message.setTime(m_time);
    message.checkMetaEvent();
    m_messages.push_back(std::move(message));
}

HMIDIMessage* HMIDITrack::getMessage(size_t index)
{
    return index < m_messages.size() ? &m_messages[index] : nullptr;
}

const HMIDIMessage* HMIDITrack::getMessage(size_t index) const
{
    return index < m_messages.size() ? &m_messages[index] : nullptr;
}
