#include "NodicFrame.h"

#include <cstring>

namespace {

constexpr std::size_t kDataStart = 4;
constexpr std::size_t kDataEnd = kNodicFrameSize - 1;  // byte 63 is the checksum

void Header(std::uint8_t* frame, int object, bool routed, int operation, std::size_t length, int chunk) {
    std::memset(frame, 0, kNodicFrameSize);
    frame[0] = static_cast<std::uint8_t>((object & 0x3F) | (routed ? kNodicRouteBit : 0));
    frame[1] = static_cast<std::uint8_t>(chunk);
    frame[2] = static_cast<std::uint8_t>(0x80 | length);
    frame[3] = static_cast<std::uint8_t>(operation);
}

}  // namespace

bool BuildNodicRead(std::uint8_t* frame, int object, bool routed, int operation, int readLength) {
    if (!frame || readLength < 1 || readLength > 2) return false;
    Header(frame, object, routed, operation, static_cast<std::size_t>(readLength), 0);
    return true;
}

bool BuildNodicWrite(std::uint8_t* frame, int object, bool routed, int operation, const std::uint8_t* data,
                     std::size_t length, int chunk) {
    if (!frame || length > kDataEnd - kDataStart || (length > 0 && !data)) return false;
    Header(frame, object, routed, operation, length, chunk);
    if (length > 0) std::memcpy(frame + kDataStart, data, length);
    return true;
}

bool NodicChecksumMatches(const std::uint8_t* frame) {
    return frame && frame[kNodicFrameSize - 1] == NodicChecksum(frame);
}

nodic::Answer AnswerOfReply(const NodicReply& reply) {
    if (!reply.arrived) return nodic::Answer{};
    return nodic::AnswerOf(nodic::Bytes(reply.frame));
}
