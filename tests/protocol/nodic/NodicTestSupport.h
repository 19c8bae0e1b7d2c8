#pragma once
// Frames and payloads written the way the protocol tables give them: runs of
// bytes placed at frame byte numbers.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "NodicData.h"

namespace nodic_test {

struct Run {
    std::size_t frameByte;
    std::vector<std::uint8_t> bytes;
};

// A 64-byte answer frame: byte 0 = object, byte 2 = 0x80 + length, the runs placed.
std::vector<std::uint8_t> AnswerFrame(std::uint8_t object, int length, const std::vector<Run>& runs);
// A data area of `length` bytes starting at frame byte 4, the runs placed.
std::vector<std::uint8_t> Payload(std::size_t length, const std::vector<Run>& runs);

// "04 01 ..." for comparisons that print both sides readably.
std::string Hex(std::span<const std::uint8_t> bytes);
template <std::size_t N>
std::string Hex(const std::array<std::uint8_t, N>& bytes) {
    return Hex(std::span<const std::uint8_t>(bytes));
}
inline std::string Hex(const std::vector<std::uint8_t>& bytes) { return Hex(std::span<const std::uint8_t>(bytes)); }

// Sixteen-bit little-endian bytes of each value, one after the other.
std::vector<std::uint8_t> Le16s(std::initializer_list<int> values);

}  // namespace nodic_test
