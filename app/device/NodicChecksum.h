#pragma once
// Checksum of a second-family frame: 0xA1 minus the 8-bit sum of payload bytes
// 0..62, stored in byte 63.
#include <cstddef>
#include <cstdint>

constexpr std::size_t kNodicFrameSize = 64;

inline std::uint8_t NodicChecksum(const std::uint8_t* payload) {
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < kNodicFrameSize; ++i) sum += payload[i];
    return static_cast<std::uint8_t>((0xA1u - sum) & 0xFFu);
}
