// Decoder of LZMA-alone streams (properties byte, 32-bit dictionary size, 64-bit uncompressed size
// or all ones for "ended by the end marker"). Memory is one sliding window of the dictionary size,
// not the whole output; decoded bytes go to a sink as the window fills.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lzma {

struct Limits {
    uint32_t maxDictionary = 256u << 20; // larger claims are refused, not allocated
    uint64_t maxOutput = 2ull << 30;     // a stream that would produce more is damaged
};

// Reads the stream through `read` (returns bytes delivered, 0 at the end) and hands every decoded
// byte to `write` in order. FALSE with a reason for damaged, truncated or unsupported input, or
// when `write` fails.
bool Decode(const std::function<size_t(uint8_t*, size_t)>& read,
            const std::function<bool(const uint8_t*, size_t)>& write, std::string& error,
            const Limits& limits = Limits());

} // namespace lzma
