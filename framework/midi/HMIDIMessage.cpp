#include "framework/midi/HMIDIMessage.h"

#include <algorithm>
#include <cstring>

#include "framework/base/HDebug.h"
#include "framework/base/HText.h"
#include "framework/midi/HMIDIPlayState.h"

namespace {

const uint8_t kMeta = 0xFF;
const uint8_t kExclusive = 0xF0;
const uint8_t kExclusiveContinued = 0xF7;
const uint32_t kAnyLength = 0xFFFFFFFF;

// A variable-length number: seven bits a byte, high bit set on every byte but the last; at
// most four bytes (28 bits), never read at or past end.
uint32_t readNumber(const uint8_t* bytes, size_t end, size_t* position)
{
    uint32_t value = 0;
    for (int i = 0; i < 4 && *position < end; ++i) {
        uint8_t byte = bytes[(*position)++];
        value = value << 7 | (byte & 0x7F);
        if ((byte & 0x80) == 0) {
            break;
        }
    }
    return value;
}

// A data byte, or 0 where the track has ended.
uint8_t readByte(const uint8_t* bytes, size_t end, size_t* position)
{
    return *position < end ? bytes[(*position)++] : 0;
}

// The data length a meta type must have, or kAnyLength; false for an unknown type.
bool expectedLength(uint8_t type, uint32_t* length)
{
    switch (type) {
    case 0x00: *length = 2; return true;
    case 0x20: *length = 1; return true;
    case 0x21: *length = 1; return true;
    case 0x2F: *length = 0; return true;
    case 0x51: *length = 3; return true;
    case 0x54: *length = 5; return true;
    case 0x58: *length = 4; return true;
    case 0x59: *length = 2; return true;
    case 0x7F: *length = kAnyLength; return true;
    default:
        *length = kAnyLength;
        return type >= 0x01 && type <= 0x09;
    }
}

}  // namespace

HMIDIMessage::HMIDIMessage() = default;

HMIDIMessage::~HMIDIMessage() = default;

bool HMIDIMessage::createByBuffer(const uint8_t* bytes, size_t end, size_t* position,
                                  uint8_t runningStatus)
{
    size_t at = *position;
    m_offset = static_cast<uint32_t>(at);
    m_delta = readNumber(bytes, end, &at);
    if (at >= end) {
        HDebug::debug("empty area from=%u to=%u - 1)", static_cast<unsigned>(m_offset),
                      static_cast<unsigned>(end));
        *position = end;
        m_size = static_cast<uint32_t>(end - m_offset);
        return false;
    }
    // A data byte where the status should be repeats the previous status and stays data.
    m_status = (bytes[at] & 0x80) != 0 ? bytes[at++] : runningStatus;
    bool result = true;
    switch (m_status & 0xF0) {
    case 0x80:
    case 0x90:
    case 0xA0:
    case 0xB0:
    case 0xE0:
        m_data1 = readByte(bytes, end, &at);
        m_data2 = readByte(bytes, end, &at);
        break;
    case 0xC0:
    case 0xD0:
        m_data1 = readByte(bytes, end, &at);
        break;
    case 0xF0:
        if (m_status == kExclusive || m_status == kExclusiveContinued) {
            readData(bytes, end, &at, true);
        } else if (m_status == kMeta) {
            m_data1 = readByte(bytes, end, &at);
            readData(bytes, end, &at, false);
        }
        break;
    default:
        HLOG_INFO("message code error");
        HDebug::debug("code=%X from=%u to=%u - 1)", m_status, static_cast<unsigned>(m_offset),
                      static_cast<unsigned>(end));
        result = false;
        break;
    }
    pack();
    *position = std::min(at, end);
    m_size = static_cast<uint32_t>(*position - m_offset);
    return result;
}

// The length and data of a meta or system-exclusive event; the latter keeps its 0xF0 first.
// Data that would run past the track's end is not taken, and the track ends here.
void HMIDIMessage::readData(const uint8_t* bytes, size_t end, size_t* position, bool exclusive)
{
    uint32_t length = readNumber(bytes, end, position);
    if (length > end - *position) {
        HLOG_INFO("error length over");
        HDebug::debug("code=%X from=%u to=%u - 1)", m_status, static_cast<unsigned>(m_offset),
                      static_cast<unsigned>(end));
        *position = end;
        return;
    }
    uint32_t lead = exclusive ? 1 : 0;
    m_extraLength = lead + length;
    m_extra.reset(new uint8_t[m_extraLength + 1]);
    m_extra[0] = kExclusive;
    memcpy(m_extra.get() + lead, bytes + *position, length);
    m_extra[m_extraLength] = 0;
    *position += length;
}

void HMIDIMessage::pack()
{
    m_shortMessage = m_status | static_cast<uint32_t>(m_data1) << 8
                     | static_cast<uint32_t>(m_data2) << 16;
}

void HMIDIMessage::setData2(uint8_t value)
{
    m_data2 = value;
    pack();
}

void HMIDIMessage::checkMetaEvent()
{
    if (m_status != kMeta) {
        return;
    }
    uint32_t expected = kAnyLength;
    bool error = !expectedLength(m_data1, &expected);
    if (error) {
        HLOG_INFO("checkMetaEvent:error type");
    }
    if (expected != kAnyLength && m_extraLength != expected) {
        HLOG_INFO("checkMetaEvent:error length");
        HDebug::debug("dwLen=%u exLen=%u", expected, m_extraLength);
        if (m_extraLength < expected) {
            std::unique_ptr<uint8_t[]> padded(new uint8_t[expected + 1]());
            if (m_extraLength > 0) {
                memcpy(padded.get(), m_extra.get(), m_extraLength);
            }
            m_extra = std::move(padded);
            m_extraLength = expected;
        }
        error = true;
    }
    const char* text = m_extra != nullptr ? reinterpret_cast<const char*>(m_extra.get()) : "";
    switch (m_data1) {
    case 0x00: HDebug::debug("meta seq:%u", static_cast<unsigned>(m_extra[0] << 8 | m_extra[1])); break;
    case 0x01: HDebug::debug("meta text:%s", text); break;
    case 0x02: HDebug::debug("meta copylight:%s", text); break;
    case 0x03: HDebug::debug("meta track name:%s", text); break;
    case 0x04: HDebug::debug("meta comp name:%s", text); break;
    case 0x05: HDebug::debug("meta lylic:%s", text); break;
    case 0x06: HDebug::debug("meta mark"); break;
    case 0x07: HDebug::debug("meta que"); break;
    case 0x08: HDebug::debug("meta program name:%s", text); break;
    case 0x09: HDebug::debug("meta device name:%s", text); break;
    default: break;
    }
    if (error) {
        HDebug::debug("meta err %u-%u %u %X %X %X %u", static_cast<unsigned>(m_trackNumber),
                      m_index, m_delta, m_status, m_data1, m_data2, m_extraLength);
    }
}

uint32_t HMIDIMessage::delayMs() const
{
    if (m_state == nullptr) {
        return 0;
    }
    double period = m_state->getTimerPeriod();
    double ms = static_cast<double>(m_ticks) * m_state->getMsPerQuarter() / m_state->getDivision();
    if (!(ms >= period)) {  // also a division of 0
        ms = period;
    }
    return ms < 4294967295.0 ? static_cast<uint32_t>(ms) : 0xFFFFFFFFu;
}

std::string HMIDIMessage::getDescription() const
{
    unsigned channel = m_status & 0x0F;
    switch (m_status & 0xF0) {
    case 0x80: return HText::format("CH%X:NOTE_OFF %02X %02X", channel, m_data1, m_data2);
    case 0x90: return HText::format("CH%X:NOTE_ON  %02X %02X", channel, m_data1, m_data2);
    case 0xA0: return HText::format("CH%X:POLY_KEY %02X %02X", channel, m_data1, m_data2);
    case 0xB0: return HText::format("CH%X:CTRL_CHG %02X %02X", channel, m_data1, m_data2);
    case 0xC0: return HText::format("CH%X:PRGM_CHG %02X", channel, m_data1);
    case 0xD0: return HText::format("CH%X:POLY_ALL %02X", channel, m_data1);
    case 0xE0: return HText::format("CH%X:PICH_BNT %02X %02X", channel, m_data1, m_data2);
    default: break;
    }
    int length = static_cast<int>(m_extraLength);
    if (m_status == kExclusive || m_status == kExclusiveContinued) {
        return HText::format("CH%X:SYSTEMEX %02X len=%d", channel, m_data1, length);
    }
    if (m_status == kMeta) {
        return HText::format("CH%X:META_EVT %02X len=%d", channel, m_data1, length);
    }
    return HText::format("CH%X:SYSTEM   %02X", channel, m_status);
}
