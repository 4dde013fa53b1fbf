#include "tool/TCDeflate.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kWindow = 32768;
constexpr int kHashBits = 15;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
// How many earlier places with the same three bytes are tried: more finds longer matches in
// busy pictures, fewer keeps large flat ones quick.
constexpr int kMaxChain = 4;
// The places inside a match longer than this are not remembered: a picture is mostly long
// matches, and their inner places are rarely the best start of a later one.
constexpr int kRememberedMatch = 8;

const uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const uint16_t kDistanceBase[30] = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                    33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                    1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Bits go out least significant first; Huffman codes are stored reversed for that.
class BitSink {
public:
    explicit BitSink(std::string* out) : m_out(out) {}
    void put(uint32_t value, int count)
    {
        m_bits |= static_cast<uint64_t>(value) << m_count;
        m_count += count;
        while (m_count >= 8) {
            m_out->push_back(static_cast<char>(m_bits));
            m_bits >>= 8;
            m_count -= 8;
        }
    }
    void flush()
    {
        if (m_count > 0) {
            m_out->push_back(static_cast<char>(m_bits));
        }
        m_bits = 0;
        m_count = 0;
    }

private:
    std::string* m_out;
    uint64_t m_bits = 0;
    int m_count = 0;
};

uint32_t reversed(uint32_t code, int length)
{
    uint32_t result = 0;
    for (int i = 0; i < length; ++i) {
        result = (result << 1) | ((code >> i) & 1);
    }
    return result;
}

// The fixed codes of RFC 1951 3.2.6, reversed for the bit sink, and which length and distance
// code each length and distance takes.
struct FixedCodes {
    uint16_t code[288];
    uint8_t length[288];
    uint8_t lengthCode[kMaxMatch + 1];
    uint8_t distanceCode[kWindow + 1];
    uint8_t reversedDistance[30];
    FixedCodes()
    {
        for (int symbol = 0; symbol < 288; ++symbol) {
            if (symbol < 144) {
                set(symbol, 0x30 + symbol, 8);
            } else if (symbol < 256) {
                set(symbol, 0x190 + symbol - 144, 9);
            } else if (symbol < 280) {
                set(symbol, symbol - 256, 7);
            } else {
                set(symbol, 0xC0 + symbol - 280, 8);
            }
        }
        for (int code = 0; code < 29; ++code) {
            for (int value = kLengthBase[code]; value <= kMaxMatch && value < kLengthBase[code] + (1 << kLengthExtra[code]); ++value) {
                lengthCode[value] = static_cast<uint8_t>(code);
            }
        }
        for (int code = 0; code < 30; ++code) {
            for (int value = kDistanceBase[code]; value <= kWindow && value < kDistanceBase[code] + (1 << kDistanceExtra[code]); ++value) {
                distanceCode[value] = static_cast<uint8_t>(code);
            }
            reversedDistance[code] = static_cast<uint8_t>(reversed(code, 5));
        }
    }
    void set(int symbol, uint32_t value, int bits)
    {
        code[symbol] = static_cast<uint16_t>(reversed(value, bits));
        length[symbol] = static_cast<uint8_t>(bits);
    }
};

class Encoder {
public:
    Encoder(const uint8_t* bytes, size_t size, BitSink* sink)
        : m_bytes(bytes), m_size(size), m_sink(sink), m_head(size_t(1) << kHashBits, -1), m_previous(kWindow, -1)
    {
    }

    void run()
    {
        size_t at = 0;
        while (at < m_size) {
            int distance = 0;
            int length = longestMatch(at, &distance);
            if (length >= kMinMatch) {
                putMatch(length, distance);
                const int remembered = length <= kRememberedMatch ? length : 1;
                for (int i = 0; i < remembered; ++i) {
                    remember(at + i);
                }
                at += length;
            } else {
                putSymbol(m_bytes[at]);
                remember(at);
                ++at;
            }
        }
        putSymbol(256);
    }

private:
    uint32_t hashAt(size_t at) const
    {
        uint32_t three = m_bytes[at] | m_bytes[at + 1] << 8 | m_bytes[at + 2] << 16;
        return (three * 2654435761u) >> (32 - kHashBits);
    }

    void remember(size_t at)
    {
        if (at + kMinMatch > m_size) {
            return;
        }
        uint32_t hash = hashAt(at);
        m_previous[at % kWindow] = m_head[hash];
        m_head[hash] = static_cast<int32_t>(at);
    }

    int longestMatch(size_t at, int* distance) const
    {
        if (at + kMinMatch > m_size) {
            return 0;
        }
        const size_t most = std::min<size_t>(kMaxMatch, m_size - at);
        int best = 0;
        int32_t candidate = m_head[hashAt(at)];
        for (int tries = 0; candidate >= 0 && at - candidate <= kWindow && tries < kMaxChain; ++tries) {
            const uint8_t* a = m_bytes + candidate;
            const uint8_t* b = m_bytes + at;
            // Only a candidate that also agrees at the best length so far can be longer.
            size_t length = a[best] == b[best] ? commonLength(a, b, most) : 0;
            if (static_cast<int>(length) > best) {
                best = static_cast<int>(length);
                *distance = static_cast<int>(at - candidate);
                if (length == most) {
                    break;
                }
            }
            candidate = m_previous[candidate % kWindow];
        }
        return best;
    }

    static size_t commonLength(const uint8_t* a, const uint8_t* b, size_t most)
    {
        size_t length = 0;
        while (length + 8 <= most) {
            uint64_t x;
            uint64_t y;
            memcpy(&x, a + length, 8);
            memcpy(&y, b + length, 8);
            if (x != y) {
                return length + __builtin_ctzll(x ^ y) / 8;  // little-endian: the first byte is lowest
            }
            length += 8;
        }
        while (length < most && a[length] == b[length]) {
            ++length;
        }
        return length;
    }

    void putSymbol(int symbol) { m_sink->put(s_codes.code[symbol], s_codes.length[symbol]); }

    void putMatch(int length, int distance)
    {
        const int lengthCode = s_codes.lengthCode[length];
        putSymbol(257 + lengthCode);
        m_sink->put(length - kLengthBase[lengthCode], kLengthExtra[lengthCode]);
        const int distanceCode = s_codes.distanceCode[distance];
        m_sink->put(s_codes.reversedDistance[distanceCode], 5);
        m_sink->put(distance - kDistanceBase[distanceCode], kDistanceExtra[distanceCode]);
    }

    static const FixedCodes s_codes;
    const uint8_t* m_bytes;
    size_t m_size;
    BitSink* m_sink;
    std::vector<int32_t> m_head;
    std::vector<int32_t> m_previous;
};

const FixedCodes Encoder::s_codes;

uint32_t adler32(const uint8_t* bytes, size_t size)
{
    uint64_t a = 1;
    uint64_t b = 0;
    while (size > 0) {
        // A run adds a once per byte to b and each byte as often as bytes are left: summed
        // that way the loop has no chain from one byte to the next. 5552 bytes keep the
        // weighted sum within 32 bits (RFC 1950's bound).
        const uint32_t run = static_cast<uint32_t>(std::min<size_t>(size, 5552));
        uint32_t sum = 0;
        uint32_t weighted = 0;
        for (uint32_t i = 0; i < run; ++i) {
            sum += bytes[i];
            weighted += (run - i) * bytes[i];
        }
        b = (b + run * a + weighted) % 65521;
        a = (a + sum) % 65521;
        bytes += run;
        size -= run;
    }
    return static_cast<uint32_t>(b << 16 | a);
}

}  // namespace

void TCDeflate::compress(const uint8_t* bytes, size_t size, std::string* out)
{
    // Deflate, 32 KB window, no dictionary; the check bits make the header a multiple of 31.
    out->push_back(static_cast<char>(0x78));
    out->push_back(static_cast<char>(0x01));
    BitSink sink(out);
    sink.put(1, 1);  // the last block
    sink.put(1, 2);  // with the fixed codes
    Encoder(bytes, size, &sink).run();
    sink.flush();
    uint32_t check = adler32(bytes, size);
    for (int shift = 24; shift >= 0; shift -= 8) {
        out->push_back(static_cast<char>(check >> shift));
    }
}
