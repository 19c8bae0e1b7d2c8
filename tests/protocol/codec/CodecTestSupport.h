#pragma once
// Helpers for writing expected packets as the byte lists the protocol tables give.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "Packet.h"

namespace codec_test {

// A zero-filled buffer of `length` bytes with the listed (offset, bytes) runs placed in it.
struct Run {
    std::size_t at;
    std::vector<std::uint8_t> bytes;
};
std::vector<std::uint8_t> Wire(std::size_t length, std::initializer_list<Run> runs);

std::vector<std::uint8_t> ToVector(const codec::Packet& packet);

// "51 40 FF 01 ..." for failure messages.
std::string Hex(const std::vector<std::uint8_t>& bytes);

}  // namespace codec_test

// Compares a packet with the expected bytes, printing both in hex.
#define EXPECT_PACKET(packet, expected) \
    EXPECT_EQ(codec_test::Hex(codec_test::ToVector(packet)), codec_test::Hex(expected))
