#include "NodicData.h"

#include <algorithm>

#include "Packet.h"

namespace nodic {

Answer AnswerOf(Bytes frame) {
    Answer answer;
    if (frame.size() <= kFrameDataStart) return answer;
    std::size_t end = std::min(frame.size(), kFrameDataStart + kDataCapacity);
    answer.data = frame.subspan(kFrameDataStart, end - kFrameDataStart);
    std::uint8_t lengthByte = frame[2];
    if ((lengthByte & 0x80) != 0) {
        answer.length = std::min(static_cast<int>(lengthByte & 0x7F), static_cast<int>(answer.data.size()));
    }
    return answer;
}

std::optional<ReadBlock> ReadBlock::FromAnswer(const Answer& answer, int minLength) {
    if (!answer.Valid(minLength)) return std::nullopt;
    ReadBlock block;
    std::copy_n(answer.data.begin(), std::min(answer.data.size(), kDataCapacity), block.m_data.begin());
    block.m_length = answer.length;
    return block;
}

void PutLe16(std::span<std::uint8_t> payload, std::size_t frameByte, int value) {
    int v = codec::Clamp(value, 0, 0xFFFF);
    if (frameByte < kFrameDataStart || At(frameByte) + 1 >= payload.size()) return;
    std::size_t at = At(frameByte);
    payload[at] = static_cast<std::uint8_t>(v & 0xFF);
    payload[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

int Le16(const Answer& answer, std::size_t frameByte) {
    return answer.Byte(frameByte) | (answer.Byte(frameByte + 1) << 8);
}

}  // namespace nodic
