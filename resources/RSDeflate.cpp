#include "resources/RSDeflate.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kWindow = 32768;
constexpr int kHashBits = 15;
constexpr int kChainLimit = 64;  // candidates tried per position: plenty for flat pictures

const int kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const int kDistanceBase[30] = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                               33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                               1025, 1537, 2049, 3073, 4097, 6145,  8193,  12289, 16385, 24577};
const int kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Deflate packs bits from the least significant end of each byte; Huffman codes go in from
// their most significant bit, extra bits from their least.
class BitWriter {
public:
    explicit BitWriter(std::string* out) : m_out(out) {}
    void bits(uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i) {
            put((value >> i) & 1);
        }
    }
    void code(uint32_t code, int length)
    {
        for (int i = length - 1; i >= 0; --i) {
            put((code >> i) & 1);
        }
    }
    void flush()
    {
        if (m_count > 0) {
            m_out->push_back(static_cast<char>(m_byte));
            m_byte = 0;
            m_count = 0;
        }
    }

private:
    void put(uint32_t bit)
    {
        m_byte |= bit << m_count;
        if (++m_count == 8) {
            flush();
        }
    }
    std::string* m_out;
    uint32_t m_byte = 0;
    int m_count = 0;
};

// The fixed literal/length code of a symbol 0..287.
void literalCode(BitWriter* out, int symbol)
{
    if (symbol < 144) {
        out->code(0x30 + symbol, 8);
    } else if (symbol < 256) {
        out->code(0x190 + symbol - 144, 9);
    } else if (symbol < 280) {
        out->code(symbol - 256, 7);
    } else {
        out->code(0xC0 + symbol - 280, 8);
    }
}

void matchCode(BitWriter* out, int length, int distance)
{
    int l = 28;
    while (kLengthBase[l] > length) {
        --l;
    }
    literalCode(out, 257 + l);
    out->bits(length - kLengthBase[l], kLengthExtra[l]);
    int d = 29;
    while (kDistanceBase[d] > distance) {
        --d;
    }
    out->code(d, 5);
    out->bits(distance - kDistanceBase[d], kDistanceExtra[d]);
}

uint32_t hashAt(const uint8_t* p)
{
    return ((p[0] << 10) ^ (p[1] << 5) ^ p[2]) & ((1u << kHashBits) - 1);
}

}  // namespace

uint32_t RSDeflate::adler32(const std::string& data)
{
    uint32_t a = 1;
    uint32_t b = 0;
    for (unsigned char c : data) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

std::string RSDeflate::compress(const std::string& data)
{
    std::string out("\x78\x01", 2);  // deflate, 32 KiB window, no dictionary, fastest level
    BitWriter bits(&out);
    bits.bits(1, 1);  // the final block
    bits.bits(1, 2);  // fixed Huffman codes

    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(data.data());
    const int size = static_cast<int>(data.size());
    std::vector<int> head(1u << kHashBits, -1);
    std::vector<int> previous(size, -1);  // the older position of the same hash
    auto insert = [&](int position) {
        if (position + kMinMatch <= size) {
            uint32_t h = hashAt(bytes + position);
            previous[position] = head[h];
            head[h] = position;
        }
    };
    int position = 0;
    while (position < size) {
        int bestLength = 0;
        int bestDistance = 0;
        if (position + kMinMatch <= size) {
            int limit = std::min(kMaxMatch, size - position);
            int candidate = head[hashAt(bytes + position)];
            for (int tries = 0; candidate >= 0 && tries < kChainLimit; ++tries) {
                int distance = position - candidate;
                if (distance > kWindow) {
                    break;
                }
                int length = 0;
                while (length < limit && bytes[candidate + length] == bytes[position + length]) {
                    ++length;
                }
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = distance;
                    if (length == limit) {
                        break;
                    }
                }
                candidate = previous[candidate];
            }
        }
        if (bestLength >= kMinMatch) {
            matchCode(&bits, bestLength, bestDistance);
            for (int i = 0; i < bestLength; ++i) {
                insert(position + i);
            }
            position += bestLength;
        } else {
            literalCode(&bits, bytes[position]);
            insert(position);
            ++position;
        }
    }
    literalCode(&bits, 256);  // end of block
    bits.flush();
    uint32_t check = adler32(data);
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>(check >> shift));
    }
    return out;
}
