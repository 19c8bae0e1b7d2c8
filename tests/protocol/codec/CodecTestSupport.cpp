#include "CodecTestSupport.h"

#include <cstdio>

namespace codec_test {

std::vector<std::uint8_t> Wire(std::size_t length, std::initializer_list<Run> runs) {
    std::vector<std::uint8_t> out(length, 0);
    for (const Run& run : runs) {
        for (std::size_t i = 0; i < run.bytes.size() && run.at + i < length; ++i) out[run.at + i] = run.bytes[i];
    }
    return out;
}

std::vector<std::uint8_t> ToVector(const codec::Packet& packet) {
    return std::vector<std::uint8_t>(packet.bytes().begin(), packet.bytes().end());
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char buffer[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", bytes[i]);
        if (i) text += ' ';
        text += buffer;
    }
    return text;
}

}  // namespace codec_test
