#include "NodicTestSupport.h"

#include <cstdio>

namespace nodic_test {
namespace {

void Place(std::vector<std::uint8_t>& out, std::size_t offset, const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        for (std::size_t i = 0; i < run.bytes.size(); ++i) out.at(run.frameByte - offset + i) = run.bytes[i];
    }
}

}  // namespace

std::vector<std::uint8_t> AnswerFrame(std::uint8_t object, int length, const std::vector<Run>& runs) {
    std::vector<std::uint8_t> frame(64, 0);
    frame[0] = object;
    frame[2] = static_cast<std::uint8_t>(0x80 | length);
    Place(frame, 0, runs);
    return frame;
}

std::vector<std::uint8_t> Payload(std::size_t length, const std::vector<Run>& runs) {
    std::vector<std::uint8_t> out(length, 0);
    Place(out, nodic::kFrameDataStart, runs);
    return out;
}

std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    char buffer[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", bytes[i]);
        if (i) text += ' ';
        text += buffer;
    }
    return text;
}

std::vector<std::uint8_t> Le16s(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values) {
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    return out;
}

}  // namespace nodic_test
