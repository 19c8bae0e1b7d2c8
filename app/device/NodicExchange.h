#pragma once
// The second chip family's frame on the wire: a 64-byte payload behind report id 0,
// its checksum in byte 63 (0xA1 minus the 8-bit sum of bytes 0..62).
#include <array>
#include <cstddef>
#include <cstdint>

#include "HidPort.h"

constexpr std::size_t kNodicFrameSize = 64;
using NodicFrameBytes = std::array<std::uint8_t, kNodicFrameSize>;

inline std::uint8_t NodicChecksum(const std::uint8_t* payload) {
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < kNodicFrameSize; ++i) sum += payload[i];
    return static_cast<std::uint8_t>((0xA1u - sum) & 0xFFu);
}

// What came back for one frame. The answer is kept apart from the request, so an
// answer that never came can not be mistaken for the request read back.
struct NodicReply {
    bool arrived = false;  // exactly 64 bytes came
    NodicFrameBytes frame{};

    // Bit 7 of byte 2 set and at least `minData` data bytes (its low 7 bits).
    bool Valid(int minData = 1) const {
        return arrived && (frame[2] & 0x80) != 0 && (frame[2] & 0x7F) >= (minData < 1 ? 1 : minData);
    }
    // A write was accepted when its answer carries the byte 2 the writer expects.
    bool Accepted(std::uint8_t expected) const { return arrived && frame[2] == expected; }
};

// One exchange: stale frames are read and dropped (100 ms for the first), the request
// goes out with its checksum filled in, then the answer is awaited 200 ms, and once
// more 100 ms after a 200 ms pause when nothing came.
NodicReply ExchangeNodicFrame(HidPort& port, const NodicFrameBytes& request);
