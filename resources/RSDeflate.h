#pragma once

#include <cstdint>
#include <string>

// A zlib stream (RFC 1950) of one deflate block with the fixed Huffman codes (RFC 1951): a
// greedy LZ77 matcher over a 32 KiB window. Small and deterministic, which is what the icon's
// PNG image needs: the same pixels always give the same bytes, on every machine.
class RSDeflate {
public:
    static std::string compress(const std::string& data);
    // The Adler-32 checksum that ends a zlib stream.
    static uint32_t adler32(const std::string& data);
};
