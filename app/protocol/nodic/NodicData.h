#pragma once
// The data area of a second-family frame: frame bytes 4..62 (byte 63 is the
// checksum the transfer fills in). The blocks are laid out in frame byte
// numbers, as the mouse counts them; `At` turns one into an offset in the area.
// The frame header (object, chunk, length byte, operation) is built elsewhere.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace nodic {

using Bytes = std::span<const std::uint8_t>;

inline constexpr std::size_t kFrameDataStart = 4;
inline constexpr std::size_t kDataCapacity = 59;  // frame bytes 4..62

constexpr std::size_t At(std::size_t frameByte) { return frameByte - kFrameDataStart; }

// What an answer carries: its data area and the number of data bytes its byte 2
// declares (bits 0-6; 0 when bit 7, the mark of a valid answer, is clear).
struct Answer {
    Bytes data;      // frame bytes 4..62, as far as the frame reached
    int length = 0;  // never more than the bytes that arrived

    // Bit 7 set and at least `minLength` (at least 1) data bytes.
    bool Valid(int minLength = 1) const { return length >= (minLength < 1 ? 1 : minLength); }
    // Frame byte `frameByte`; 0 when it lies outside the area that arrived.
    std::uint8_t Byte(std::size_t frameByte) const {
        return frameByte >= kFrameDataStart && At(frameByte) < data.size() ? data[At(frameByte)] : 0;
    }
};

// `frame` starts at frame byte 0 (no report id). A frame too short to hold byte 2
// is an answer with no data.
Answer AnswerOf(Bytes frame);

// A block the mouse reported: its whole data area as it came and the declared
// length. Only a valid answer makes one, so a write can never be built on an
// area that was not read.
class ReadBlock {
public:
    static std::optional<ReadBlock> FromAnswer(const Answer& answer, int minLength);

    std::uint8_t Byte(std::size_t frameByte) const { return AsAnswer().Byte(frameByte); }
    int Length() const { return m_length; }
    Answer AsAnswer() const { return Answer{Bytes(m_data), m_length}; }
    // Data bytes from `firstFrameByte` on, `count` of them, as they came.
    template <std::size_t N>
    std::array<std::uint8_t, N> Copy(std::size_t firstFrameByte) const {
        std::array<std::uint8_t, N> out{};
        for (std::size_t i = 0; i < N; ++i) out[i] = Byte(firstFrameByte + i);
        return out;
    }

private:
    ReadBlock() = default;
    std::array<std::uint8_t, kDataCapacity> m_data{};
    int m_length = 0;
};

// Writes a 16-bit value little-endian at frame byte `frameByte` of a payload that
// starts at frame byte 4; the value is clamped to 0..65535.
void PutLe16(std::span<std::uint8_t> payload, std::size_t frameByte, int value);
int Le16(const Answer& answer, std::size_t frameByte);

}  // namespace nodic
